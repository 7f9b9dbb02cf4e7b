#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>

/// Faults injected for tests (--fault SPEC, repeatable):
///   delay:METHOD:MS         answer METHOD only after MS milliseconds
///   error:METHOD:TEXT       METHOD fails with TEXT (TEXT may contain colons)
///   short-stream:METHOD:N   METHOD announces N bytes more than its stream delivers
///   refuse:N                close the first N connections right after accepting them
///   drop:METHOD             cut the connection in the middle of METHOD's answer
/// Read by every worker thread; only the refusal counter changes.
class FaultPlan
{
public:
    /// Parses the specs; on error returns nothing and sets `error`.
    static std::optional<FaultPlan> parse(const QStringList& specs, QString& error);

    FaultPlan() = default;
    FaultPlan(const FaultPlan& other);

    int delayMs(const QString& method) const { return m_delays.value(method, 0); }
    std::optional<QString> errorText(const QString& method) const;
    qint64 extraAnnounced(const QString& method) const { return m_shortStreams.value(method, 0); }
    bool drops(const QString& method) const { return m_drops.contains(method); }
    /// True while refusals remain; each call uses one up.
    bool takeRefusal();

private:
    bool add(const QString& spec, QString& error);

    QHash<QString, int> m_delays;
    QHash<QString, QString> m_errors;
    QHash<QString, qint64> m_shortStreams;
    QSet<QString> m_drops;
    std::atomic<int> m_refusals{0};
};
