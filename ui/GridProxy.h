#pragma once

#include "GridSummary.h"

#include <QAbstractProxyModel>
#include <QHash>
#include <QList>
#include <QSet>
#include <QStringList>
#include <optional>
#include <vector>

class DataSetModel;

/// The grid's view of a DataSetModel: rows sorted by one column, filtered by the header
/// filters (per column, a set of accepted texts) and optionally grouped by a column into
/// group rows, the group's data rows while expanded, and a group footer row that stays
/// visible when the group is collapsed. The row order is one vector of row references, so
/// 100,000 rows are rearranged without touching their cells.
///
/// Sorting, filtering and grouping reset the model; the grid restores its focused row.
/// Rows appended to or removed from the data set are passed on as row insertions and
/// removals when the grid is not grouped.
class GridProxy : public QAbstractProxyModel
{
    Q_OBJECT

public:
    enum class RowKind : quint8
    {
        Data,
        GroupHeader,
        GroupFooter
    };

    /// A group: its text and its data rows as the range [begin, end) of orderedRows().
    struct Group
    {
        QString text;
        int begin = 0;
        int end = 0;
    };

    explicit GridProxy(QObject* parent = nullptr);

    /// The source must be a DataSetModel.
    void setSourceModel(QAbstractItemModel* source) override;
    DataSetModel* dataModel() const { return m_model; }

    // Sorting; column -1 restores the data set's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // Header filters.
    void setColumnFilter(int column, const QSet<QString>& accepted);
    void clearColumnFilter(int column);
    void clearFilters();
    bool isFiltered() const { return !m_filters.isEmpty(); }
    std::optional<QSet<QString>> columnFilter(int column) const;
    QList<int> filteredColumns() const { return m_filters.keys(); }
    /// The distinct texts of a column among the rows the other columns' filters let
    /// through, in the column's sort order: the choices of its header filter.
    QStringList filterValues(int column) const;

    // Grouping.
    void setGroupColumn(int column);
    int groupColumn() const { return m_groupColumn; }
    void setGroupSummaries(QList<GridSummary> summaries);
    const QList<GridSummary>& groupSummaries() const { return m_groupSummaries; }
    int groupCount() const { return static_cast<int>(m_groups.size()); }
    const Group& group(int g) const { return m_groups[g]; }
    bool isGroupExpanded(int g) const;
    void setGroupExpanded(int g, bool expanded);
    void setAllGroupsExpanded(bool expanded);

    // Rows.
    RowKind rowKind(int row) const { return m_rows[row].kind; }
    /// The data-set row behind a grid row, -1 for group rows.
    int sourceRow(int row) const;
    /// The group of a grid row, -1 when not grouped.
    int groupOf(int row) const;
    /// The grid row of a data-set row, -1 when it is filtered out or in a collapsed group.
    int rowOfSource(int sourceRow) const;
    int rowOfGroup(int g) const;
    /// The data rows that pass the filters, in display order with every group expanded.
    const std::vector<int>& orderedRows() const { return m_ordered; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;

private:
    struct Row
    {
        int ref; // data-set row, or group index for group rows
        RowKind kind;
    };

    void relayout(bool resort);
    void rebuild();
    std::vector<int> filtered(const std::vector<int>& rows, int skipColumn) const;
    void buildGroups();
    void layoutRows();
    void indexRows();
    QVariant groupRowData(const Row& row, int column, int role) const;
    QString footerText(int g, int column) const;
    bool grouped() const { return m_groupColumn >= 0; }

    void onAboutToReset();
    void onReset();
    void onRowsAboutToBeInserted();
    void onRowsInserted(const QModelIndex& parent, int first, int last);
    void onRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);
    void onRowsRemoved(const QModelIndex& parent, int first, int last);
    void onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                       const QList<int>& roles);
    void shiftRefs(int from, int by);

    DataSetModel* m_model = nullptr;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QHash<int, QSet<QString>> m_filters;
    int m_groupColumn = -1;
    QList<GridSummary> m_groupSummaries;
    QSet<QString> m_collapsed;

    std::vector<int> m_sorted;  // every data-set row in sort order
    std::vector<int> m_ordered; // rows passing the filters, grouped
    std::vector<Group> m_groups;
    std::vector<Row> m_rows;        // grid rows
    std::vector<int> m_rowOfSource; // data-set row → grid row or -1
    std::vector<int> m_rowOfGroup;  // group → grid row of its header
    bool m_resetting = false;       // a source change is passed on as a reset
    std::pair<int, int> m_removing{-1, -1};
    mutable QHash<qint64, QString> m_footerTexts;
};
