#pragma once

#include "DataTable.h"
#include "Field.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <optional>

/// An in-memory table filled whole from a record set or a data packet, with a cursor,
/// record editing and display formats per column. Views watch it through its signals;
/// between DisableControls and the matching EnableControls they hear nothing, and a single
/// `reset` follows if anything changed meanwhile.
///
/// A data set belongs to one thread at a time: a worker may fill it while no view is
/// attached, and hands it back to the GUI thread in its completion.
class ClientDataSet : public QObject
{
    Q_OBJECT

public:
    enum class State { Inactive, Browse, Edit, Insert };

    explicit ClientDataSet(QObject* parent = nullptr);

    // Opening, closing and filling.
    bool Active() const { return m_state != State::Inactive; }
    State DataSetState() const { return m_state; }
    /// Opens the data set over its current columns (raises when it has none).
    void Open();
    /// Closes the data set and drops columns and rows.
    void Close();
    /// Creates empty columns and opens the data set.
    void CreateDataSet(const std::vector<DataColumn>& columns);
    /// Data-packet assignment: takes columns and rows from the packet and opens.
    void SetData(DataTable packet);
    /// Record-set copy: replaces the columns with the source's and appends all its rows.
    void CopyFrom(const DataTable& recordSet);
    /// Removes every row, keeping the columns.
    void EmptyDataSet();
    const DataTable& Data() const { return m_table; }

    // Columns.
    int FieldCount() const { return m_table.columnCount(); }
    Field Fields(int index);
    /// The column with this name; raises when there is none.
    Field FieldByName(const QString& name);
    std::optional<Field> FindField(const QString& name);
    int FieldIndex(const QString& name) const { return m_table.indexOf(name); }
    QStringList FieldNames() const;
    QString DisplayFormat(int column) const { return m_displayFormats.value(column); }
    void SetDisplayFormat(int column, const QString& format);

    // Cursor. RecNo counts from 1; it is 0 on an empty data set.
    int RecordCount() const { return Active() ? m_table.rowCount() : 0; }
    int RecNo() const { return RecordCount() == 0 ? 0 : m_row + 1; }
    void SetRecNo(int recNo);
    void First();
    void Next();
    void Prior();
    void Last();
    bool Eof() const { return m_eof; }
    bool Bof() const { return m_bof; }
    /// Moves to the first row whose column equals `value` (text compared exactly); returns
    /// whether one was found. The cursor stays where it was otherwise.
    bool Locate(const QString& fieldName, const QVariant& value);
    /// Row index of the cursor (from 0), -1 when there is no current row.
    int CurrentRow() const { return RecordCount() == 0 ? -1 : m_row; }

    // Editing the current record.
    void Edit();
    void Append();
    void Post();
    void Cancel();
    void Delete();

    // Notifications.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return m_disableCount > 0; }

    // Cell access by row, for views and summaries; independent of the cursor.
    QVariant value(int row, int column) const;
    bool isNull(int row, int column) const { return m_table.column(column).isNull(row); }
    /// The cell formatted for display with the column's display format.
    QString displayText(int row, int column) const;

    // Current-record access used by Field.
    QVariant currentValue(int column) const;
    void setCurrentValue(int column, const QVariant& value);

signals:
    /// Columns or rows were replaced, removed or re-enabled after changes: show anew.
    void reset();
    /// The cells of one row changed.
    void rowChanged(int row);
    /// A row was appended at `row`.
    void rowInserted(int row);
    /// The row at `row` was removed.
    void rowRemoved(int row);

private:
    void requireActive() const;
    void afterReplace();
    void notifyReset();
    void postPending();
    void setCursor(int row);

    DataTable m_table;
    QHash<int, QString> m_displayFormats;
    State m_state = State::Inactive;
    int m_row = 0;
    bool m_eof = true;
    bool m_bof = true;
    QHash<int, QVariant> m_editBuffer;
    int m_disableCount = 0;
    bool m_changedWhileDisabled = false;
};
