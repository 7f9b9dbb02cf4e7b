#include "Database.h"
#include "DemoSeeder.h"
#include "ServerError.h"
#include "StockTable.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QString stockSql(const QString& condition)
{
    return QStringLiteral("SELECT %1 FROM STOK s %2 ORDER BY s.STOKNO")
        .arg(StockTable::selectList(), condition);
}

/// The first difference between two tables, or an empty text when they are equal.
QString difference(const DataTable& a, const DataTable& b)
{
    if (a.columnCount() != b.columnCount() || a.rowCount() != b.rowCount())
        return QStringLiteral("shape %1x%2 against %3x%4")
            .arg(a.rowCount()).arg(a.columnCount()).arg(b.rowCount()).arg(b.columnCount());
    for (int c = 0; c < a.columnCount(); ++c) {
        const DataColumn& x = a.column(c);
        const DataColumn& y = b.column(c);
        if (x.name() != y.name() || x.type() != y.type())
            return QStringLiteral("column %1: %2 against %3").arg(c).arg(x.name(), y.name());
        for (int r = 0; r < x.rowCount(); ++r) {
            if (x.isNull(r) != y.isNull(r) || x.valueAt(r) != y.valueAt(r))
                return QStringLiteral("%1, row %2: '%3' against '%4'")
                    .arg(x.name()).arg(r).arg(x.stringAt(r), y.stringAt(r));
        }
    }
    return {};
}

} // namespace

/// The stock lists are read through SQLite's own interface on SQLite and through QSqlQuery
/// on other databases; both must give the same table.
class tst_ServerReadPaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_settings.sqlitePath = m_dir.filePath(QStringLiteral("paths.db"));
        m_db = std::make_unique<Database>(m_settings, QStringLiteral("reader"));
        DemoSeeder(*m_db, 3000).run();
        // An item with every optional column empty, Turkish letters and a campaign flag
        // without a campaign price.
        m_db->exec(QStringLiteral(
            "INSERT INTO STOK (STOKNO, BARKOD, BARKODNO, FINISHKOD, ADI, BIRIM, KDV, LISTEFIYAT,"
            " KAMPFIYAT, YENI, KAMPANYA, DURUM, KALAN, ALINANSIPARIS, VERILENSIPARIS)"
            " VALUES (900001, '8690000999999', 900001, 'ÖZEL-1', 'ŞANZIMAN YAĞI çğıöşü', 'LT',"
            " 20, 0, 0, 1, 1, 0, 2.5, 0, 1)"));
    }

    void bothPathsGiveTheSameTable_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantList>("binds");
        QTest::newRow("whole catalogue") << stockSql({}) << QVariantList{};
        QTest::newRow("search by word prefix")
            << stockSql(QStringLiteral("WHERE s.STOKNO IN (SELECT k.STOKNO FROM STOK_KELIME k"
                                       " WHERE k.KELIME >= ? AND k.KELIME < ?)"))
            << QVariantList{QStringLiteral("BOSCH"), QStringLiteral("BOSCI")};
        QTest::newRow("campaign") << stockSql(QStringLiteral("WHERE s.KAMPANYA = 1"))
                                  << QVariantList{};
        QTest::newRow("nothing found") << stockSql(QStringLiteral("WHERE s.STOKNO < ?"))
                                       << QVariantList{0};
    }
    void bothPathsGiveTheSameTable()
    {
        QFETCH(QString, sql);
        QFETCH(QVariantList, binds);
        const struct { PriceMath::Rates rates; bool quantities; } customers[] = {
            {{30, 10, 5, 2}, true}, {{0, 0, 0, 0}, false}};
        for (const auto& customer : customers) {
            StockTable generic(customer.rates, customer.quantities);
            StockTable fast(customer.rates, customer.quantities);
            {
                SqlStatement rows = m_db->query(sql, binds);
                generic.read(rows);
            }
            {
                SqliteRows rows = m_db->sqliteQuery(sql, binds);
                fast.read(rows);
            }
            const DataTable a = generic.take();
            const DataTable b = fast.take();
            const QString diff = difference(a, b);
            QVERIFY2(diff.isEmpty(), qPrintable(diff));
            QCOMPARE(a.columnCount(), 39);
        }
    }

    void finishedReadLeavesNoOldSnapshot()
    {
        Database writer(m_settings, QStringLiteral("writer"));
        const QString price = QStringLiteral("SELECT LISTEFIYAT FROM STOK WHERE STOKNO = ?");
        {
            SqliteRows rows = m_db->sqliteQuery(price, {1});
            QVERIFY(rows.next());
        }
        writer.exec(QStringLiteral("UPDATE STOK SET LISTEFIYAT = 4321.5 WHERE STOKNO = 1"));
        SqlStatement after = m_db->query(price, {1});
        QVERIFY(after.next());
        QCOMPARE(after.toDouble(0), 4321.5);
    }

    void badStatementRaisesServerError()
    {
        QVERIFY_THROWS_EXCEPTION(ServerError,
                                 m_db->sqliteQuery(QStringLiteral("SELECT X FROM YOK")));
    }

    void cleanupTestCase() { m_db.reset(); }

private:
    QTemporaryDir m_dir;
    DatabaseSettings m_settings;
    std::unique_ptr<Database> m_db;
};

QTEST_MAIN(tst_ServerReadPaths)
#include "tst_ServerReadPaths.moc"
