#include "FaultPlan.h"

#include "MethodCatalogue.h"

FaultPlan::FaultPlan(const FaultPlan& other)
    : m_delays(other.m_delays), m_errors(other.m_errors), m_shortStreams(other.m_shortStreams),
      m_drops(other.m_drops), m_refusals(other.m_refusals.load())
{
}

std::optional<FaultPlan> FaultPlan::parse(const QStringList& specs, QString& error)
{
    FaultPlan plan;
    for (const QString& spec : specs) {
        if (!plan.add(spec, error)) {
            error = QStringLiteral("--fault %1: %2").arg(spec, error);
            return std::nullopt;
        }
    }
    return plan;
}

std::optional<QString> FaultPlan::errorText(const QString& method) const
{
    const auto it = m_errors.constFind(method);
    if (it == m_errors.constEnd())
        return std::nullopt;
    return *it;
}

bool FaultPlan::takeRefusal()
{
    int left = m_refusals.load();
    while (left > 0) {
        if (m_refusals.compare_exchange_weak(left, left - 1))
            return true;
    }
    return false;
}

bool FaultPlan::add(const QString& spec, QString& error)
{
    const QString kind = spec.section(u':', 0, 0);
    const QString method = spec.section(u':', 1, 1);
    const QString rest = spec.section(u':', 2);
    bool ok = true;
    if (kind == u"refuse") {
        const int n = method.toInt(&ok);
        if (!ok || n < 0 || !rest.isEmpty()) {
            error = QStringLiteral("expected refuse:N");
            return false;
        }
        m_refusals = n;
        return true;
    }
    const MethodSignature* sig = MethodCatalogue::find(method);
    if (!sig) {
        error = QStringLiteral("unknown method '%1'").arg(method);
        return false;
    }
    if (kind == u"delay") {
        const int ms = rest.toInt(&ok);
        ok = ok && ms >= 0;
        m_delays.insert(method, ms);
    } else if (kind == u"error") {
        ok = !rest.isEmpty();
        m_errors.insert(method, rest);
    } else if (kind == u"short-stream") {
        const qint64 n = rest.toLongLong(&ok);
        ok = ok && n > 0 && sig->result == WireTag::Stream;
        m_shortStreams.insert(method, n);
    } else if (kind == u"drop") {
        ok = rest.isEmpty();
        m_drops.insert(method);
    } else {
        error = QStringLiteral("unknown fault kind '%1'").arg(kind);
        return false;
    }
    if (!ok)
        error = QStringLiteral("malformed fault");
    return ok;
}
