#pragma once

class Database;

/// What a method handler works with: the calling worker's database connection and the
/// server's settings.
struct MethodContext
{
    Database& db;
    int clientVersion = 9;
};
