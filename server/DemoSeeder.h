#pragma once

#include <QDate>
#include <random>

class Database;

/// Fills a new database with the deterministic demo data set (fixed random seed, dates
/// relative to the day of seeding): catalogue, accounts, salesmen, users of every kind,
/// carts, orders in every state, invoices, collections with card receipts, the account
/// statements, announcements, ticker and banners.
class DemoSeeder
{
public:
    DemoSeeder(Database& db, int stockCount);
    /// Creates the schema and loads everything in one transaction.
    void run();

private:
    void settings();
    void people();
    void catalogue();
    void shipping();
    void documents(int carino, int index);
    void orders(int carino, int index);
    void invoices(int carino, int index);
    void collections(int carino, int index);
    void cart(int carino, int lines);
    void notices();
    int randomStock();
    int random(int from, int to);

    Database& m_db;
    int m_stockCount;
    QDate m_today;
    std::mt19937 m_rng{20240601};
    int m_nextOrder = 1;
    int m_nextOrderLine = 1;
    int m_nextInvoice = 1;
    int m_nextInvoiceLine = 1;
    int m_nextCollection = 1;
    int m_nextStatement = 1;
    int m_nextPos = 100;
};
