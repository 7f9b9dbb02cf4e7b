#include "DayNumber.h"

#include <cmath>

const QDate& DayNumber::epoch()
{
    static const QDate base(1899, 12, 30);
    return base;
}

double DayNumber::fromDate(const QDate& date)
{
    return static_cast<double>(epoch().daysTo(date));
}

double DayNumber::fromDateTime(const QDateTime& dateTime)
{
    const QTime t = dateTime.time();
    return fromDate(dateTime.date()) + t.msecsSinceStartOfDay() / 86400000.0;
}

QDate DayNumber::toDate(double dayNumber)
{
    return epoch().addDays(static_cast<qint64>(std::floor(dayNumber)));
}

QDateTime DayNumber::toDateTime(double dayNumber)
{
    const double whole = std::floor(dayNumber);
    const auto msecs = static_cast<int>(std::llround((dayNumber - whole) * 86400000.0));
    return QDateTime(toDate(whole), QTime::fromMSecsSinceStartOfDay(std::min(msecs, 86399999)));
}
