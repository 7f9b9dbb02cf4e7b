#include "WorkstationIdentity.h"

#include "BuildConfig.h"
#include "WorkstationSources.h"

#include <exception>

namespace {

/// Longest computer and user name the system hands out (16 characters of room including
/// the terminating zero).
constexpr int MaxNameLength = 15;

QString limited(const QString& name)
{
    return name.size() > MaxNameLength ? QString() : name;
}

const QString ZeroAddress = QStringLiteral("00-00-00-00-00-00");

QString addressText(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.left(6).toHex('-').toUpper());
}

/// The value of `read`, trimmed; empty when it raises.
template <typename Read> QString trimmedOrEmpty(Read read)
{
    try {
        return read().trimmed();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

QString BilgisayarAdiAl()
{
    const QString host = WorkstationSources::current().computerName();
    return limited(host.section(QLatin1Char('.'), 0, 0).toUpper());
}

QString KullaniciAdiAl()
{
    return limited(WorkstationSources::current().userName());
}

QString YerelIpAl()
{
    const QString address = WorkstationSources::current().localIpv4();
    return address.isEmpty() ? QStringLiteral("127.0.0.1") : address;
}

QString DiskSeriNoAl()
{
    const QStringList rows = WorkstationSources::current().diskSerialRows();
    return rows.isEmpty() ? QString() : rows.last().toUpper();
}

QString MacAdresiAl()
{
    QString result;
    for (const auto& address : WorkstationSources::current().adapterAddresses()) {
        if (address)
            result = addressText(*address);
        if (result != ZeroAddress)
            break;
    }
    return result;
}

IdAliases IdAliases::configured()
{
    IdAliases aliases;
    for (const char* serial : {OTOKORVEL_BUILD_ID_ALIAS_SERIAL1, OTOKORVEL_BUILD_ID_ALIAS_SERIAL2})
        aliases.serials << QString::fromLatin1(serial);
    aliases.identifier = QString::fromLatin1(OTOKORVEL_BUILD_ID_ALIAS_ID);
    return aliases;
}

QString IdAliases::apply(const QString& identity) const
{
    // Unset table entries are empty and must never turn an empty identity into the alias.
    if (identity.isEmpty() || identifier.isEmpty() || !serials.contains(identity))
        return identity;
    return identifier;
}

QString BilgisayarIdAl(const IdAliases& aliases)
{
    QString identity = trimmedOrEmpty(DiskSeriNoAl);
    if (identity.isEmpty())
        identity = trimmedOrEmpty(MacAdresiAl);
    identity.remove(QLatin1Char(' '));
    return aliases.apply(identity);
}
