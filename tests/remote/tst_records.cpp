#include "JsonRecordReader.h"
#include "JsonRecordWriter.h"
#include "RemoteError.h"
#include "TAcilisEkranlariki.h"
#include "TMobilCariBilgisi.h"
#include "TMobilSepet.h"
#include "TMobilStok.h"
#include "TSiparisDipAyrinti.h"
#include "TSonucBilgisi.h"
#include "TTusSonuclari.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

/// Field names of a record's wire form, in writing order.
static QStringList fieldOrder(const QByteArray& json)
{
    // QJsonObject sorts its keys, so read the order from the text itself.
    const int start = json.indexOf("\"fields\":{") + 10;
    QStringList names;
    int depth = 0;
    for (int i = start; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{' || c == '[')
            ++depth;
        else if (c == '}' || c == ']') {
            if (depth-- == 0)
                break;
        } else if (c == '"' && depth == 0) {
            const int end = json.indexOf('"', i + 1);
            if (json[end + 1] == ':')
                names << QString::fromUtf8(json.mid(i + 1, end - i - 1));
            i = end;
        }
    }
    return names;
}

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void sessionDefaults()
    {
        const TSonucBilgisi s;
        QCOMPARE(s.MusteriTipi(), 1);
        QCOMPARE(s.Version(), 1);
        QCOMPARE(s.Varmi(), false);
        QCOMPARE(s.CARINO(), 0);
        QCOMPARE(s.AKTIF(), 0);
        QVERIFY(s.ADI().isEmpty() && s.carikod().isEmpty() && s.BILGISAYARID().isEmpty());
    }

    void otherDefaults()
    {
        const TMobilStok stok;
        QCOMPARE(stok.Birim(), QStringLiteral("ADET"));
        QCOMPARE(stok.KDV(), 20.0);
        QCOMPARE(stok.Fiyat(), 0.0);
        QVERIFY(TMobilSepet() == TMobilSepet{});
        QCOMPARE(TMobilSepet().MIKTAR(), 0.0);
        QCOMPARE(TMobilCariBilgisi().TLBAKIYE(), 0.0);
        QCOMPARE(TTusSonuclari().Goruldu(), 0);
        QVERIFY(TAcilisEkran().Resim().isEmpty());
    }

    void kopyalaCopiesEveryField()
    {
        TSonucBilgisi source;
        source.SetBILGISAYARID(QStringLiteral("WS-1"));
        source.SetDisip(QStringLiteral("10.0.0.1"));
        source.SetVarmi(true);
        source.SetCARINO(42);
        source.SetMusteriTipi(3);
        source.SetVersion(9);
        source.Setcarikod(QStringLiteral("120.01"));
        TSonucBilgisi target;
        target.Kopyala(source);
        QVERIFY(target == source);
        target.SetCARINO(7); // a copy, not a shared object
        QCOMPARE(source.CARINO(), 42);
    }

    void sessionWireForm()
    {
        TSonucBilgisi s;
        s.SetCARINO(1205);
        s.SetADI(QStringLiteral("Ahmet Şahin"));
        s.SetVarmi(true);
        const QByteArray json = JsonRecordWriter::write(s);
        QVERIFY2(json.startsWith("{\"type\":\"baglantiu.TSonucBilgisi\",\"id\":1,\"fields\":{"),
                 json.constData());
        const QStringList expected{
            "FBILGISAYARID", "FSaticiMail", "FSirano", "FCariAdi", "FSIFRE", "FSaticiNo",
            "FCARINO", "FAKTIF", "FKullanicimail", "FADI", "FSaticiTelefon", "Fcarikod",
            "FVarmi", "FSaticiAdi", "FBilgiSayarAdi", "FDisip", "FIcip",
            "FBilgisayarKullanici", "FMusteriTipi", "FVersion"};
        QCOMPARE(fieldOrder(json), expected);
        const QJsonObject fields =
            QJsonDocument::fromJson(json).object().value("fields").toObject();
        QCOMPARE(fields.value("FCARINO").toInt(), 1205);
        QCOMPARE(fields.value("FVarmi"), QJsonValue(true));
        QCOMPARE(fields.value("FADI").toString(), QStringLiteral("Ahmet Şahin"));
        QCOMPARE(fields.value("FMusteriTipi").toInt(), 1);

        const auto back = JsonRecordReader::read<TSonucBilgisi>(json);
        QVERIFY(back && *back == s);
    }

    void containerIdsFollowWritingOrder_data()
    {
        QTest::addColumn<int>("screens");
        QTest::newRow("empty") << 0;
        QTest::newRow("two") << 2;
    }

    void containerIdsFollowWritingOrder()
    {
        QFETCH(int, screens);
        TAcilisEkranlariki container;
        std::vector<TAcilisEkran> list(screens);
        for (int i = 0; i < screens; ++i) {
            list[i].SetSiraNo(i + 10);
            list[i].SetResim(QStringLiteral("FFD8"));
        }
        container.SetEkranlar(list);
        const QByteArray json = JsonRecordWriter::write(container);
        const QJsonObject root = QJsonDocument::fromJson(json).object();
        QCOMPARE(root.value("type").toString(), QStringLiteral("mobilstokunit.TAcilisEkranlariki"));
        QCOMPARE(root.value("id").toInt(), 1);
        const QJsonArray array = root.value("fields").toObject().value("FEkranlar").toArray();
        QCOMPARE(array.size(), screens);
        for (int i = 0; i < screens; ++i) {
            const QJsonObject e = array[i].toObject();
            QCOMPARE(e.value("type").toString(), QStringLiteral("mobilstokunit.TAcilisEkran"));
            QCOMPARE(e.value("id").toInt(), i + 2);
            QCOMPARE(e.value("fields").toObject().value("FSiraNo").toInt(), i + 10);
        }
        const auto back = JsonRecordReader::read<TAcilisEkranlariki>(json);
        QVERIFY(back && *back == container);
    }

    void readingKeepsNameCase()
    {
        // "CARINO" without the F prefix and "FCarino" in another case are not the field.
        const QByteArray json = R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":
            {"CARINO":5,"FCarino":6,"Fcarikod":"K1","FCARIKOD":"K2"}})";
        const auto s = JsonRecordReader::read<TSonucBilgisi>(json);
        QVERIFY(s);
        QCOMPARE(s->CARINO(), 0);
        QCOMPARE(s->carikod(), QStringLiteral("K1"));
    }

    void absentRecordIsNull()
    {
        QVERIFY(!JsonRecordReader::read<TSiparisDipAyrinti>("null"));
    }

    void malformedRecordsAreRejected_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not json") << QByteArray("{\"type\":");
        QTest::newRow("other class")
            << QByteArray(R"({"type":"baglantiu.TTusSonuclari","id":1,"fields":{}})");
        QTest::newRow("no fields") << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1})");
        QTest::newRow("text for a number")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":"5"}})");
        QTest::newRow("fraction for an integer")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FCARINO":1.5}})");
        QTest::newRow("number for a boolean")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{"FVarmi":1}})");
        QTest::newRow("array element of another class")
            << QByteArray(R"({"type":"mobilstokunit.TAcilisEkranlariki","id":1,"fields":
                {"FEkranlar":[{"type":"baglantiu.TSonucBilgisi","id":2,"fields":{}}]}})");
        QTest::newRow("trailing garbage")
            << QByteArray(R"({"type":"baglantiu.TSonucBilgisi","id":1,"fields":{}} x)");
    }

    void malformedRecordsAreRejected()
    {
        QFETCH(QByteArray, json);
        const bool container = json.contains("TAcilisEkranlariki");
        try {
            if (container)
                JsonRecordReader::read<TAcilisEkranlariki>(json);
            else
                JsonRecordReader::read<TSonucBilgisi>(json);
            QFAIL("accepted a malformed record");
        } catch (const RemoteError& e) {
            QCOMPARE(e.kind(), RemoteError::Kind::Protocol);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
