#pragma once

#include <QDate>
#include <QDateTime>

/// Dates travel as day numbers: days since 30 December 1899, the time of day as the
/// fraction. These helpers convert between that form and Qt's date types (local time).
class DayNumber
{
public:
    static double fromDate(const QDate& date);
    static double fromDateTime(const QDateTime& dateTime);
    static QDate toDate(double dayNumber);
    static QDateTime toDateTime(double dayNumber);

private:
    static const QDate& epoch();
};
