#include "GridExcelExport.h"

#include "AppError.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "DataSetModel.h"
#include "GridProxy.h"
#include "MessagePresenter.h"
#include "SaveFileChooser.h"
#include "SummaryCalculator.h"

#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableView>
#include <xlsxwriter.h>

namespace {

constexpr int maxTextLength = 32767; // Excel's limit for one cell
constexpr double pixelsPerCharacter = 7.0;

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw AppError(QStringLiteral("Excel dosyası kaydedilemedi: %1\r\n%2").arg(path, reason));
}

/// One worksheet written row after row (libxlsxwriter's constant-memory mode), with the
/// cell formats it needs created once.
class Sheet
{
public:
    explicit Sheet(const QString& path) : m_path(path)
    {
        lxw_workbook_options options{};
        options.constant_memory = 1;
        const QByteArray file = QFile::encodeName(path);
        m_book = workbook_new_opt(file.constData(), &options);
        if (!m_book)
            fail(path, QStringLiteral("Çalışma kitabı oluşturulamadı."));
        m_sheet = workbook_add_worksheet(m_book, "Sayfa1");
        m_bold = workbook_add_format(m_book);
        format_set_bold(m_bold);
    }
    ~Sheet()
    {
        if (m_book)
            lxw_workbook_free(m_book);
    }
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    int row() const { return m_row; }
    void nextRow() { ++m_row; }
    void setWidth(int column, int pixels)
    {
        worksheet_set_column(m_sheet, column, column, pixels / pixelsPerCharacter, nullptr);
    }
    void freezeHeader() { worksheet_freeze_panes(m_sheet, 1, 0); }

    void text(int column, const QString& value, bool bold = false)
    {
        const QByteArray utf8 = value.left(maxTextLength).toUtf8();
        check(worksheet_write_string(m_sheet, m_row, column, utf8.constData(),
                                     bold ? m_bold : nullptr));
    }
    void number(int column, double value, const QString& numberFormat, bool bold = false)
    {
        check(worksheet_write_number(m_sheet, m_row, column, value, format(numberFormat, bold)));
    }
    void boolean(int column, bool value)
    {
        check(worksheet_write_boolean(m_sheet, m_row, column, value, nullptr));
    }

    /// Writes the file; the sheet is unusable afterwards.
    void close()
    {
        const lxw_error error = workbook_close(m_book);
        m_book = nullptr;
        if (error != LXW_NO_ERROR) {
            QFile::remove(m_path);
            fail(m_path, QString::fromUtf8(lxw_strerror(error)));
        }
    }

private:
    lxw_format* format(const QString& numberFormat, bool bold)
    {
        if (numberFormat.isEmpty())
            return bold ? m_bold : nullptr;
        const QString key = numberFormat + (bold ? QStringLiteral("|b") : QString());
        lxw_format*& f = m_formats[key];
        if (!f) {
            f = workbook_add_format(m_book);
            format_set_num_format(f, numberFormat.toUtf8().constData());
            if (bold)
                format_set_bold(f);
        }
        return f;
    }
    void check(lxw_error error) const
    {
        if (error != LXW_NO_ERROR)
            fail(m_path, QString::fromUtf8(lxw_strerror(error)));
    }

    QString m_path;
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
    lxw_format* m_bold = nullptr;
    QHash<QString, lxw_format*> m_formats;
    int m_row = 0;
};

/// Writes the grid's rows into a sheet.
class GridWriter
{
public:
    GridWriter(const DataGrid& grid, Sheet& sheet)
        : m_grid(grid), m_model(*grid.model()), m_proxy(*grid.proxy()), m_sheet(sheet),
          m_columns(grid.visibleColumns())
    {
    }

    void header()
    {
        const QHeaderView* header = m_grid.view()->horizontalHeader();
        for (int i = 0; i < m_columns.size(); ++i) {
            m_sheet.text(i, m_model.column(m_columns[i]).headerText(), true);
            m_sheet.setWidth(i, header->sectionSize(m_columns[i]));
        }
        m_sheet.freezeHeader();
        m_sheet.nextRow();
    }

    void body()
    {
        const std::vector<int>& rows = m_proxy.orderedRows();
        if (m_proxy.groupColumn() < 0) {
            for (int row : rows)
                dataRow(row);
            return;
        }
        for (int g = 0; g < m_proxy.groupCount(); ++g) {
            const GridProxy::Group& group = m_proxy.group(g);
            const QString caption = m_model.column(m_proxy.groupColumn()).headerText();
            m_sheet.text(0, caption + QStringLiteral(" : ") + group.text, true);
            m_sheet.nextRow();
            for (int i = group.begin; i < group.end; ++i)
                dataRow(rows[i]);
            const std::span<const int> members(rows.data() + group.begin, group.end - group.begin);
            summaryRow(m_proxy.groupSummaries(), members);
        }
    }

    void footer()
    {
        if (m_grid.isFooterVisible())
            summaryRow(m_grid.footerSummaries(), m_proxy.orderedRows());
    }

private:
    void dataRow(int row)
    {
        for (int i = 0; i < m_columns.size(); ++i)
            cell(i, row, m_columns[i]);
        m_sheet.nextRow();
    }

    void cell(int at, int row, int column)
    {
        const int field = m_model.fieldOf(column);
        const ClientDataSet& ds = *m_model.dataSet();
        if (field < 0 || ds.isNull(row, field))
            return;
        const DataColumn& data = ds.Data().column(field);
        switch (data.type()) {
        case FieldType::String:
        case FieldType::Memo:
            m_sheet.text(at, data.stringAt(row));
            break;
        case FieldType::Boolean:
            m_sheet.boolean(at, data.boolAt(row));
            break;
        case FieldType::Blob:
            break; // pictures and raw bytes stay out of the sheet
        case FieldType::Date:
            m_sheet.number(at, data.doubleAt(row), QStringLiteral("dd.mm.yyyy"));
            break;
        case FieldType::DateTime:
            m_sheet.number(at, data.doubleAt(row), QStringLiteral("dd.mm.yyyy hh:mm"));
            break;
        case FieldType::Currency:
        case FieldType::Integer:
        case FieldType::LargeInt:
        case FieldType::Float:
        case FieldType::Bcd:
            m_sheet.number(at, data.numberAt(row), numberFormat(field));
            break;
        }
    }

    QString numberFormat(int field) const
    {
        const QString pattern = m_model.dataSet()->DisplayFormat(field);
        if (pattern.isEmpty() &&
            m_model.dataSet()->Data().column(field).type() == FieldType::Currency)
            return QStringLiteral("#,##0.00");
        return pattern;
    }

    void summaryRow(const QList<GridSummary>& summaries, std::span<const int> rows)
    {
        if (summaries.isEmpty())
            return;
        for (int i = 0; i < m_columns.size(); ++i)
            summaryCell(i, summaries, rows);
        m_sheet.nextRow();
    }

    void summaryCell(int at, const QList<GridSummary>& summaries, std::span<const int> rows)
    {
        const int column = m_columns[at];
        QList<GridSummary> here;
        for (const GridSummary& s : summaries) {
            if (m_model.columnIndex(s.column) == column)
                here << s;
        }
        if (here.size() > 1) {
            QStringList texts;
            for (const GridSummary& s : here)
                texts << SummaryCalculator::text(m_model, column, s.kind, rows);
            m_sheet.text(at, texts.join(QLatin1Char('\n')), true);
            return;
        }
        if (here.isEmpty())
            return;
        const auto value = SummaryCalculator::value(m_model, column, here.front().kind, rows);
        const int field = m_model.fieldOf(column);
        const QString format =
            here.front().kind == SummaryKind::Count || field < 0 ? QString() : numberFormat(field);
        if (value)
            m_sheet.number(at, *value, format, true);
    }

    const DataGrid& m_grid;
    const DataSetModel& m_model;
    const GridProxy& m_proxy;
    Sheet& m_sheet;
    QList<int> m_columns;
};

} // namespace

void GridExcelExport::write(const DataGrid& grid, const QString& path)
{
    const std::size_t rows = grid.proxy()->orderedRows().size() + 2 * grid.groupCount() + 2;
    if (rows >= LXW_ROW_MAX)
        fail(path, QStringLiteral("Satır sayısı Excel'in sınırını aşıyor."));
    if (!grid.model()->dataSet())
        fail(path, QStringLiteral("Tabloda gösterilen veri yok."));
    Sheet sheet(path);
    GridWriter writer(grid, sheet);
    writer.header();
    writer.body();
    writer.footer();
    sheet.close();
}

bool GridExcelExport::saveWithDialog(const DataGrid& grid, QWidget* parent)
{
    const QString chosen = SaveFileChooser::current().chooseSaveFile(parent, filter, suffix);
    if (chosen.isEmpty())
        return false;
    try {
        write(grid, withXlsxSuffix(chosen));
        return true;
    } catch (const AppError& e) {
        MessagePresenter::error(e.text());
        return false;
    }
}

QString GridExcelExport::withXlsxSuffix(const QString& path)
{
    const QString ext = QFileInfo(path).suffix();
    if (ext.compare(suffix, Qt::CaseInsensitive) == 0)
        return path;
    if (ext.compare(QLatin1String("xls"), Qt::CaseInsensitive) == 0)
        return path + QLatin1Char('x');
    return path + QLatin1Char('.') + suffix;
}
