#include "GridProxy.h"

#include "DataSetModel.h"
#include "GridRole.h"
#include "SortKeys.h"
#include "SummaryCalculator.h"

#include <algorithm>
#include <numeric>

GridProxy::GridProxy(QObject* parent) : QAbstractProxyModel(parent) {}

void GridProxy::setSourceModel(QAbstractItemModel* source)
{
    beginResetModel();
    if (m_model)
        m_model->disconnect(this);
    m_model = qobject_cast<DataSetModel*>(source);
    QAbstractProxyModel::setSourceModel(m_model);
    if (m_model) {
        connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this,
                &GridProxy::onAboutToReset);
        connect(m_model, &QAbstractItemModel::modelReset, this, &GridProxy::onReset);
        connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this,
                &GridProxy::onRowsAboutToBeInserted);
        connect(m_model, &QAbstractItemModel::rowsInserted, this, &GridProxy::onRowsInserted);
        connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                &GridProxy::onRowsAboutToBeRemoved);
        connect(m_model, &QAbstractItemModel::rowsRemoved, this, &GridProxy::onRowsRemoved);
        connect(m_model, &QAbstractItemModel::dataChanged, this, &GridProxy::onDataChanged);
        connect(m_model, &QAbstractItemModel::headerDataChanged, this,
                &QAbstractItemModel::headerDataChanged);
    }
    m_filters.clear();
    m_sortColumn = m_groupColumn = -1;
    rebuild();
    endResetModel();
}

// --- arranging rows -----------------------------------------------------------------------

void GridProxy::relayout(bool resort)
{
    beginResetModel();
    if (resort)
        m_sorted.clear();
    rebuild();
    endResetModel();
}

void GridProxy::rebuild()
{
    m_footerTexts.clear();
    const int count = m_model ? m_model->rowCount() : 0;
    if (static_cast<int>(m_sorted.size()) != count) {
        std::vector<int> rows(count);
        std::iota(rows.begin(), rows.end(), 0);
        m_sorted = m_sortColumn < 0
                       ? std::move(rows)
                       : SortKeys::sorted(*m_model, m_sortColumn, m_sortOrder, std::move(rows));
    }
    m_ordered = filtered(m_sorted, -1);
    buildGroups();
    layoutRows();
}

std::vector<int> GridProxy::filtered(const std::vector<int>& rows, int skipColumn) const
{
    if (m_filters.isEmpty() || (m_filters.size() == 1 && m_filters.contains(skipColumn)))
        return rows;
    std::vector<int> kept;
    kept.reserve(rows.size());
    for (int row : rows) {
        bool accepted = true;
        for (auto it = m_filters.cbegin(); accepted && it != m_filters.cend(); ++it)
            accepted =
                it.key() == skipColumn || it.value().contains(m_model->filterText(row, it.key()));
        if (accepted)
            kept.push_back(row);
    }
    return kept;
}

void GridProxy::buildGroups()
{
    m_groups.clear();
    if (!grouped())
        return;
    const Qt::SortOrder order = m_sortColumn == m_groupColumn ? m_sortOrder : Qt::AscendingOrder;
    m_ordered = SortKeys::sorted(*m_model, m_groupColumn, order, std::move(m_ordered));
    for (int i = 0; i < static_cast<int>(m_ordered.size()); ++i) {
        const QString text = m_model->filterText(m_ordered[i], m_groupColumn);
        if (m_groups.empty() || m_groups.back().text != text)
            m_groups.push_back({text, i, i});
        m_groups.back().end = i + 1;
    }
}

void GridProxy::layoutRows()
{
    m_rows.clear();
    if (!grouped()) {
        m_rows.reserve(m_ordered.size());
        for (int row : m_ordered)
            m_rows.push_back({row, RowKind::Data});
    }
    for (int g = 0; g < groupCount(); ++g) {
        m_rows.push_back({g, RowKind::GroupHeader});
        if (isGroupExpanded(g)) {
            for (int i = m_groups[g].begin; i < m_groups[g].end; ++i)
                m_rows.push_back({m_ordered[i], RowKind::Data});
        }
        if (!m_groupSummaries.isEmpty())
            m_rows.push_back({g, RowKind::GroupFooter});
    }
    indexRows();
}

void GridProxy::indexRows()
{
    m_rowOfSource.assign(m_model ? m_model->rowCount() : 0, -1);
    m_rowOfGroup.assign(m_groups.size(), -1);
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i) {
        const Row& r = m_rows[i];
        if (r.kind == RowKind::Data)
            m_rowOfSource[r.ref] = i;
        else if (r.kind == RowKind::GroupHeader)
            m_rowOfGroup[r.ref] = i;
    }
}

// --- sorting, filters, groups -------------------------------------------------------------

void GridProxy::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column >= 0 && column < columnCount() ? column : -1;
    m_sortOrder = order;
    relayout(true);
}

void GridProxy::setColumnFilter(int column, const QSet<QString>& accepted)
{
    m_filters.insert(column, accepted);
    relayout(false);
}

void GridProxy::clearColumnFilter(int column)
{
    if (m_filters.remove(column))
        relayout(false);
}

void GridProxy::clearFilters()
{
    if (m_filters.isEmpty())
        return;
    m_filters.clear();
    relayout(false);
}

std::optional<QSet<QString>> GridProxy::columnFilter(int column) const
{
    const auto it = m_filters.constFind(column);
    return it == m_filters.cend() ? std::nullopt : std::optional(it.value());
}

QStringList GridProxy::filterValues(int column) const
{
    if (!m_model || column < 0 || column >= columnCount())
        return {};
    const std::vector<int> rows =
        SortKeys::sorted(*m_model, column, Qt::AscendingOrder, filtered(m_sorted, column));
    QStringList values;
    QSet<QString> seen;
    for (int row : rows) {
        const QString text = m_model->filterText(row, column);
        if (!seen.contains(text)) {
            seen.insert(text);
            values << text;
        }
    }
    return values;
}

void GridProxy::setGroupColumn(int column)
{
    m_groupColumn = column >= 0 && column < columnCount() ? column : -1;
    relayout(false);
}

void GridProxy::setGroupSummaries(QList<GridSummary> summaries)
{
    m_groupSummaries = std::move(summaries);
    relayout(false);
}

bool GridProxy::isGroupExpanded(int g) const
{
    return g >= 0 && g < groupCount() && !m_collapsed.contains(m_groups[g].text);
}

void GridProxy::setGroupExpanded(int g, bool expanded)
{
    if (g < 0 || g >= groupCount() || isGroupExpanded(g) == expanded)
        return;
    if (expanded)
        m_collapsed.remove(m_groups[g].text);
    else
        m_collapsed.insert(m_groups[g].text);
    relayout(false);
}

void GridProxy::setAllGroupsExpanded(bool expanded)
{
    m_collapsed.clear();
    if (!expanded) {
        for (const Group& g : m_groups)
            m_collapsed.insert(g.text);
    }
    relayout(false);
}

// --- row lookups --------------------------------------------------------------------------

int GridProxy::sourceRow(int row) const
{
    if (row < 0 || row >= rowCount())
        return -1;
    return m_rows[row].kind == RowKind::Data ? m_rows[row].ref : -1;
}

int GridProxy::groupOf(int row) const
{
    if (!grouped() || row < 0 || row >= rowCount())
        return -1;
    // Group header rows ascend with the group index: the row belongs to the last group
    // whose header stands at or above it.
    const auto after = std::upper_bound(m_rowOfGroup.begin(), m_rowOfGroup.end(), row);
    return static_cast<int>(after - m_rowOfGroup.begin()) - 1;
}

int GridProxy::rowOfSource(int sourceRow) const
{
    return sourceRow >= 0 && sourceRow < static_cast<int>(m_rowOfSource.size())
               ? m_rowOfSource[sourceRow]
               : -1;
}

int GridProxy::rowOfGroup(int g) const
{
    return g >= 0 && g < groupCount() ? m_rowOfGroup[g] : -1;
}

// --- model interface ----------------------------------------------------------------------

QModelIndex GridProxy::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex GridProxy::parent(const QModelIndex&) const
{
    return {};
}

bool GridProxy::hasChildren(const QModelIndex& parent) const
{
    return !parent.isValid() && rowCount() > 0;
}

int GridProxy::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int GridProxy::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_model ? 0 : m_model->columnCount();
}

QVariant GridProxy::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const Row& row = m_rows[index.row()];
    if (role == RowKindRole)
        return static_cast<int>(row.kind);
    if (row.kind == RowKind::Data)
        return m_model->data(m_model->index(row.ref, index.column()), role);
    return groupRowData(row, index.column(), role);
}

QVariant GridProxy::groupRowData(const Row& row, int column, int role) const
{
    if (role == SourceRowRole)
        return -1;
    if (role != Qt::DisplayRole)
        return {};
    if (row.kind == RowKind::GroupFooter)
        return footerText(row.ref, column);
    const QString caption = m_model->column(m_groupColumn).headerText();
    return caption + QStringLiteral(" : ") + m_groups[row.ref].text;
}

QString GridProxy::footerText(int g, int column) const
{
    const qint64 key = qint64(g) * columnCount() + column;
    const auto cached = m_footerTexts.constFind(key);
    if (cached != m_footerTexts.cend())
        return cached.value();
    const Group& group = m_groups[g];
    const std::span<const int> rows(m_ordered.data() + group.begin, group.end - group.begin);
    QStringList texts;
    for (const GridSummary& s : m_groupSummaries) {
        if (m_model->columnIndex(s.column) == column)
            texts << SummaryCalculator::text(*m_model, column, s.kind, rows);
    }
    const QString text = texts.join(QLatin1Char('\n'));
    m_footerTexts.insert(key, text);
    return text;
}

QVariant GridProxy::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && m_model)
        return m_model->headerData(section, orientation, role);
    return QAbstractProxyModel::headerData(section, orientation, role);
}

Qt::ItemFlags GridProxy::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (m_rows[index.row()].kind != RowKind::Data)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return m_model->flags(mapToSource(index));
}

QModelIndex GridProxy::mapToSource(const QModelIndex& proxyIndex) const
{
    const int row = proxyIndex.isValid() ? sourceRow(proxyIndex.row()) : -1;
    return row < 0 ? QModelIndex() : m_model->index(row, proxyIndex.column());
}

QModelIndex GridProxy::mapFromSource(const QModelIndex& sourceIndex) const
{
    const int row = sourceIndex.isValid() ? rowOfSource(sourceIndex.row()) : -1;
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

// --- following the source -----------------------------------------------------------------

void GridProxy::onAboutToReset()
{
    beginResetModel();
}

void GridProxy::onReset()
{
    m_sorted.clear();
    rebuild();
    endResetModel();
}

void GridProxy::onRowsAboutToBeInserted()
{
    m_resetting = grouped();
    if (m_resetting)
        beginResetModel();
}

void GridProxy::onRowsInserted(const QModelIndex&, int first, int last)
{
    const int added = last - first + 1;
    shiftRefs(first, added);
    for (int row = first; row <= last; ++row)
        m_sorted.push_back(row);
    if (m_resetting) {
        rebuild();
        endResetModel();
        m_resetting = false;
        return;
    }
    // New rows go to the end of the grid, as long as they pass the filters.
    std::vector<int> news(added);
    std::iota(news.begin(), news.end(), first);
    news = filtered(news, -1);
    if (news.empty()) {
        indexRows();
        return;
    }
    const int at = rowCount();
    beginInsertRows({}, at, at + static_cast<int>(news.size()) - 1);
    for (int row : news) {
        m_ordered.push_back(row);
        m_rows.push_back({row, RowKind::Data});
    }
    indexRows();
    m_footerTexts.clear();
    endInsertRows();
}

void GridProxy::onRowsAboutToBeRemoved(const QModelIndex&, int first, int last)
{
    int low = rowCount();
    int high = -1;
    int shown = 0;
    for (int row = first; row <= last; ++row) {
        const int at = rowOfSource(row);
        if (at >= 0) {
            low = std::min(low, at);
            high = std::max(high, at);
            ++shown;
        }
    }
    m_resetting = grouped() || (shown > 0 && high - low + 1 != shown);
    m_removing = {-1, -1};
    if (m_resetting)
        beginResetModel();
    else if (shown > 0) {
        m_removing = {low, high};
        beginRemoveRows({}, low, high);
    }
}

void GridProxy::onRowsRemoved(const QModelIndex&, int first, int last)
{
    auto gone = [first, last](int row) { return row >= first && row <= last; };
    std::erase_if(m_sorted, gone);
    std::erase_if(m_ordered, gone);
    std::erase_if(m_rows,
                  [&gone](const Row& r) { return r.kind == RowKind::Data && gone(r.ref); });
    shiftRefs(last + 1, -(last - first + 1));
    if (m_resetting) {
        rebuild();
        endResetModel();
        m_resetting = false;
        return;
    }
    indexRows();
    m_footerTexts.clear();
    if (m_removing.first >= 0)
        endRemoveRows();
    m_removing = {-1, -1};
}

void GridProxy::shiftRefs(int from, int by)
{
    auto shift = [from, by](int& row) {
        if (row >= from)
            row += by;
    };
    std::for_each(m_sorted.begin(), m_sorted.end(), shift);
    std::for_each(m_ordered.begin(), m_ordered.end(), shift);
    for (Row& r : m_rows) {
        if (r.kind == RowKind::Data)
            shift(r.ref);
    }
}

void GridProxy::onDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                              const QList<int>& roles)
{
    m_footerTexts.clear();
    QSet<int> groups;
    for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
        const int at = rowOfSource(row);
        if (at < 0)
            continue;
        emit dataChanged(index(at, topLeft.column()), index(at, bottomRight.column()), roles);
        if (grouped())
            groups.insert(groupOf(at));
    }
    for (int g : groups) {
        const int footer =
            rowOfGroup(g) + (isGroupExpanded(g) ? m_groups[g].end - m_groups[g].begin : 0) + 1;
        if (!m_groupSummaries.isEmpty() && footer < rowCount())
            emit dataChanged(index(footer, 0), index(footer, columnCount() - 1));
    }
}
