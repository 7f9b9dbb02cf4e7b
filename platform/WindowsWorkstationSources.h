#pragma once

#include "WorkstationSources.h"

/// Workstation sources of a Windows system: the NetBIOS computer name, the logged-on user,
/// the socket library's host name resolution, the WMI serial number of physical drive 0 and
/// the NetBIOS adapter status of each LAN adapter. Built on Windows only.
class WindowsWorkstationSources : public WorkstationSources
{
public:
    QString computerName() const override;
    QString userName() const override;
    QString localIpv4() const override;
    QStringList diskSerialRows() const override;
    QList<std::optional<QByteArray>> adapterAddresses() const override;
};
