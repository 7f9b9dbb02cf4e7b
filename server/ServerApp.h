#pragma once

#include "Database.h"
#include "FaultPlan.h"
#include "ServerOptions.h"

#include <memory>
#include <vector>

class HttpServer;
class WebSite;
class WorkerThread;

/// The server program: prepares the database (created and seeded on first start), runs the
/// command-line tools, or serves remote methods and web pages until SIGTERM or SIGINT.
class ServerApp
{
public:
    ServerApp(ServerOptions options, FaultPlan faults);
    ~ServerApp();
    /// Runs what the options ask for and returns the exit code.
    int run();

private:
    DatabaseSettings databaseSettings() const;
    bool prepareDatabase();
    int bindWorkstation(const QString& id, const QString& userName);
    int serve();
    void stop();

    ServerOptions m_options;
    FaultPlan m_faults;
    std::unique_ptr<Database> m_db;
    std::vector<std::unique_ptr<WorkerThread>> m_workers;
    std::unique_ptr<WebSite> m_site;
    std::unique_ptr<HttpServer> m_http;
};
