// Excel export read back with python3-openpyxl: values and their types, hidden columns,
// filters, grouped rows with group footers, the footer, and the save dialog seam.
#include "DataGrid.h"
#include "GridExcelExport.h"
#include "SaveFileChooser.h"
#include "ScriptedPresenter.h"
#include "TestTables.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Prints every row of the first sheet as JSON: [type, value] per cell.
const char* readBack = R"(
import json, sys, datetime
import openpyxl
sheet = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
rows = []
for row in sheet.iter_rows():
    cells = []
    for c in row:
        v = c.value
        if v is None: cells.append(["-", None])
        elif isinstance(v, bool): cells.append(["b", v])
        elif isinstance(v, datetime.datetime): cells.append(["d", v.date().isoformat()])
        elif isinstance(v, (int, float)): cells.append(["n", v, c.number_format])
        else: cells.append(["s", v])
    rows.append(cells)
print(json.dumps({"rows": rows, "frozen": sheet.freeze_panes}))
)";

/// Answers the save dialog with a fixed path and remembers what it was asked.
class ChosenFile : public SaveFileChooser
{
public:
    explicit ChosenFile(QString path) : m_path(std::move(path)) { install(this); }
    ~ChosenFile() override { install(nullptr); }
    QString chooseSaveFile(QWidget*, const QString& filter, const QString& suffix) override
    {
        askedFilter = filter;
        askedSuffix = suffix;
        return m_path;
    }
    QString askedFilter;
    QString askedSuffix;

private:
    QString m_path;
};

} // namespace

class GridExportTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ClientDataSet> m_ds;
    std::unique_ptr<DataGrid> m_grid;
    QTemporaryDir m_dir;

    QString m_python;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    /// A python3 that has openpyxl: Debian's own first, then the one on the path.
    static QString pythonWithOpenpyxl()
    {
        const QStringList candidates{QStandardPaths::findExecutable("python3", {"/usr/bin"}),
                                     QStandardPaths::findExecutable("python3")};
        for (const QString& python : candidates) {
            if (python.isEmpty())
                continue;
            QProcess probe;
            probe.start(python, {"-c", "import openpyxl"});
            if (probe.waitForFinished(30000) && probe.exitCode() == 0)
                return python;
        }
        return {};
    }

    /// The sheet as rows of [type, value] cells; skips the test without python3-openpyxl.
    QJsonArray sheet(const QString& file)
    {
        QProcess process;
        process.start(m_python, {"-c", QString::fromUtf8(readBack), file});
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            return {};
        const QJsonDocument json = QJsonDocument::fromJson(process.readAllStandardOutput());
        return json["rows"].toArray();
    }

    static QString cell(const QJsonArray& rows, int row, int column)
    {
        const QJsonArray c = rows[row].toArray()[column].toArray();
        return c[0].toString() + ":" + c[1].toVariant().toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_python = pythonWithOpenpyxl();
        if (m_python.isEmpty())
            QSKIP("python3 with openpyxl (python3-openpyxl) is not installed");
    }

    void init()
    {
        m_ds = TestTables::make(
            {DataColumn("ADI", FieldType::String), DataColumn("FIYAT", FieldType::Float),
             DataColumn("MIKTAR", FieldType::Integer), DataColumn("TARIH", FieldType::Date),
             DataColumn("AKTIF", FieldType::Boolean), DataColumn("GIZLI", FieldType::String),
             DataColumn("RESIM", FieldType::Blob), DataColumn("KUR", FieldType::Currency)},
            {{"Buji", 22.4, 16, QDate(2024, 3, 5), true, "x", QByteArray("\x89PNG"), 1.5},
             {"Çamurluk", 900.0, 1, QDate(2023, 12, 31), false, "y", QVariant(), 2.0},
             {"Fren", 1234.5, 2, QVariant(), true, "z", QVariant(), QVariant()}});
        m_ds->SetDisplayFormat(1, "#,###,##0.00");
        m_grid = std::make_unique<DataGrid>();
        m_grid->setColumns({{.fieldName = "ADI", .caption = "Açıklama"},
                            {.fieldName = "FIYAT", .caption = "Fiyat"},
                            {.fieldName = "MIKTAR"},
                            {.fieldName = "TARIH", .caption = "Tarih"},
                            {.fieldName = "AKTIF"},
                            {.fieldName = "GIZLI", .visible = false},
                            {.fieldName = "RESIM", .kind = CellKind::Picture},
                            {.fieldName = "KUR"},
                            {.caption = "Fiyat Bilgisi", .kind = CellKind::Custom}});
        m_grid->setFooterSummaries({{"ADI", SummaryKind::Count}, {"FIYAT", SummaryKind::Sum}});
        m_grid->setDataSet(m_ds.get());
    }

    void cleanup()
    {
        m_grid.reset();
        m_ds.reset();
    }

    void valuesKeepTheirTypes()
    {
        m_grid->sortBy("FIYAT", Qt::DescendingOrder);
        GridExcelExport::write(*m_grid, path("tipler.xlsx"));
        const QJsonArray rows = sheet(path("tipler.xlsx"));
        QCOMPARE(rows.size(), 5); // header, three rows, footer
        QStringList header;
        for (const auto& c : rows[0].toArray())
            header << c.toArray()[1].toString();
        QCOMPARE(header, QStringList({"Açıklama", "Fiyat", "MIKTAR", "Tarih", "AKTIF", "RESIM",
                                      "KUR", "Fiyat Bilgisi"})); // no hidden column
        QCOMPARE(cell(rows, 1, 0), QStringLiteral("s:Fren"));
        QCOMPARE(cell(rows, 1, 1), QStringLiteral("n:1234.5"));
        QCOMPARE(rows[1].toArray()[1].toArray()[2].toString(), QStringLiteral("#,###,##0.00"));
        QCOMPARE(cell(rows, 1, 2), QStringLiteral("n:2"));
        QCOMPARE(cell(rows, 1, 3), QStringLiteral("-:")); // null date stays empty
        QCOMPARE(cell(rows, 2, 0), QStringLiteral("s:Çamurluk"));
        QCOMPARE(cell(rows, 2, 3), QStringLiteral("d:2023-12-31"));
        QCOMPARE(cell(rows, 2, 4), QStringLiteral("b:false"));
        QCOMPARE(cell(rows, 3, 5), QStringLiteral("-:")); // picture bytes not exported
        QCOMPARE(cell(rows, 3, 6), QStringLiteral("n:1.5"));
        QCOMPARE(cell(rows, 3, 7), QStringLiteral("-:"));  // drawn column has no value
        QCOMPARE(cell(rows, 4, 0), QStringLiteral("n:3")); // footer count
        QCOMPARE(cell(rows, 4, 1), QStringLiteral("n:2156.9"));
    }

    void followsFiltersAndGroupsExpanded()
    {
        m_ds->Append();
        m_ds->FieldByName("ADI").SetAsString("Buji");
        m_ds->FieldByName("FIYAT").SetAsFloat(10);
        m_ds->Post();
        m_grid->setColumnFilter("MIKTAR", {"16", "2", ""});
        m_grid->setGroupColumn("ADI");
        m_grid->setGroupSummaries({{"FIYAT", SummaryKind::Sum}, {"MIKTAR", SummaryKind::Count}});
        m_grid->collapseAll(); // exported expanded all the same
        GridExcelExport::write(*m_grid, path("gruplu.xlsx"));
        const QJsonArray rows = sheet(path("gruplu.xlsx"));
        // header; Buji group: header, 2 rows, footer; Fren group: header, row, footer; footer
        QCOMPARE(rows.size(), 9);
        QCOMPARE(cell(rows, 1, 0), QStringLiteral("s:Açıklama : Buji"));
        QCOMPARE(cell(rows, 2, 0), QStringLiteral("n:22.4")); // ADI is hidden while grouped
        QCOMPARE(cell(rows, 3, 0), QStringLiteral("n:10"));
        QCOMPARE(cell(rows, 4, 0), QStringLiteral("n:32.4"));
        QCOMPARE(cell(rows, 4, 1), QStringLiteral("n:2"));
        QCOMPARE(cell(rows, 5, 0), QStringLiteral("s:Açıklama : Fren"));
        QCOMPARE(cell(rows, 8, 0), QStringLiteral("n:1266.9"));
    }

    void saveDialogSeamAndExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("typed without extension") << "sepet"
                                                 << "sepet.xlsx";
        QTest::newRow("legacy extension") << "sepet.xls"
                                          << "sepet.xlsx";
        QTest::newRow("upper case") << "SEPET.XLSX"
                                    << "SEPET.XLSX";
        QTest::newRow("other dots") << "sepet.2024"
                                    << "sepet.2024.xlsx";
    }

    void saveDialogSeamAndExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        ChosenFile dialog(path(chosen));
        QVERIFY(GridExcelExport::saveWithDialog(*m_grid, nullptr));
        QCOMPARE(dialog.askedFilter, QStringLiteral("Excel|*.xls*"));
        QCOMPARE(dialog.askedSuffix, QStringLiteral("xlsx"));
        QVERIFY(QFile::exists(path(written)));
        QCOMPARE(sheet(path(written)).size(), 5);
    }

    void cancelledDialogWritesNothing()
    {
        ChosenFile dialog{QString()};
        QVERIFY(!GridExcelExport::saveWithDialog(*m_grid, nullptr));
    }

    void unwritablePathIsReported()
    {
        ScriptedPresenter presenter;
        ChosenFile dialog(path("yok/klasor/sepet.xlsx"));
        QVERIFY(!GridExcelExport::saveWithDialog(*m_grid, nullptr));
        QCOMPARE(presenter.count(ScriptedPresenter::Shown::Error), 1);
        QVERIFY(presenter.texts().front().startsWith("Excel dosyası kaydedilemedi: "));
    }

    void dialogFilterForm()
    {
        QCOMPARE(SaveFileChooser::nameFilters("Excel|*.xls*"), QStringLiteral("Excel (*.xls*)"));
        QCOMPARE(SaveFileChooser::nameFilters("PDF|*.pdf|Tümü|*.*"),
                 QStringLiteral("PDF (*.pdf);;Tümü (*.*)"));
    }
};

QTEST_MAIN(GridExportTest)
#include "tst_gridexport.moc"
