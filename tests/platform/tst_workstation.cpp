#include "AppError.h"
#include "Folders.h"
#include "LinuxWorkstationSources.h"
#include "TestFiles.h"
#include "WorkstationIdentity.h"
#include "WorkstationSources.h"

#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QTemporaryDir>
#include <QtTest>

namespace {

/// Sources answering from fields; installed for its lifetime.
class FakeSources : public WorkstationSources
{
public:
    FakeSources() { install(this); }
    ~FakeSources() override { install(nullptr); }

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

/// Adapters written as hex addresses, "fail" for a failed status query.
QList<std::optional<QByteArray>> adapters(const QStringList& list)
{
    QList<std::optional<QByteArray>> result;
    for (const QString& a : list) {
        if (a == QLatin1String("fail"))
            result << std::nullopt;
        else
            result << QByteArray::fromHex(a.toLatin1());
    }
    return result;
}

const IdAliases TestAliases{{"S3ABCDEFGH12345", "WD0987654321XYZ"}, "100200300400"};

} // namespace

class TestWorkstation : public QObject
{
    Q_OBJECT

private slots:
    void identity_data()
    {
        QTest::addColumn<QStringList>("serials");
        QTest::addColumn<bool>("diskFails");
        QTest::addColumn<QStringList>("adapterList");
        QTest::addColumn<QString>("identity");
        const QStringList mac{"0a1b2c3d4e5f"};
        QTest::newRow("serial with outer and inner spaces")
            << QStringList{"  wd-wcc4 m1 23 "} << false << mac << "WD-WCC4M123";
        QTest::newRow("last answer row")
            << QStringList{"first", "second"} << false << mac << "SECOND";
        QTest::newRow("no row: adapter address")
            << QStringList{} << false << mac << "0A-1B-2C-3D-4E-5F";
        QTest::newRow("blank serial: adapter address")
            << QStringList{"   "} << false << mac << "0A-1B-2C-3D-4E-5F";
        QTest::newRow("disk query fails: adapter address")
            << QStringList{"X"} << true << mac << "0A-1B-2C-3D-4E-5F";
        QTest::newRow("first adapter all zero")
            << QStringList{} << false << QStringList{"000000000000", "02fc00000001"}
            << "02-FC-00-00-00-01";
        QTest::newRow("zero, failed query, real")
            << QStringList{} << false << QStringList{"000000000000", "fail", "a0b1c2d3e4f5"}
            << "A0-B1-C2-D3-E4-F5";
        QTest::newRow("first real address ends the search")
            << QStringList{} << false << QStringList{"111111111111", "222222222222"}
            << "11-11-11-11-11-11";
        QTest::newRow("failed first query ends the search")
            << QStringList{} << false << QStringList{"fail", "02fc00000001"} << "";
        QTest::newRow("only zero addresses")
            << QStringList{} << false << QStringList{"000000000000", "000000000000"}
            << "00-00-00-00-00-00";
        QTest::newRow("nothing at all") << QStringList{} << true << QStringList{} << "";
        QTest::newRow("alias serial")
            << QStringList{"S3ABCDEFGH12345"} << false << mac << "100200300400";
        QTest::newRow("second alias with spaces")
            << QStringList{" wd0987 654321xyz "} << false << mac << "100200300400";
        QTest::newRow("near alias unchanged")
            << QStringList{"S3ABCDEFGH1234"} << false << mac << "S3ABCDEFGH1234";
    }

    void identity()
    {
        QFETCH(QStringList, serials);
        QFETCH(bool, diskFails);
        QFETCH(QStringList, adapterList);
        FakeSources sources;
        sources.m_serials = serials;
        sources.m_diskFails = diskFails;
        sources.m_adapters = adapters(adapterList);
        QTEST(BilgisayarIdAl(TestAliases), "identity");
    }

    void diskSerialRaisesWhenQueryFails()
    {
        FakeSources sources;
        sources.m_diskFails = true;
        QVERIFY_THROWS_EXCEPTION(AppError, DiskSeriNoAl());
        sources.m_diskFails = false;
        QCOMPARE(DiskSeriNoAl(), QString()); // no row
    }

    void computedOnEveryCall()
    {
        FakeSources sources;
        sources.m_serials = {"ONE"};
        QCOMPARE(BilgisayarIdAl(), QStringLiteral("ONE"));
        sources.m_serials = {"TWO"};
        QCOMPARE(BilgisayarIdAl(), QStringLiteral("TWO"));
    }

    void unsetAliasTableChangesNothing()
    {
        // The build leaves the table empty unless an installation supplies it; empty
        // entries must not capture an empty identity.
        const IdAliases empty{{"", ""}, ""};
        QCOMPARE(empty.apply(QString()), QString());
        QCOMPARE(empty.apply(QStringLiteral("ABC")), QStringLiteral("ABC"));
        const IdAliases noSerials{{"", ""}, "100200300400"};
        QCOMPARE(noSerials.apply(QString()), QString());
    }

    void names_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("computerName");
        QTest::addColumn<QString>("userName");
        QTest::newRow("host with domain") << "bayi-pc.korvel.local"
                                          << "ahmet"
                                          << "BAYI-PC"
                                          << "ahmet";
        QTest::newRow("15 characters") << "abcdefghijklmno"
                                       << "abcdefghijklmno"
                                       << "ABCDEFGHIJKLMNO"
                                       << "abcdefghijklmno";
        QTest::newRow("16 characters") << "abcdefghijklmnop"
                                       << "abcdefghijklmnop"
                                       << ""
                                       << "";
        QTest::newRow("unavailable") << ""
                                     << ""
                                     << ""
                                     << "";
    }

    void names()
    {
        QFETCH(QString, host);
        QFETCH(QString, user);
        FakeSources sources;
        sources.m_computer = host;
        sources.m_user = user;
        QTEST(BilgisayarAdiAl(), "computerName");
        QTEST(KullaniciAdiAl(), "userName");
    }

    void localAddress()
    {
        FakeSources sources;
        QCOMPARE(YerelIpAl(), QStringLiteral("127.0.0.1")); // resolves to nothing
        sources.m_ip = QStringLiteral("192.168.1.20");
        QCOMPARE(YerelIpAl(), QStringLiteral("192.168.1.20"));
    }

    void linuxDiskChoiceAndSerial_data()
    {
        QTest::addColumn<QString>("layout"); // how the copied system folders look
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("udev serial of the first fixed disk") << "udev" << QStringList{"S3Z9NB0K"};
        QTest::newRow("sysfs device serial") << "device" << QStringList{"nvme-serial 01"};
        QTest::newRow("SCSI serial page") << "vpd" << QStringList{"ZA1B2C3D"};
        QTest::newRow("disk without serial") << "none" << QStringList{""};
        QTest::newRow("no physical disk") << "virtual" << QStringList{};
    }

    void linuxDiskChoiceAndSerial()
    {
        QFETCH(QString, layout);
        QTemporaryDir root;
        const QString sys = root.filePath(QStringLiteral("sys"));
        const QString udev = root.filePath(QStringLiteral("udev"));
        // Virtual and removable devices come first by name and must be passed over.
        writeFile(sys + "/block/loop0/dev", "7:0\n");
        writeFile(sys + "/block/zram0/dev", "252:0\n");
        writeFile(sys + "/block/sr0/device/type", "5\n");
        writeFile(sys + "/block/sr0/removable", "1\n");
        writeFile(udev + "/b11:0", "E:ID_SERIAL_SHORT=CDROM\n");
        writeFile(sys + "/block/sr0/dev", "11:0\n");
        if (layout != QLatin1String("virtual")) {
            writeFile(sys + "/block/sdb/device/serial", "SECONDDISK\n");
            writeFile(sys + "/block/sda/dev", "8:0\n");
            writeFile(sys + "/block/sda/removable", "0\n");
            writeFile(sys + "/block/sda/device/model", "disk\n");
        }
        if (layout == QLatin1String("udev"))
            writeFile(udev + "/b8:0", "S:disk/by-id/ata-X\nE:ID_SERIAL=X_S3Z9NB0K\n"
                                      "E:ID_SERIAL_SHORT=S3Z9NB0K\n");
        if (layout == QLatin1String("device"))
            writeFile(sys + "/block/sda/device/serial", "nvme-serial 01 \n");
        if (layout == QLatin1String("vpd"))
            writeFile(sys + "/block/sda/device/vpd_pg80",
                      QByteArray("\x00\x80\x00\x08ZA1B2C3D", 12));
        QTEST(LinuxWorkstationSources(sys, udev).diskSerialRows(), "rows");
    }

    void linuxAdaptersInIndexOrder()
    {
        QTemporaryDir root;
        const QString net = root.filePath(QStringLiteral("sys/class/net/"));
        writeFile(net + "eth0/ifindex", "4\n");
        writeFile(net + "eth0/address", "02:fc:00:00:00:01\n");
        writeFile(net + "lo/ifindex", "1\n");
        writeFile(net + "lo/address", "00:00:00:00:00:00\n");
        writeFile(net + "tun0/ifindex", "2\n");
        writeFile(net + "tun0/address", "\n");
        writeFile(net + "wlan0/ifindex", "3\n");
        writeFile(net + "wlan0/address", "a0:b1:c2:d3:e4:f5\n");
        const auto list =
            LinuxWorkstationSources(root.filePath(QStringLiteral("sys"))).adapterAddresses();
        QCOMPARE(list.size(), 4);
        QCOMPARE(list[0], std::optional(QByteArray(6, '\0')));
        QCOMPARE(list[1], std::nullopt); // no hardware address
        QCOMPARE(list[2], std::optional(QByteArray::fromHex("a0b1c2d3e4f5")));
        QCOMPARE(list[3], std::optional(QByteArray::fromHex("02fc00000001")));
    }

    void realSourcesRunHere()
    {
        // The system's own sources: whatever this machine is, the answers have their form.
        QVERIFY(BilgisayarAdiAl().size() <= 15);
        QVERIFY(BilgisayarAdiAl() == BilgisayarAdiAl().toUpper());
        QCOMPARE(QHostAddress(YerelIpAl()).protocol(), QAbstractSocket::IPv4Protocol);
        const QString mac = MacAdresiAl();
        QVERIFY2(mac.isEmpty() ||
                     QRegularExpression(QStringLiteral("^([0-9A-F]{2}-){5}[0-9A-F]{2}$"))
                         .match(mac)
                         .hasMatch(),
                 qPrintable(mac));
        QVERIFY(!BilgisayarIdAl().contains(QLatin1Char(' ')));
    }

    void settingsFolder()
    {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        const QString expected = config.filePath(QStringLiteral("otokorvel"));
        QVERIFY(!QFileInfo::exists(expected));
        QCOMPARE(AyarKlasoru(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(AyarKlasoru(), expected); // an existing folder is kept
        qunsetenv("XDG_CONFIG_HOME");
    }
};

QTEST_GUILESS_MAIN(TestWorkstation)
#include "tst_workstation.moc"
