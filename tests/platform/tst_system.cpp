#include "AppConfig.h"
#include "Shell.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSystem : public QObject
{
    Q_OBJECT

private slots:
    void configuration_data()
    {
        QTest::addColumn<QByteArray>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("host") << QByteArray("OTOKORVEL_SERVER_HOST") << "b2b.example.com"
                              << "b2b.example.com";
        QTest::newRow("port") << QByteArray("OTOKORVEL_SERVER_PORT") << "19090"
                              << "19090";
        QTest::newRow("web base") << QByteArray("OTOKORVEL_WEB_BASE") << "http://web.test/b2b/"
                                  << "http://web.test/b2b/";
        QTest::newRow("web base without slash")
            << QByteArray("OTOKORVEL_WEB_BASE") << "http://web.test/b2b"
            << "http://web.test/b2b/";
        QTest::newRow("download base") << QByteArray("OTOKORVEL_DOWNLOAD_BASE") << "http://dl.test"
                                       << "http://dl.test/";
    }

    void configuration()
    {
        QFETCH(QByteArray, variable);
        QFETCH(QString, value);
        const auto read = [&variable] {
            if (variable == "OTOKORVEL_SERVER_HOST")
                return AppConfig::serverHost();
            if (variable == "OTOKORVEL_SERVER_PORT")
                return AppConfig::serverPort();
            if (variable == "OTOKORVEL_WEB_BASE")
                return AppConfig::webBase();
            return AppConfig::downloadBase();
        };
        qunsetenv(variable);
        const QString built = read();
        QVERIFY(!built.isEmpty());
        qputenv(variable, value.toUtf8());
        QTEST(read(), "expected");
        qputenv(variable, ""); // empty counts as unset
        QCOMPARE(read(), built);
        qunsetenv(variable);
    }

    void defaultPort()
    {
        qunsetenv("OTOKORVEL_SERVER_PORT");
        QCOMPARE(AppConfig::serverPort(), QStringLiteral("9090"));
    }

    void shellStartsProgramWithParameters()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("kurulum"));
        const QString out = dir.filePath(QStringLiteral("args"));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$@\" > \"$(dirname \"$0\")/args.tmp\" && "
                     "mv \"$(dirname \"$0\")/args.tmp\" \"$(dirname \"$0\")/args\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        QVERIFY(Shell::open(program, {QStringLiteral("/silent")}));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 10000);
        QFile args(out);
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll(), QByteArray("/silent\n"));
    }
};

QTEST_GUILESS_MAIN(TestSystem)
#include "tst_system.moc"
