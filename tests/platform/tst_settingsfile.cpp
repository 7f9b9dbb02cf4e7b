#include "AppError.h"
#include "IniFile.h"
#include "LoginSettings.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(LoginSettings)

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_path = m_dir->filePath(QStringLiteral("ayar.ini"));
    }

    void missingFile() { QVERIFY(!LoginSettings::load(m_path)); }

    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("isim");
        QTest::addColumn<QString>("sifre");
        QTest::addColumn<bool>("hatirla");
        QTest::newRow("UTF-8, LF") << QByteArray("[kullanici]\nisim=AHMET\nsifre=ŞİFRE1\n"
                                                 "hatırla=1\n")
                                   << "AHMET" << QStringLiteral("ŞİFRE1") << true;
        QTest::newRow("not remembered") << QByteArray("[kullanici]\nisim=AHMET\nsifre=X\n"
                                                      "hatırla=0\n")
                                        << "AHMET"
                                        << "X" << false;
        QTest::newRow("CRLF with byte-order mark")
            << QByteArray("\xEF\xBB\xBF[kullanici]\r\nisim=AHMET\r\nsifre=GİZLİ\r\n"
                          "hatırla=0\r\n")
            << "AHMET" << QStringLiteral("GİZLİ") << false;
        QTest::newRow("Windows ANSI (1254)")
            << QByteArray("[kullanici]\r\nisim=\xD0\xDD\xDE\xC7\xD6\xDC\r\nsifre=\xFD\xFE\xF0\r\n"
                          "hat\xFDrla=0\r\n")
            << QStringLiteral("ĞİŞÇÖÜ") << QStringLiteral("ışğ") << false;
        QTest::newRow("UTF-16 with byte-order mark")
            << QByteArray("\xFF\xFE[\0k\0u\0l\0l\0a\0n\0i\0c\0i\0]\0\n\0i\0s\0i\0m\0=\0A\0", 38)
            << "A"
            << "" << true;
        QTest::newRow("keys missing") << QByteArray("[kullanici]\n") << ""
                                      << "" << true;
        QTest::newRow("other section only") << QByteArray("[baska]\nisim=X\nhatırla=0\n") << ""
                                            << "" << true;
        QTest::newRow("case, blanks and quotes")
            << QByteArray("[KULLANICI]\n  ISIM = \"AHMET \" \nSifre= 12 34 \nhatırla = 0\n")
            << "AHMET "
            << "12 34" << false;
        QTest::newRow("not a number counts as missing")
            << QByteArray("[kullanici]\nhatırla=evet\n") << ""
            << "" << true;
        QTest::newRow("comments and junk")
            << QByteArray("; eski ayarlar\n[kullanici]\n;isim=YANLIS\ngarbage\nisim=AHMET\n")
            << "AHMET"
            << "" << true;
    }

    void reading()
    {
        QFETCH(QByteArray, file);
        writeFile(m_path, file);
        const auto settings = LoginSettings::load(m_path);
        QVERIFY(settings);
        QTEST(settings->isim, "isim");
        QTEST(settings->sifre, "sifre");
        QTEST(settings->hatirla, "hatirla");
    }

    void writesAllKeysAsUtf8()
    {
        LoginSettings{QStringLiteral("AHMET"), QStringLiteral("ŞİFRE"), false}.save(m_path);
        const QByteArray bytes = readAll(m_path);
        QVERIFY2(bytes.contains("[kullanici]"), bytes);
        QVERIFY2(bytes.contains("isim=AHMET"), bytes);
        QVERIFY2(bytes.contains("sifre=\xC5\x9E\xC4\xB0\x46\x52\x45"), bytes);
        QVERIFY2(bytes.contains("hat\xC4\xB1rla=0"), bytes); // the key's own UTF-8 bytes
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        const auto back = LoginSettings::load(m_path);
        QVERIFY(back);
        QCOMPARE(back->isim, QStringLiteral("AHMET"));
        QCOMPARE(back->sifre, QStringLiteral("ŞİFRE"));
        QCOMPARE(back->hatirla, false);
    }

    void rewritingAnOldFileKeepsOtherContent()
    {
        writeFile(m_path, "; bayi ayarlari\r\n[genel]\r\ntema=Zircon\r\n[kullanici]\r\n"
                          "isim=ESKI\r\nhat\xFDrla=0\r\nnot=\xFE\r\n");
        LoginSettings{QStringLiteral("YENI"), QStringLiteral("123"), true}.save(m_path);
        const IniFile ini = IniFile::load(m_path);
        QCOMPARE(ini.value(QStringLiteral("genel"), QStringLiteral("tema")),
                 QStringLiteral("Zircon"));
        QCOMPARE(ini.value(QStringLiteral("kullanici"), QStringLiteral("not")),
                 QStringLiteral("ş"));
        QCOMPARE(ini.value(QStringLiteral("kullanici"), QStringLiteral("isim")),
                 QStringLiteral("YENI"));
        QCOMPARE(ini.value(QStringLiteral("kullanici"), QStringLiteral("sifre")),
                 QStringLiteral("123"));
        QVERIFY(readAll(m_path).startsWith("; bayi ayarlari\n"));
        // The old ANSI key is replaced, not written a second time beside the new one.
        QCOMPARE(readAll(m_path).count("rla="), 1);
        QVERIFY(LoginSettings::load(m_path)->hatirla);
    }

    void unwritableFileRaises()
    {
        const QString blocked = m_dir->filePath(QStringLiteral("klasor"));
        QVERIFY(QDir().mkpath(blocked + QStringLiteral("/ayar.ini")));
        QVERIFY_THROWS_EXCEPTION(
            AppError, (LoginSettings{QStringLiteral("A"), QStringLiteral("B"), true}.save(
                          blocked + QStringLiteral("/ayar.ini"))));
    }

    void defaultPathInSettingsFolder()
    {
        qputenv("XDG_CONFIG_HOME", m_dir->path().toUtf8());
        QCOMPARE(LoginSettings::defaultPath(),
                 m_dir->filePath(QStringLiteral("otokorvel/ayar.ini")));
        qunsetenv("XDG_CONFIG_HOME");
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
