#pragma once

#include "ProcessEnd.h"
#include "Shell.h"

#include <QList>
#include <QStringList>

/// Test shell and process end, installed for their lifetime: they record what the program
/// asked for, in one shared order of events.
class RecordingSeams : public Shell, public ProcessEnd
{
public:
    struct Opened
    {
        QString target;
        QStringList parameters;
    };

    RecordingSeams()
    {
        Shell::install(this);
        ProcessEnd::install(this);
    }
    ~RecordingSeams() override
    {
        Shell::install(nullptr);
        ProcessEnd::install(nullptr);
    }

    bool openTarget(const QString& target, const QStringList& parameters) override
    {
        m_opened << Opened{target, parameters};
        m_events << QStringLiteral("open");
        return true;
    }
    void end(int exitCode) override
    {
        m_exitCodes << exitCode;
        m_events << QStringLiteral("end");
    }

    const QList<Opened>& opened() const { return m_opened; }
    const QList<int>& exitCodes() const { return m_exitCodes; }
    /// "open" and "end" in the order they happened.
    const QStringList& events() const { return m_events; }

private:
    QList<Opened> m_opened;
    QList<int> m_exitCodes;
    QStringList m_events;
};
