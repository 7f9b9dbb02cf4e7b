#include "LinuxWorkstationSources.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QHostInfo>
#include <QSysInfo>
#include <algorithm>
#include <pwd.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString readText(const QString& path)
{
    return QString::fromUtf8(readFile(path)).trimmed();
}

/// Kernel names sort by length first, so sdz comes before sdaa and nvme2n1 before nvme10n1.
bool kernelNameOrder(const QString& a, const QString& b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

/// The unit serial number page of a SCSI disk: a four-byte header, its length in byte 3.
QString vpdSerial(const QByteArray& page)
{
    if (page.size() < 4)
        return {};
    const int length = static_cast<unsigned char>(page[3]);
    return QString::fromLatin1(page.mid(4, length));
}

/// "02:fc:00:00:00:01" → its bytes; nothing unless it holds at least six.
std::optional<QByteArray> hardwareAddress(const QString& text)
{
    QByteArray bytes;
    for (const QString& part : text.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (!ok || value > 0xFF)
            return std::nullopt;
        bytes.append(static_cast<char>(value));
    }
    if (bytes.size() < 6)
        return std::nullopt;
    return bytes.left(6);
}

} // namespace

LinuxWorkstationSources::LinuxWorkstationSources(QString sysRoot, QString udevData)
    : m_sysRoot(std::move(sysRoot)), m_udevData(std::move(udevData))
{
}

QString LinuxWorkstationSources::computerName() const
{
    return QSysInfo::machineHostName();
}

QString LinuxWorkstationSources::userName() const
{
    passwd entry{};
    passwd* found = nullptr;
    char buffer[4096];
    if (getpwuid_r(geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return qEnvironmentVariable("USER");
}

QString LinuxWorkstationSources::localIpv4() const
{
    const auto addresses = QHostInfo::fromName(QHostInfo::localHostName()).addresses();
    for (const QHostAddress& a : addresses) {
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a.toString();
    }
    return {};
}

QStringList LinuxWorkstationSources::diskSerialRows() const
{
    const QString disk = firstPhysicalDisk();
    if (disk.isEmpty())
        return {};
    return {diskSerial(disk)};
}

QString LinuxWorkstationSources::firstPhysicalDisk() const
{
    const QString blockRoot = m_sysRoot + QStringLiteral("/block/");
    QStringList names = QDir(blockRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(names.begin(), names.end(), kernelNameOrder);
    for (const QString& name : names) {
        const QString dir = blockRoot + name;
        // Loop, RAM and mapper devices have no device behind them; CD drives and USB
        // sticks are removable; multipath members are hidden.
        if (QFileInfo::exists(dir + QStringLiteral("/device")) &&
            readText(dir + QStringLiteral("/removable")) != QLatin1String("1") &&
            readText(dir + QStringLiteral("/hidden")) != QLatin1String("1"))
            return name;
    }
    return {};
}

QString LinuxWorkstationSources::diskSerial(const QString& disk) const
{
    const QString serial = udevSerial(disk);
    if (!serial.isEmpty())
        return serial;
    const QString dir = m_sysRoot + QStringLiteral("/block/") + disk;
    for (const char* file : {"/device/serial", "/serial"}) {
        const QString text = readText(dir + QLatin1String(file));
        if (!text.isEmpty())
            return text;
    }
    return vpdSerial(readFile(dir + QStringLiteral("/device/vpd_pg80")));
}

QString LinuxWorkstationSources::udevSerial(const QString& disk) const
{
    const QString device =
        readText(m_sysRoot + QStringLiteral("/block/") + disk + QStringLiteral("/dev"));
    if (device.isEmpty())
        return {};
    const QByteArray record = readFile(m_udevData + QStringLiteral("/b") + device);
    const QByteArray key = "E:ID_SERIAL_SHORT=";
    for (const QByteArray& line : record.split('\n')) {
        if (line.startsWith(key))
            return QString::fromUtf8(line.mid(key.size()));
    }
    return {};
}

QList<std::optional<QByteArray>> LinuxWorkstationSources::adapterAddresses() const
{
    const QString netRoot = m_sysRoot + QStringLiteral("/class/net/");
    struct Adapter
    {
        int index;
        QString name;
    };
    QList<Adapter> adapters;
    for (const QString& name : QDir(netRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        adapters.append({readText(netRoot + name + QStringLiteral("/ifindex")).toInt(), name});
    std::sort(adapters.begin(), adapters.end(),
              [](const Adapter& a, const Adapter& b) { return a.index < b.index; });

    QList<std::optional<QByteArray>> addresses;
    for (const Adapter& a : adapters)
        addresses.append(hardwareAddress(readText(netRoot + a.name + QStringLiteral("/address"))));
    return addresses;
}
