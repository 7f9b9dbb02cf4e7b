#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

/// An error of the program with the text the user is shown. The remote layer, the data
/// sets and the windows raise subclasses; whatever reaches the standard display of uncaught
/// errors shows `text()`.
class AppError : public std::exception
{
public:
    explicit AppError(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString& text() const { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};
