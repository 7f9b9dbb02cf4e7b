// Model adapter and sort/filter/group proxy: row mapping, data-set changes passed on
// correctly (checked by QAbstractItemModelTester), sorting, filters and groups.
#include "DataSetModel.h"
#include "GridProxy.h"
#include "GridRole.h"
#include "TestTables.h"

#include <QAbstractItemModelTester>
#include <QtTest>

class GridProxyTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ClientDataSet> m_ds;
    DataSetModel* m_model = nullptr;
    GridProxy* m_proxy = nullptr;

    QStringList column(int c) const
    {
        QStringList texts;
        for (int r = 0; r < m_proxy->rowCount(); ++r)
            texts << m_proxy->index(r, c).data().toString();
        return texts;
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        m_ds = TestTables::stock();
        m_model = new DataSetModel(this);
        m_model->setColumns({{"ADI"}, {"MARKA"}, {"FIYAT"}, {"MIKTAR"}, {"NOPE"}});
        m_model->setDataSet(m_ds.get());
        m_proxy = new GridProxy(this);
        m_proxy->setSourceModel(m_model);
        new QAbstractItemModelTester(
            m_model, QAbstractItemModelTester::FailureReportingMode::QtTest, m_model);
        new QAbstractItemModelTester(
            m_proxy, QAbstractItemModelTester::FailureReportingMode::QtTest, m_proxy);
    }

    void cleanup()
    {
        delete m_proxy;
        delete m_model;
        m_ds.reset();
    }

    void readsCellsThroughTheDataSet()
    {
        QCOMPARE(m_model->rowCount(), 6);
        QCOMPARE(m_model->index(0, 2).data().toString(), QStringLiteral("120,50"));
        QCOMPARE(m_model->index(0, 2).data(RawValueRole).toDouble(), 120.5);
        QVERIFY(m_model->index(0, 4).data().toString().isEmpty()); // field missing: empty cell
        QCOMPARE(m_model->headerData(4, Qt::Horizontal).toString(), QStringLiteral("NOPE"));
    }

    void followsEditsAppendsAndDeletes()
    {
        m_proxy->sort(2, Qt::AscendingOrder);
        m_ds->SetRecNo(2);
        m_ds->Edit();
        m_ds->FieldByName("ADI").SetAsString("YAĞ FİLTRESİ");
        m_ds->Post();
        QCOMPARE(m_proxy->index(m_proxy->rowOfSource(1), 0).data().toString(),
                 QStringLiteral("YAĞ FİLTRESİ"));
        m_ds->Append();
        m_ds->FieldByName("ADI").SetAsString("Kayış");
        m_ds->FieldByName("FIYAT").SetAsFloat(1.0);
        m_ds->Post();
        QCOMPARE(m_proxy->rowCount(), 7);
        QCOMPARE(m_proxy->sourceRow(6), 6); // appended rows come last until sorted again
        m_ds->SetRecNo(1);
        m_ds->Delete();
        QCOMPARE(m_proxy->rowCount(), 6);
        QVERIFY(!column(0).contains(QStringLiteral("FREN BALATASI")));
        QCOMPARE(m_proxy->rowOfSource(5), 5);
    }

    void deletingAFilteredOutRowKeepsTheGrid()
    {
        m_proxy->setColumnFilter(1, {QStringLiteral("MANN")});
        QCOMPARE(m_proxy->rowCount(), 2);
        m_ds->SetRecNo(1); // BOSCH, not shown
        m_ds->Delete();
        QCOMPARE(column(0), QStringList({"yağ filtresi", "HAVA FİLTRESİ"}));
    }

    void sorts_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("order");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("text, Turkish collation")
            << 0 << int(Qt::AscendingOrder)
            << QStringList{"amortisör",     "Buji",          "Çamurluk",
                           "FREN BALATASI", "HAVA FİLTRESİ", "yağ filtresi"};
        QTest::newRow("number descending")
            << 2 << int(Qt::DescendingOrder)
            << QStringList{"amortisör",     "Çamurluk",     "FREN BALATASI",
                           "HAVA FİLTRESİ", "yağ filtresi", "Buji"};
        QTest::newRow("null first, equal values stable")
            << 1 << int(Qt::AscendingOrder)
            << QStringList{"amortisör",    "FREN BALATASI", "Çamurluk",
                           "yağ filtresi", "HAVA FİLTRESİ", "Buji"};
        QTest::newRow("unbound column keeps order")
            << 4 << int(Qt::AscendingOrder)
            << QStringList{"FREN BALATASI", "yağ filtresi", "HAVA FİLTRESİ",
                           "Çamurluk",      "amortisör",    "Buji"};
    }

    void sorts()
    {
        QFETCH(int, column);
        QFETCH(int, order);
        QFETCH(QStringList, names);
        m_proxy->sort(column, Qt::SortOrder(order));
        QCOMPARE(this->column(0), names);
    }

    void filtersAndOffersValues()
    {
        QCOMPARE(m_proxy->filterValues(1), QStringList({"", "BOSCH", "MANN", "NGK"}));
        m_proxy->setColumnFilter(1, {QStringLiteral("BOSCH"), QString()});
        QCOMPARE(column(0), QStringList({"FREN BALATASI", "Çamurluk", "amortisör"}));
        // Another column's choices follow this filter; this column's own do not.
        QCOMPARE(m_proxy->filterValues(3), QStringList({"1", "2", "4"}));
        QCOMPARE(m_proxy->filterValues(1).size(), 4);
        m_proxy->setColumnFilter(3, {QStringLiteral("2")});
        QCOMPARE(column(0), QStringList({"amortisör"}));
        m_proxy->clearFilters();
        QCOMPARE(m_proxy->rowCount(), 6);
        QVERIFY(!m_proxy->isFiltered());
    }

    void filtersSurviveReload()
    {
        m_proxy->setColumnFilter(1, {QStringLiteral("MANN")});
        auto other = TestTables::stock();
        m_ds->SetData(other->Data());
        QCOMPARE(m_proxy->rowCount(), 2);
    }

    void groupsWithFootersAndCollapse()
    {
        m_proxy->setGroupColumn(1);
        m_proxy->setGroupSummaries({{"FIYAT", SummaryKind::Sum}, {"MIKTAR", SummaryKind::Count}});
        QCOMPARE(m_proxy->groupCount(), 4);
        QCOMPARE(m_proxy->group(1).text, QStringLiteral("BOSCH"));
        // Empty group, BOSCH (2 rows), MANN (2), NGK (1): header + rows + footer each.
        QCOMPARE(m_proxy->rowCount(), 4 * 2 + 6);
        const int bosch = m_proxy->rowOfGroup(1);
        QCOMPARE(m_proxy->rowKind(bosch), GridProxy::RowKind::GroupHeader);
        QCOMPARE(m_proxy->index(bosch, 0).data().toString(), QStringLiteral("MARKA : BOSCH"));
        QCOMPARE(m_proxy->rowKind(bosch + 3), GridProxy::RowKind::GroupFooter);
        QCOMPARE(m_proxy->index(bosch + 3, 2).data().toString(), QStringLiteral("1.020,50"));
        QCOMPARE(m_proxy->index(bosch + 3, 3).data().toString(), QStringLiteral("2"));
        QCOMPARE(m_proxy->groupOf(bosch + 2), 1);

        m_proxy->setAllGroupsExpanded(false);
        QCOMPARE(m_proxy->rowCount(), 8); // header and footer of every group stay
        QCOMPARE(m_proxy->rowOfSource(0), -1);
        QCOMPARE(m_proxy->orderedRows().size(), size_t(6));
        m_proxy->setGroupExpanded(2, true);
        QCOMPARE(m_proxy->rowCount(), 10);
        QCOMPARE(m_proxy->sourceRow(m_proxy->rowOfGroup(2) + 1), 1);
    }

    void groupedGridFollowsChanges()
    {
        m_proxy->setGroupColumn(1);
        m_proxy->setGroupSummaries({{"MIKTAR", SummaryKind::Sum}});
        m_ds->SetRecNo(6);
        m_ds->Edit();
        m_ds->FieldByName("MIKTAR").SetAsInteger(20);
        m_ds->Post();
        const int ngkFooter = m_proxy->rowOfGroup(3) + 2;
        QCOMPARE(m_proxy->index(ngkFooter, 3).data().toString(), QStringLiteral("20"));
        m_ds->SetRecNo(6);
        m_ds->Delete();
        QCOMPARE(m_proxy->groupCount(), 3);
        m_ds->Append();
        m_ds->FieldByName("MARKA").SetAsString("ZF");
        m_ds->Post();
        QCOMPARE(m_proxy->group(3).text, QStringLiteral("ZF"));
    }

    void detachedModelIsEmpty()
    {
        m_proxy->sort(0, Qt::AscendingOrder);
        m_model->setDataSet(nullptr);
        QCOMPARE(m_proxy->rowCount(), 0);
        QCOMPARE(m_proxy->filterValues(0), QStringList());
        m_model->setDataSet(m_ds.get());
        QCOMPARE(m_proxy->index(0, 0).data().toString(), QStringLiteral("amortisör"));
    }

    void dataSetReplacedWhileControlsDisabled()
    {
        m_ds->DisableControls();
        m_ds->EmptyDataSet();
        m_ds->Append();
        m_ds->FieldByName("ADI").SetAsString("Tek");
        m_ds->Post();
        QCOMPARE(m_proxy->rowCount(), 6); // nothing heard yet
        m_ds->EnableControls();
        QCOMPARE(column(0), QStringList({"Tek"}));
    }
};

QTEST_MAIN(GridProxyTest)
#include "tst_gridproxy.moc"
