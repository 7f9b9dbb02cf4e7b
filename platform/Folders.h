#pragma once

#include <QString>

/// The program's settings folder: "otokorvel" in the user's configuration folder (the
/// roaming application-data folder on Windows), created when missing; no trailing
/// separator.
QString AyarKlasoru();

/// The user's local (not roaming) application-data folder, where downloads are kept.
QString localAppDataFolder();
