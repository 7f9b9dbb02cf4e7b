#include "CallLog.h"

#include <QDateTime>
#include <cstdio>
#include <mutex>

namespace {

std::mutex logMutex;

void writeLine(const QString& line)
{
    const QByteArray bytes = (QDateTime::currentDateTime().toString(Qt::ISODateWithMs) +
                              u' ' + line + u'\n').toUtf8();
    const std::lock_guard<std::mutex> lock(logMutex);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

} // namespace

void CallLog::call(const QString& method, double milliseconds, const QString& outcome)
{
    writeLine(QStringLiteral("call %1 %2 ms %3")
                  .arg(method, QString::number(milliseconds, 'f', 2), outcome));
}

void CallLog::note(const QString& text)
{
    writeLine(text);
}
