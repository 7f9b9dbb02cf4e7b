// The grid widget driven like a user: footer summaries under filters, header filter drop-
// downs, incremental search, weighted widths, grouping, detaching, double-click, pop-up
// menu, column customization and the cell kinds.
#include "DataGrid.h"
#include "DataSetModel.h"
#include "FilterValuesModel.h"
#include "GridFilterBar.h"
#include "GridFooter.h"
#include "GridHeader.h"
#include "GridProxy.h"
#include "GridRole.h"
#include "HeaderFilterPopup.h"
#include "TestPictures.h"
#include "TestTables.h"

#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

QList<GridColumn> stockColumns()
{
    return {
        {.fieldName = "ADI", .caption = "Açıklama", .Tag = 3},
        {.fieldName = "MARKA", .caption = "Marka", .Tag = 2},
        {.fieldName = "FIYAT", .caption = "Fiyat", .Tag = 1},
        {.fieldName = "MIKTAR", .caption = "Miktar", .Tag = 5, .visible = false},
        {.fieldName = "DURUM", .Tag = 1, .kind = CellKind::Icon, .imageIndexes = {{0, 4}, {1, 0}}},
        {.fieldName = "SEC",
         .caption = "Seç",
         .Tag = 0,
         .offered = false,
         .kind = CellKind::CheckBox,
         .incrementalSearch = false}};
}

/// Types text key by key, letters outside ASCII included.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

/// A double click as the window system delivers it: press, release, double click, release.
void doubleClick(QWidget* widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
}

} // namespace

class DataGridTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ClientDataSet> m_ds;
    std::unique_ptr<DataGrid> m_grid;

    QTableView* view() const { return m_grid->view(); }
    QPoint cellCentre(int sourceRow, int column) const
    {
        const int row = m_grid->proxy()->rowOfSource(sourceRow);
        return view()->visualRect(m_grid->proxy()->index(row, column)).center();
    }
    void focusCell(int sourceRow, const QString& key)
    {
        const int row = m_grid->proxy()->rowOfSource(sourceRow);
        view()->setCurrentIndex(m_grid->proxy()->index(row, m_grid->columnIndex(key)));
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        m_ds = TestTables::stock();
        m_grid = std::make_unique<DataGrid>();
        m_grid->setColumns(stockColumns());
        m_grid->setFooterSummaries({{"ADI", SummaryKind::Count},
                                    {"FIYAT", SummaryKind::Sum},
                                    {"MARKA", SummaryKind::Average}, // text: nothing to add
                                    {"MIKTAR", SummaryKind::Average}});
        m_grid->setDataSet(m_ds.get());
        m_grid->resize(630, 400);
        m_grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
    }

    void cleanup()
    {
        m_grid.reset();
        m_ds.reset();
    }

    void footerFollowsFilters_data()
    {
        QTest::addColumn<QStringList>("brands");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QString>("average");
        QTest::newRow("no filter") << QStringList() << "6"
                                   << "2.376,90"
                                   << "5,83";
        QTest::newRow("one brand") << QStringList{"MANN"} << "2"
                                   << "83,25"
                                   << "6";
        QTest::newRow("blank brand") << QStringList{""} << "1"
                                     << "1.250,75"
                                     << "2";
        QTest::newRow("two brands") << QStringList{"NGK", "BOSCH"} << "3"
                                    << "1.042,90"
                                    << "7";
        QTest::newRow("nothing left") << QStringList{"YOK"} << "0"
                                      << "0,00"
                                      << "";
    }

    void footerFollowsFilters()
    {
        QFETCH(QStringList, brands);
        QFETCH(QString, count);
        QFETCH(QString, sum);
        QFETCH(QString, average);
        if (!brands.isEmpty())
            m_grid->setColumnFilter("MARKA", brands);
        m_grid->setColumnVisible("MIKTAR", true);
        QCOMPARE(m_grid->footerText("ADI"), count);
        QCOMPARE(m_grid->footerText("FIYAT"), sum);
        QCOMPARE(m_grid->footerText("MIKTAR"), average);
        QCOMPARE(m_grid->footerText("MARKA"), QString()); // no numbers under a text column
        m_grid->setColumnVisible("MIKTAR", false);
        QCOMPARE(m_grid->footerText("MIKTAR"), QString()); // hidden column: nothing shown
    }

    void footerFollowsEdits()
    {
        m_ds->SetRecNo(1);
        m_ds->Edit();
        m_ds->FieldByName("FIYAT").SetAsFloat(0.5);
        m_ds->Post();
        QTRY_COMPARE(m_grid->footer()->texts().value(2), QStringLiteral("2.256,90"));
    }

    void headerFilterDropDown()
    {
        GridHeader* header = m_grid->header();
        const int marka = m_grid->columnIndex("MARKA");
        const QRect button = header->filterButtonRect(marka);
        QVERIFY(!button.isEmpty());
        QVERIFY(header->filterButtonRect(m_grid->columnIndex("SEC")).isValid());
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, button.center());
        HeaderFilterPopup* popup = m_grid->filterPopup();
        QVERIFY(popup->isVisible());
        QCOMPARE(m_grid->sortKey(), QString()); // the button does not sort
        FilterValuesModel* values = popup->valuesModel();
        QCOMPARE(values->values(), QStringList({"", "BOSCH", "MANN", "NGK"}));
        QCOMPARE(values->index(0).data().toString(), QStringLiteral("(Boş)"));
        values->setAllChecked(false);
        values->toggle(2);
        popup->accept();
        QVERIFY(!popup->isVisible());
        QCOMPARE(m_grid->rowCount(), 2);
        QVERIFY(m_grid->filterBar()->isVisible());
        QCOMPARE(m_grid->filterBar()->description(), QStringLiteral("Marka: MANN"));

        // Opening it again shows the current choice; checking everything removes the filter.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, button.center());
        QCOMPARE(values->checkedValues(), QSet<QString>({"MANN"}));
        values->setAllChecked(true);
        popup->accept();
        QVERIFY(!m_grid->isFiltered());
        QVERIFY(m_grid->filterBar()->isHidden());
    }

    void clearFilterButton()
    {
        m_grid->setColumnFilter("MARKA", {"BOSCH"});
        m_grid->setColumnFilter("MIKTAR", {"1", "4"});
        QCOMPARE(m_grid->rowCount(), 2);
        auto* clear = m_grid->filterBar()->findChild<QPushButton*>("clearFilterButton");
        QTest::mouseClick(clear, Qt::LeftButton);
        QCOMPARE(m_grid->rowCount(), 6);
        QVERIFY(!m_grid->isFiltered());
    }

    void incrementalSearch_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("focused");
        QTest::addColumn<QString>("kept");
        QTest::newRow("jumps to the match") << 0 << "ADI"
                                            << "h" << 2 << "h";
        QTest::newRow("ignores case") << 0 << "ADI"
                                      << "YA" << 1 << "YA";
        QTest::newRow("focused row first") << 0 << "ADI"
                                           << "fr" << 0 << "fr";
        QTest::newRow("Turkish upper case") << 0 << "ADI"
                                            << "hava fi" << 2 << "hava fi";
        QTest::newRow("Turkish letter") << 0 << "ADI"
                                        << "ç" << 3 << "ç";
        QTest::newRow("wraps to the top") << 4 << "ADI"
                                          << "fre" << 0 << "fre";
        QTest::newRow("no match stays") << 1 << "ADI"
                                        << "x" << 1 << "";
        QTest::newRow("rejects what does not fit") << 0 << "ADI"
                                                   << "hxa" << 2 << "ha";
        QTest::newRow("formatted number") << 0 << "FIYAT"
                                          << "1.2" << 4 << "1.2";
        QTest::newRow("excluded column") << 0 << "SEC"
                                         << "0" << 0 << "";
    }

    void incrementalSearch()
    {
        QFETCH(int, start);
        QFETCH(QString, column);
        QFETCH(QString, typed);
        QFETCH(int, focused);
        QFETCH(QString, kept);
        focusCell(start, column);
        typeText(view(), typed);
        QCOMPARE(m_grid->focusedRow(), focused);
        QCOMPARE(m_grid->focusedColumn(), column);
        QCOMPARE(m_grid->searchText(), kept);
    }

    void incrementalSearchRestartsAfterMoving()
    {
        focusCell(0, "ADI");
        typeText(view(), "bu");
        QCOMPARE(m_grid->focusedRow(), 5);
        QTest::keyClick(view(), Qt::Key_Backspace);
        QCOMPARE(m_grid->searchText(), QStringLiteral("b"));
        QTest::keyClick(view(), Qt::Key_Up);
        QCOMPARE(m_grid->searchText(), QString());
        typeText(view(), "f");
        QCOMPARE(m_grid->focusedRow(), 0);
    }

    void weightedWidths_data()
    {
        QTest::addColumn<int>("gridWidth");
        QTest::addColumn<QList<int>>("widths"); // ADI, MARKA, FIYAT, DURUM
        // Visible weights 3, 2, 1, 1 (SEC weighs 0; MIKTAR is hidden).
        QTest::newRow("even unit") << 730 << QList<int>{300, 200, 100, 100};
        QTest::newRow("unit truncated") << 449 << QList<int>{177, 118, 59, 59};
    }

    void weightedWidths()
    {
        QFETCH(int, gridWidth);
        QFETCH(QList<int>, widths);
        m_grid->resize(gridWidth, 300);
        m_grid->applyWeightedWidths();
        const QStringList keys{"ADI", "MARKA", "FIYAT", "DURUM"};
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(m_grid->columnWidth(keys[i]), widths[i]);
        QCOMPARE(m_grid->columnWidth("MIKTAR"),
                 m_grid->view()->horizontalHeader()->sectionSize(3)); // untouched
    }

    void bestFitWhenWeightsAddUpToZero_data()
    {
        QTest::addColumn<bool>("zeroWeights");
        QTest::addColumn<int>("referenceWidth");
        QTest::newRow("weights 0") << true << 1400;
        QTest::newRow("1152 pixels") << false << 1152;
    }

    void bestFitWhenWeightsAddUpToZero()
    {
        QFETCH(bool, zeroWeights);
        QFETCH(int, referenceWidth);
        if (zeroWeights) {
            QList<GridColumn> columns = stockColumns();
            for (GridColumn& c : columns)
                c.Tag = 0;
            m_grid->setColumns(columns);
        }
        for (int c : m_grid->visibleColumns())
            m_grid->view()->horizontalHeader()->resizeSection(c, 1);
        m_grid->applyWidthRule(referenceWidth);
        QHeaderView* header = m_grid->view()->horizontalHeader();
        QList<int> ruled;
        for (int c : m_grid->visibleColumns()) {
            ruled << header->sectionSize(c);
            header->resizeSection(c, 1);
            m_grid->view()->resizeColumnToContents(c);
            QCOMPARE(ruled.back(), header->sectionSize(c));
        }
        QVERIFY(m_grid->columnWidth("ADI") > m_grid->columnWidth("SEC"));
    }

    void wideScreenUsesWeights()
    {
        m_grid->resize(730, 300);
        m_grid->applyWidthRule(1153);
        QCOMPARE(m_grid->columnWidth("ADI"), 300);
    }

    void sortsByHeaderClickUnlessForbidden()
    {
        GridHeader* header = m_grid->header();
        const int adi = m_grid->columnIndex("ADI");
        const QPoint caption(header->sectionViewportPosition(adi) + 10, header->height() / 2);
        focusCell(5, "ADI");
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, caption);
        QCOMPARE(m_grid->sortKey(), QStringLiteral("ADI"));
        QCOMPARE(m_grid->orderedRows().front(), 4); // "amortisör"
        QCOMPARE(m_grid->focusedRow(), 5);          // focus stays on its row
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, caption);
        QCOMPARE(m_grid->sortOrder(), Qt::DescendingOrder);
        m_grid->clearSort();
        m_grid->setSortingAllowed(false);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, caption);
        QCOMPARE(m_grid->sortKey(), QString());
    }

    void doubleClickReportsRowAndColumn()
    {
        m_grid->sortBy("FIYAT", Qt::DescendingOrder);
        QSignalSpy spy(m_grid.get(), &DataGrid::doubleClicked);
        doubleClick(view()->viewport(), cellCentre(3, 1));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy[0][0].toInt(), 3);
        QCOMPARE(spy[0][1].toString(), QStringLiteral("MARKA"));
        QCOMPARE(m_grid->focusedRow(), 3);
        QCOMPARE(m_grid->focusedValues().text("ADI"), QStringLiteral("Çamurluk"));
    }

    void detachedGridShowsNothingAndTakesNoClicks()
    {
        m_grid->sortBy("ADI");
        QSignalSpy clicks(m_grid.get(), &DataGrid::doubleClicked);
        const QPoint cell = cellCentre(0, 0);
        m_grid->detachDataSet();
        QCOMPARE(view()->model()->rowCount(), 0);
        QCOMPARE(m_grid->focusedRow(), -1);
        doubleClick(view()->viewport(), cell);
        typeText(view(), "b");
        QCOMPARE(clicks.size(), 0);
        QCOMPARE(m_grid->footerText("ADI"), QStringLiteral("0"));

        m_ds->EmptyDataSet(); // a background fill while detached
        m_ds->Append();
        m_ds->FieldByName("ADI").SetAsString("Yeni");
        m_ds->Post();
        m_grid->attachDataSet();
        QCOMPARE(m_grid->rowCount(), 1);
        QCOMPARE(m_grid->sortKey(), QStringLiteral("ADI"));
        QCOMPARE(m_grid->focusedRow(), 0);
    }

    void disabledGridTakesNoDoubleClick()
    {
        QSignalSpy clicks(m_grid.get(), &DataGrid::doubleClicked);
        m_grid->setEnabled(false);
        doubleClick(view()->viewport(), cellCentre(1, 0));
        QCOMPARE(clicks.size(), 0);
    }

    void beginEndUpdateNests()
    {
        m_grid->beginUpdate();
        m_grid->beginUpdate();
        m_grid->endUpdate();
        QVERIFY(!view()->updatesEnabled());
        m_grid->endUpdate();
        QVERIFY(view()->updatesEnabled());
        m_grid->endUpdate(); // unbalanced end: harmless
        QVERIFY(view()->updatesEnabled());
    }

    void popupMenuFocusesTheRowUnderTheMouse()
    {
        QMenu menu;
        menu.addAction("Sepete Ekle");
        m_grid->setPopupMenu(&menu);
        const QPoint at = cellCentre(2, 1);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view()->viewport(), &event);
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(m_grid->focusedRow(), 2);
        QCOMPARE(m_grid->focusedColumn(), QStringLiteral("MARKA"));
        menu.close();
    }

    void columnCustomizationListsOfferedColumns()
    {
        QMenu* menu = m_grid->columnCustomizationMenu();
        QStringList captions;
        for (QAction* a : menu->actions())
            captions << a->text() + (a->isChecked() ? "+" : "-");
        QCOMPARE(captions, QStringList({"Açıklama+", "Marka+", "Fiyat+", "Miktar-", "DURUM+"}));
        QSignalSpy changed(m_grid.get(), &DataGrid::columnVisibilityChanged);
        menu->actions()[3]->trigger();
        QVERIFY(m_grid->isColumnVisible("MIKTAR"));
        QCOMPARE(changed.size(), 1);
        m_grid->setColumnOffered("DURUM", false);
        QCOMPARE(m_grid->columnCustomizationMenu()->actions().size(), 4);
    }

    void groupsCollapseAndExpand()
    {
        m_grid->setGroupColumn("MARKA");
        m_grid->setGroupSummaries({{"FIYAT", SummaryKind::Sum}, {"ADI", SummaryKind::Count}});
        QVERIFY(!m_grid->isColumnVisible("MARKA"));
        QCOMPARE(m_grid->groupCount(), 4);
        m_grid->collapseAll();
        QCOMPARE(view()->model()->rowCount(), 8);
        QCOMPARE(m_grid->rowCount(), 6); // footers still count every row
        QCOMPARE(m_grid->footerText("FIYAT"), QStringLiteral("2.376,90"));
        GridProxy* proxy = m_grid->proxy();
        const int header = proxy->rowOfGroup(2); // MANN
        QCOMPARE(view()->columnSpan(header, 0), view()->model()->columnCount());
        QCOMPARE(proxy->index(header + 1, 2).data().toString(), QStringLiteral("83,25"));
        const QRect mark = view()->visualRect(proxy->index(header, 0));
        QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, mark.topLeft() + QPoint(5, 5));
        QVERIFY(m_grid->isGroupExpanded(2));
        QCOMPARE(view()->model()->rowCount(), 10);
        QTest::keyClick(view(), Qt::Key_Left);
        QVERIFY(!m_grid->isGroupExpanded(2));
        m_grid->expandAll();
        QCOMPARE(view()->model()->rowCount(), 14);
        m_grid->setGroupColumn(QString());
        QVERIFY(m_grid->isColumnVisible("MARKA"));
        QCOMPARE(view()->model()->rowCount(), 6);
    }

    void customDrawGetsTheRowsOwnValues()
    {
        QList<GridColumn> columns = stockColumns();
        columns << GridColumn{.caption = "Fiyat Bilgisi", .kind = CellKind::Custom};
        m_grid->setColumns(columns);
        m_grid->sortBy("FIYAT", Qt::AscendingOrder);
        QStringList seen;
        m_grid->setCustomDraw("Fiyat Bilgisi", [&seen](CustomDrawCell& cell) {
            seen << QString("%1@%2%3")
                        .arg(cell.row.text("ADI"))
                        .arg(cell.position)
                        .arg(cell.selected ? "*" : "");
            QVERIFY(cell.style.background == (cell.selected       ? QColor(210, 240, 249)
                                              : cell.position % 2 ? Qt::white
                                                                  : QColor(239, 239, 239)));
            cell.painter->fillRect(cell.rect, Qt::red);
            cell.done = true;
        });
        focusCell(5, "ADI"); // Buji, the cheapest, first in order
        m_grid->grab();
        QVERIFY(seen.contains("Buji@0*"));
        QVERIFY(seen.contains("yağ filtresi@1"));
        const QImage shot = view()->viewport()->grab().toImage();
        const QRect cell = view()->visualRect(m_grid->proxy()->index(1, 6));
        QCOMPARE(shot.pixelColor(cell.center()), QColor(Qt::red));
    }

    void checkAndIconCells()
    {
        m_ds->SetRecNo(2);
        m_ds->Edit();
        m_ds->FieldByName("SEC").SetAsInteger(2);
        m_ds->FieldByName("DURUM").SetAsInteger(9);
        m_ds->Post();
        ImageList images;
        QPixmap green(16, 16);
        green.fill(Qt::green);
        images.set(0, green);
        m_grid->setImageList(images);
        const QAbstractItemModel* model = m_grid->model();
        auto cell = [model](int row, int column, int role) {
            return model->index(row, column).data(role);
        };
        QCOMPARE(cell(0, 5, Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QCOMPARE(cell(1, 5, Qt::CheckStateRole).toInt(), int(Qt::PartiallyChecked));
        QCOMPARE(cell(3, 5, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(cell(0, 4, Qt::DecorationRole).value<QPixmap>().toImage().pixelColor(1, 1),
                 QColor(Qt::green));
        QVERIFY(!cell(1, 4, Qt::DecorationRole).isValid()); // value 9: no icon
        QVERIFY(!cell(2, 4, Qt::DecorationRole).isValid()); // index 4: no picture in list
        QVERIFY(!cell(0, 5, Qt::DisplayRole).isValid());    // no text under a check box
    }

    void pictureCellsRecogniseTheFormat_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("shown");
        QTest::newRow("JPEG") << TestPictures::encoded("JPEG", {40, 30}) << true;
        QTest::newRow("PNG") << TestPictures::encoded("PNG", {40, 30}) << true;
        QTest::newRow("GIF") << TestPictures::encoded("GIF", {40, 30}) << true;
        QTest::newRow("BMP") << TestPictures::encoded("BMP", {40, 30}) << true;
        QTest::newRow("not a picture") << QByteArray("<html>yok</html>") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void pictureCellsRecogniseTheFormat()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, shown);
        auto ds = TestTables::make({DataColumn("RESIM", FieldType::Blob)}, {{bytes}});
        m_grid->setColumns({{.fieldName = "RESIM", .kind = CellKind::Picture}});
        m_grid->setRowHeight(60);
        m_grid->setDataSet(ds.get());
        const QImage picture = m_grid->model()->picture(0, 0);
        QCOMPARE(!picture.isNull(), shown);
        if (shown)
            QCOMPARE(picture.size(), QSize(40, 30));
        m_grid->grab(); // paints without trouble either way
        m_grid->setDataSet(nullptr);
    }
};

QTEST_MAIN(DataGridTest)
#include "tst_datagrid.moc"
