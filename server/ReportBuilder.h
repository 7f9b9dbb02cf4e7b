#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class Database;
class PdfDocument;

/// The PDF reports of the salesman's desk:
///   6 with an account: account summary (card, balance, statement up to the date);
///   6 without account: receivables of all accounts of a salesman ("." for all) on the date;
///   7: purchases and sales of an account, month by month, between two dates.
/// Another report number is a server error.
class ReportBuilder
{
public:
    struct Request
    {
        int number = 0;
        int userNo = 0;
        int carino = 0;
        QString salesmanName;
        QDate from;
        QDate to;
    };

    explicit ReportBuilder(Database& db) : m_db(db) {}
    QByteArray build(const Request& r);

private:
    void accountSummary(PdfDocument& pdf, const Request& r);
    void receivables(PdfDocument& pdf, const Request& r);
    void salesTable(PdfDocument& pdf, const Request& r);
    QString accountTitle(int carino);

    Database& m_db;
};
