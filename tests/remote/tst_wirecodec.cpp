#include "ByteReader.h"
#include "ByteWriter.h"
#include "RemoteError.h"
#include "TableCodec.h"
#include "WireCodec.h"

#include <QtTest>

namespace {

/// One column of every type, with a null in each and a text cell that was edited (so its
/// bytes are no longer stored in row order).
DataTable everyType()
{
    DataTable t;
    const FieldType types[] = {FieldType::Integer, FieldType::LargeInt, FieldType::Float,
                               FieldType::Currency, FieldType::Bcd,    FieldType::String,
                               FieldType::Memo,    FieldType::Date,    FieldType::DateTime,
                               FieldType::Boolean, FieldType::Blob};
    for (auto type : types)
        t.addColumn(DataColumn(fieldTypeName(type), type, type == FieldType::String ? 30 : 0));
    t.appendRow({-7, qlonglong(1) << 40, 1.25, 10.5, 0.1, QStringLiteral("Şanzıman"),
                 QStringLiteral("uzun\nmetin"), QDate(2026, 12, 11),
                 QDateTime(QDate(2026, 12, 11), QTime(9, 30)), true, QByteArray("\0\1", 2)});
    t.appendRow({});
    t.appendRow({3, 4, 5.5, 6.5, 7.5, QStringLiteral(""), QStringLiteral("x"), QDate(1899, 12, 30),
                 QDateTime(QDate(2000, 1, 1), QTime(0, 0)), false, QByteArray()});
    t.column(5).set(0, QStringLiteral("Debriyaj seti")); // edited: bytes appended at the end
    return t;
}

QByteArray encodeTable(const DataTable& t)
{
    QByteArray body;
    ByteWriter out(body);
    TableCodec::write(out, t);
    return body;
}

void expectProtocolError(const std::function<void()>& f)
{
    try {
        f();
        QFAIL("no protocol error");
    } catch (const RemoteError& e) {
        QCOMPARE(e.kind(), RemoteError::Kind::Protocol);
    }
}

} // namespace

class TestWireCodec : public QObject
{
    Q_OBJECT

private slots:
    void tableRoundTrip()
    {
        const DataTable t = everyType();
        const QByteArray body = encodeTable(t);
        ByteReader in(body);
        const DataTable back = TableCodec::read(in);
        QVERIFY(in.atEnd());
        QCOMPARE(back.columnCount(), t.columnCount());
        QCOMPARE(back.rowCount(), 3);
        for (int c = 0; c < t.columnCount(); ++c) {
            QCOMPARE(back.column(c).name(), t.column(c).name());
            QCOMPARE(back.column(c).type(), t.column(c).type());
            QCOMPARE(back.column(c).size(), t.column(c).size());
            for (int r = 0; r < 3; ++r) {
                QCOMPARE(back.column(c).isNull(r), t.column(c).isNull(r));
                QCOMPARE(back.column(c).valueAt(r), t.column(c).valueAt(r));
            }
        }
        QCOMPARE(back.column(5).stringAt(0), QStringLiteral("Debriyaj seti"));
        QVERIFY(back.column(0).isNull(1));
    }

    void callAndResultRoundTrip()
    {
        WireCodec::Call call{QStringLiteral("TServerMethods1.ResimVer5"),
                             {WireValue::int32(12), WireValue::out(WireTag::Int64)}};
        const auto decoded = WireCodec::decodeCall(WireCodec::encodeCall(call));
        QCOMPARE(decoded.command, call.command);
        QCOMPARE(decoded.params.size(), size_t(2));
        QCOMPARE(decoded.params[0].toInt32(), 12);
        QCOMPARE(decoded.params[1].outTag(), WireTag::Int64);

        WireCodec::Result result;
        result.values.emplace_back(1, WireValue::int64(2048));
        result.values.emplace_back(2, WireValue::stream(QByteArray(2000, 'x')));
        result.values.emplace_back(3, WireValue::dataPacket(everyType()));
        result.values.emplace_back(4, WireValue::record("{}"));
        result.values.emplace_back(5, WireValue::null());
        auto back = WireCodec::decodeResult(WireCodec::encodeResult(result)).values;
        QCOMPARE(back.size(), size_t(5));
        QCOMPARE(back[0].second.toInt64(), 2048);
        QCOMPARE(back[1].second.streamBytes().size(), 2000); // announced and delivered differ
        QCOMPARE(back[2].second.table().rowCount(), 3);
        QCOMPARE(back[3].second.recordJson(), QByteArray("{}"));
        QVERIFY(back[4].second.isNull());
    }

    void helloAndTexts()
    {
        const auto hello = WireCodec::decodeHello(WireCodec::encodeHello({1, "datasnap/"}));
        QCOMPARE(hello.version, 1);
        QCOMPARE(hello.context, QStringLiteral("datasnap/"));
        QCOMPARE(WireCodec::decodeText(WireCodec::encodeText("Hata: ürün yok")),
                 QStringLiteral("Hata: ürün yok"));
        expectProtocolError([] { WireCodec::decodeHello(QByteArray("HTTP/1.1 GET")); });
    }

    void everyTruncationIsRejected()
    {
        // Cutting a valid message anywhere must give a protocol error, never a crash or a
        // read outside the buffer.
        WireCodec::Result result;
        result.values.emplace_back(0, WireValue::dataPacket(everyType()));
        result.values.emplace_back(1, WireValue::string("metin"));
        const QByteArray body = WireCodec::encodeResult(result);
        for (int n = 0; n < body.size(); ++n)
            expectProtocolError([&] { WireCodec::decodeResult(body.left(n)); });
        expectProtocolError([&] { WireCodec::decodeResult(body + 'x'); });
    }

    void forgedTables_data()
    {
        QTest::addColumn<QByteArray>("body");
        QByteArray unknownType;
        ByteWriter w1(unknownType);
        w1.u16(1), w1.shortString("A"), w1.u8(99), w1.u32(0), w1.u32(0);
        QTest::newRow("unknown column type") << unknownType;

        QByteArray hugeRows;
        ByteWriter w2(hugeRows);
        w2.u16(1), w2.shortString("A"), w2.u8(1), w2.u32(0), w2.u32(0x7fffffff), w2.u8(0);
        QTest::newRow("row count larger than the data") << hugeRows;

        QByteArray badLengths;
        ByteWriter w3(badLengths);
        w3.u16(1), w3.shortString("A"), w3.u8(6), w3.u32(0), w3.u32(2), w3.u8(0);
        w3.u32(3), w3.u32(2), w3.u32(2), w3.bytes("abc"); // lengths add up to 4, not 3
        QTest::newRow("text lengths do not add up") << badLengths;

        QByteArray rowsWithoutColumns;
        ByteWriter w4(rowsWithoutColumns);
        w4.u16(0), w4.u32(5);
        QTest::newRow("rows without columns") << rowsWithoutColumns;

        QByteArray badNullFlag;
        ByteWriter w5(badNullFlag);
        w5.u16(1), w5.shortString("A"), w5.u8(1), w5.u32(0), w5.u32(1), w5.u8(2), w5.i32(0);
        QTest::newRow("bad null flag") << badNullFlag;
    }

    void forgedTables()
    {
        QFETCH(QByteArray, body);
        expectProtocolError([&] {
            ByteReader in(body);
            TableCodec::read(in);
        });
    }

    void frameHeaders_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<bool>("valid");
        auto h = [](std::uint32_t len, char kind, char flags) {
            QByteArray b(reinterpret_cast<const char*>(&len), 4);
            return b + kind + flags;
        };
        QTest::newRow("call") << h(10, 4, 0) << true;
        QTest::newRow("continued result") << h(WireCodec::MaxFrameBody, 5, 1) << true;
        QTest::newRow("unknown kind") << h(10, 9, 0) << false;
        QTest::newRow("kind zero") << h(10, 0, 0) << false;
        QTest::newRow("unknown flag") << h(10, 4, 2) << false;
        QTest::newRow("oversized") << h(WireCodec::MaxFrameBody + 1, 4, 0) << false;
    }

    void frameHeaders()
    {
        QFETCH(QByteArray, header);
        QFETCH(bool, valid);
        if (valid)
            WireCodec::parseFrameHeader(header.constData());
        else
            expectProtocolError([&] { WireCodec::parseFrameHeader(header.constData()); });
    }
};

QTEST_GUILESS_MAIN(TestWireCodec)
#include "tst_wirecodec.moc"
