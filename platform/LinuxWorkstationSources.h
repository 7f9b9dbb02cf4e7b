#pragma once

#include "WorkstationSources.h"

/// Workstation sources of a Linux system: the host name, the account of the effective
/// user, the host name's addresses, the first non-removable disk under /sys/block (its
/// serial from the udev database or sysfs) and the adapters of /sys/class/net in interface
/// index order.
class LinuxWorkstationSources : public WorkstationSources
{
public:
    /// `sysRoot` and `udevData` let tests point the disk and adapter readers at a copy of
    /// the system folders.
    explicit LinuxWorkstationSources(QString sysRoot = QStringLiteral("/sys"),
                                     QString udevData = QStringLiteral("/run/udev/data"));

    QString computerName() const override;
    QString userName() const override;
    QString localIpv4() const override;
    QStringList diskSerialRows() const override;
    QList<std::optional<QByteArray>> adapterAddresses() const override;

private:
    QString firstPhysicalDisk() const;
    QString diskSerial(const QString& disk) const;
    QString udevSerial(const QString& disk) const;

    QString m_sysRoot;
    QString m_udevData;
};
