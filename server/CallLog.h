#pragma once

#include <QString>

/// One line per remote call on stderr: time, method, duration, outcome. Lines from
/// several worker threads never interleave.
class CallLog
{
public:
    static void call(const QString& method, double milliseconds, const QString& outcome);
    static void note(const QString& text);
};
