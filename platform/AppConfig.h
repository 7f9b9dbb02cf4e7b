#pragma once

#include <QString>

/// The addresses the client works with. Each is fixed when the program is built and may be
/// overridden by an environment variable of the same name (for demos and tests); an empty
/// variable counts as unset. The environment is read on every call.
class AppConfig
{
public:
    /// Host of the application server (OTOKORVEL_SERVER_HOST).
    static QString serverHost();
    /// Port of the application server, "9090" unless configured (OTOKORVEL_SERVER_PORT).
    static QString serverPort();
    /// Base address of the wholesaler's web site, ending in "/" (OTOKORVEL_WEB_BASE).
    static QString webBase();
    /// Base address of the download server, ending in "/" (OTOKORVEL_DOWNLOAD_BASE).
    static QString downloadBase();
};
