#pragma once

class Database;

/// The tables and indexes of the server's database.
class Schema
{
public:
    static void create(Database& db);
    /// Indexes are built after the bulk load, which is much faster than keeping them up.
    static void createIndexes(Database& db);
    /// Tables whose integer key the database numbers itself ("TABLE.COLUMN").
    static const char* const keyedTables[];
};
