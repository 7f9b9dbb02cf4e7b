#pragma once

#include <QString>
#include <QStringList>

// The workstation's identity and names as the session record carries them. Every function
// asks the installed WorkstationSources anew on each call; nothing is cached.

/// The computer's NetBIOS-style name: the host name's first label in upper case, empty
/// when longer than 15 characters or unavailable.
QString BilgisayarAdiAl();
/// The user running the program; empty when longer than 15 characters or unavailable.
QString KullaniciAdiAl();
/// The local IPv4 address as dotted text; "127.0.0.1" when the host name resolves to none.
QString YerelIpAl();
/// The serial number of the first physical disk in upper case (the last answer row); empty
/// when there is no row. Raises AppError when the disk query fails.
QString DiskSeriNoAl();
/// The first non-zero adapter address, six bytes as "XX-XX-XX-XX-XX-XX". Adapters are tried
/// in order while the result is all zeros; a failed query before any address ends the
/// search with an empty result.
QString MacAdresiAl();

/// Installations whose disk serial is replaced by a fixed identifier.
struct IdAliases
{
    QStringList serials;
    QString identifier;

    /// The table configured when the program was built (empty unless configured).
    static IdAliases configured();
    /// `identity` itself, or the identifier when it equals one of the serials.
    QString apply(const QString& identity) const;
};

/// The workstation identity: the disk serial, or the adapter address when the serial is
/// empty or unreadable, without any spaces, then mapped through the alias table. Empty when
/// both sources fail.
QString BilgisayarIdAl(const IdAliases& aliases = IdAliases::configured());
