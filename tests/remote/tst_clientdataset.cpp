#include "AppError.h"
#include "ClientDataSet.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

/// A cart-like set: SIRANO, ADI, TUTAR (Float), SEC, TARIH.
DataTable sampleTable()
{
    DataTable t;
    t.addColumn(DataColumn(QStringLiteral("SIRANO"), FieldType::Integer));
    t.addColumn(DataColumn(QStringLiteral("ADI"), FieldType::String, 40));
    t.addColumn(DataColumn(QStringLiteral("TUTAR"), FieldType::Float));
    t.addColumn(DataColumn(QStringLiteral("SEC"), FieldType::Integer));
    t.addColumn(DataColumn(QStringLiteral("TARIH"), FieldType::Date));
    t.appendRow({1, QStringLiteral("Fren balatası"), 1234.5, 0, QDate(2026, 3, 1)});
    t.appendRow({2, QStringLiteral("Yağ filtresi"), 99.9, 1, QDate(2026, 3, 2)});
    t.appendRow({3, QVariant(), QVariant(), 1, QVariant()});
    return t;
}

} // namespace

class TestClientDataSet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void closedAndEmpty()
    {
        ClientDataSet ds;
        QVERIFY(!ds.Active());
        QCOMPARE(ds.RecordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(AppError, ds.Open()); // nothing to open
        ds.SetData(sampleTable());
        QVERIFY(ds.Active());
        ds.EmptyDataSet();
        QVERIFY(ds.Active());
        QCOMPARE(ds.RecordCount(), 0);
        QCOMPARE(ds.FieldCount(), 5); // columns stay
        QVERIFY(ds.Eof());
        QCOMPARE(ds.RecNo(), 0);
    }

    void cursorWalk()
    {
        ClientDataSet ds;
        ds.SetData(sampleTable());
        QCOMPARE(ds.RecNo(), 1);
        QVERIFY(!ds.Eof());
        QStringList names;
        for (ds.First(); !ds.Eof(); ds.Next())
            names << ds.FieldByName(QStringLiteral("ADI")).AsString();
        QCOMPARE(names, QStringList({"Fren balatası", "Yağ filtresi", ""}));
        QCOMPARE(ds.RecNo(), 3); // Eof stays on the last record
        ds.Prior();
        QCOMPARE(ds.RecNo(), 2);
        ds.Last();
        QVERIFY(ds.Eof());
        ds.SetRecNo(1);
        QCOMPARE(ds.Fields(0).AsInteger(), 1);
    }

    void locate_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("recNo"); // 0 = not found, cursor unchanged
        QTest::newRow("integer") << "SIRANO" << QVariant(2) << 2;
        QTest::newRow("integer as text") << "SIRANO" << QVariant("3") << 3;
        QTest::newRow("text") << "ADI" << QVariant("Yağ filtresi") << 2;
        QTest::newRow("field name case") << "adi" << QVariant("Fren balatası") << 1;
        QTest::newRow("null") << "TUTAR" << QVariant() << 3;
        QTest::newRow("missing") << "ADI" << QVariant("Yok") << 0;
    }

    void locate()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(int, recNo);
        ClientDataSet ds;
        ds.SetData(sampleTable());
        ds.SetRecNo(2);
        QCOMPARE(ds.Locate(field, value), recNo != 0);
        QCOMPARE(ds.RecNo(), recNo == 0 ? 2 : recNo);
    }

    void missingFieldRaises()
    {
        ClientDataSet ds;
        ds.SetData(sampleTable());
        QVERIFY(!ds.FindField(QStringLiteral("IND1")));
        QVERIFY_THROWS_EXCEPTION(AppError, ds.FieldByName(QStringLiteral("IND1")));
    }

    void editPostAndCancel()
    {
        ClientDataSet ds;
        ds.SetData(sampleTable());
        QSignalSpy changed(&ds, &ClientDataSet::rowChanged);
        ds.SetRecNo(2);
        Field sec = ds.FieldByName(QStringLiteral("SEC"));
        QVERIFY_THROWS_EXCEPTION(AppError, sec.SetAsInteger(0)); // not in edit mode
        ds.Edit();
        sec.SetAsInteger(0);
        ds.FieldByName(QStringLiteral("ADI")).SetAsString(QStringLiteral("Hava filtresi"));
        QCOMPARE(sec.AsInteger(), 0); // the edit buffer is read back before Post
        QCOMPARE(changed.count(), 0);
        ds.Post();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 1);
        QCOMPARE(ds.value(1, 1).toString(), QStringLiteral("Hava filtresi"));

        ds.Edit();
        sec.SetAsInteger(5);
        ds.Cancel();
        QCOMPARE(sec.AsInteger(), 0);
    }

    void movingPostsPendingEdit()
    {
        ClientDataSet ds;
        ds.SetData(sampleTable());
        ds.Edit();
        ds.FieldByName(QStringLiteral("SEC")).SetAsInteger(7);
        ds.Next();
        QCOMPARE(ds.value(0, 3).toInt(), 7);
    }

    void appendAndDelete()
    {
        ClientDataSet ds;
        ds.SetData(sampleTable());
        QSignalSpy inserted(&ds, &ClientDataSet::rowInserted);
        QSignalSpy removed(&ds, &ClientDataSet::rowRemoved);
        ds.Append();
        ds.FieldByName(QStringLiteral("SIRANO")).SetAsInteger(4);
        ds.Post();
        QCOMPARE(ds.RecordCount(), 4);
        QCOMPARE(ds.RecNo(), 4);
        QVERIFY(ds.isNull(3, 1));
        QCOMPARE(inserted.count(), 1);
        ds.SetRecNo(1);
        ds.Delete();
        QCOMPARE(ds.RecordCount(), 3);
        QCOMPARE(ds.Fields(0).AsInteger(), 2);
        QCOMPARE(removed.count(), 1);
    }

    void disabledControlsHearOneReset()
    {
        ClientDataSet ds;
        ds.SetData(sampleTable());
        QSignalSpy reset(&ds, &ClientDataSet::reset);
        QSignalSpy changed(&ds, &ClientDataSet::rowChanged);
        ds.DisableControls();
        ds.DisableControls();
        ds.Edit();
        ds.Fields(3).SetAsInteger(0);
        ds.Post();
        ds.SetData(sampleTable());
        ds.EnableControls();
        QCOMPARE(reset.count(), 0); // still disabled once
        ds.EnableControls();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(changed.count(), 0);
        ds.EnableControls(); // unbalanced call is harmless
        QCOMPARE(reset.count(), 1);
    }

    void displayText_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("float without format") << 0 << 2 << "" << "1234,5";
        QTest::newRow("float with amount format") << 0 << 2 << "#,###,##0.00" << "1.234,50";
        QTest::newRow("null is empty") << 2 << 2 << "#,###,##0.00" << "";
        QTest::newRow("integer") << 0 << 0 << "" << "1";
        QTest::newRow("date") << 1 << 4 << "" << "2.03.2026";
    }

    void displayText()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, format);
        QFETCH(QString, text);
        ClientDataSet ds;
        ds.SetData(sampleTable());
        if (!format.isEmpty())
            ds.Fields(column).SetDisplayFormat(format);
        QCOMPARE(ds.displayText(row, column), text);
    }

    void typesAreKept()
    {
        DataTable t;
        for (auto type : {FieldType::Float, FieldType::Currency, FieldType::Bcd, FieldType::Memo,
                          FieldType::LargeInt, FieldType::Boolean, FieldType::Blob,
                          FieldType::DateTime})
            t.addColumn(DataColumn(fieldTypeName(type), type));
        t.appendRow({1.5, 2.5, 3.5, QStringLiteral("not"), qlonglong(1) << 40, true,
                     QByteArray("\xff\xd8", 2), QDateTime(QDate(2026, 1, 2), QTime(13, 30))});
        ClientDataSet ds;
        ds.SetData(t);
        QCOMPARE(ds.Fields(1).DataType(), FieldType::Currency);
        QCOMPARE(ds.Fields(2).DataType(), FieldType::Bcd);
        QCOMPARE(ds.Fields(4).AsLargeInt(), qlonglong(1) << 40);
        QCOMPARE(ds.Fields(5).AsBoolean(), true);
        QCOMPARE(ds.Fields(6).Value().toByteArray(), QByteArray("\xff\xd8", 2));
        QCOMPARE(ds.Fields(7).AsDateTime(), QDateTime(QDate(2026, 1, 2), QTime(13, 30)));
    }
};

QTEST_GUILESS_MAIN(TestClientDataSet)
#include "tst_clientdataset.moc"
