#pragma once

#include "AppError.h"
#include "WorkstationSources.h"

/// Workstation sources answering from fields; installed for their lifetime.
class FakeWorkstationSources : public WorkstationSources
{
public:
    FakeWorkstationSources() { install(this); }
    ~FakeWorkstationSources() override { install(nullptr); }

    QString computerName() const override { return m_computer; }
    QString userName() const override { return m_user; }
    QString localIpv4() const override { return m_ip; }
    QStringList diskSerialRows() const override
    {
        if (m_diskFails)
            throw AppError(QStringLiteral("Yönetim hizmetine bağlanılamadı"));
        return m_serials;
    }
    QList<std::optional<QByteArray>> adapterAddresses() const override { return m_adapters; }

    QString m_computer;
    QString m_user;
    QString m_ip;
    QStringList m_serials;
    bool m_diskFails = false;
    QList<std::optional<QByteArray>> m_adapters;
};
