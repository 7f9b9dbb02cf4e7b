#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

/// Where the workstation identity comes from: the system's raw answers, before the rules of
/// the identity functions (name lengths, upper case, fallbacks, aliases) are applied. The
/// platform's own sources are in place from the start; tests install fakes.
class WorkstationSources
{
public:
    virtual ~WorkstationSources() = default;

    /// The computer's name as the system gives it (a host name may carry a domain).
    virtual QString computerName() const = 0;
    /// The name of the user running the program.
    virtual QString userName() const = 0;
    /// The first IPv4 address the host's own name resolves to; empty when none.
    virtual QString localIpv4() const = 0;
    /// The serial numbers the first physical disk reports, one per answer row (normally
    /// one, none when there is no such disk). Raises AppError when the query itself fails.
    virtual QStringList diskSerialRows() const = 0;
    /// The network adapters in enumeration order: each adapter's hardware address bytes,
    /// or nothing when its status query failed.
    virtual QList<std::optional<QByteArray>> adapterAddresses() const = 0;

    /// Installs `sources` (not owned; nullptr restores the platform's own).
    static void install(const WorkstationSources* sources);
    static const WorkstationSources& current();
};
