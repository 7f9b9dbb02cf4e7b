#include "DataGrid.h"

#include "ClientDataSet.h"
#include "ColumnWidths.h"
#include "DataSetModel.h"
#include "GridCellDelegate.h"
#include "GridFilterBar.h"
#include "GridFooter.h"
#include "GridHeader.h"
#include "GridIndicator.h"
#include "GridProxy.h"
#include "GridRole.h"
#include "GridTableView.h"
#include "HeaderFilterPopup.h"
#include "IncrementalSearch.h"
#include "SummaryCalculator.h"

#include <QBoxLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>

namespace {

constexpr int defaultRowHeight = 24;
constexpr int descriptionValues = 3;

/// A menu whose check box items toggle without closing it, so several columns can be
/// shown or hidden in one go.
class ColumnMenu : public QMenu
{
public:
    using QMenu::QMenu;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QAction* action = activeAction();
        if (action && action->isCheckable() && action->isEnabled()) {
            action->trigger();
            return;
        }
        QMenu::mouseReleaseEvent(event);
    }
};

} // namespace

DataGrid::DataGrid(QWidget* parent)
    : QWidget(parent), m_model(new DataSetModel(this)), m_proxy(new GridProxy(this)),
      m_view(new GridTableView), m_header(new GridHeader(m_proxy, &m_paint, m_view)),
      m_indicator(new GridIndicator(&m_paint, m_view)),
      m_delegate(new GridCellDelegate(m_proxy, &m_paint, this)),
      m_footer(new GridFooter(m_view, m_model)), m_filterBar(new GridFilterBar),
      m_hbar(new QScrollBar(Qt::Horizontal))
{
    buildParts();
    connectParts();
}

DataGrid::~DataGrid()
{
    // The view and the proxy let go of the models before the children are deleted in
    // creation order (model first).
    m_view->setModel(nullptr);
    m_proxy->setSourceModel(nullptr);
}

void DataGrid::buildParts()
{
    m_proxy->setSourceModel(m_model);
    m_view->setHorizontalHeader(m_header);
    m_view->setVerticalHeader(m_indicator);
    m_view->setModel(m_proxy);
    m_view->setItemDelegate(m_delegate);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_header->setContextMenuPolicy(Qt::CustomContextMenu);
    m_header->setSectionResizeMode(QHeaderView::Interactive);
    m_header->setMinimumSectionSize(8);
    m_indicator->setDefaultSectionSize(defaultRowHeight);
    m_filterBar->hide();
    m_hbar->hide();
    m_footer->hide();
    m_footerTimer.setSingleShot(true);
    m_footerTimer.setInterval(0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_footer);
    layout->addWidget(m_hbar);
    layout->addWidget(m_filterBar);
    setFocusProxy(m_view);
    setStyles(m_paint.styles);
}

void DataGrid::connectParts()
{
    connect(m_header, &QHeaderView::sectionClicked, this, &DataGrid::onHeaderClicked);
    connect(m_header, &GridHeader::filterButtonClicked, this, &DataGrid::showHeaderFilter);
    connect(m_header, &QWidget::customContextMenuRequested, this, &DataGrid::showHeaderMenu);
    connect(m_header, &QHeaderView::sectionResized, m_footer, qOverload<>(&QWidget::update));
    connect(m_view, &GridTableView::typed, this, &DataGrid::onTyped);
    connect(m_view, &GridTableView::searchKey, this, &DataGrid::onSearchKey);
    connect(m_view, &GridTableView::groupToggleRequested, this, [this](int row) {
        const int g = m_proxy->groupOf(row);
        setGroupExpanded(g, !isGroupExpanded(g));
    });
    connect(m_view, &GridTableView::groupExpandRequested, this,
            [this](int row, bool expand) { setGroupExpanded(m_proxy->groupOf(row), expand); });
    connect(m_view, &QAbstractItemView::doubleClicked, this, &DataGrid::onDoubleClicked);
    connect(m_view, &QWidget::customContextMenuRequested, this, &DataGrid::onContextMenu);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &DataGrid::onCurrentChanged);
    connect(m_proxy, &QAbstractItemModel::modelAboutToBeReset, this, &DataGrid::rememberFocus);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &DataGrid::restoreFocus);
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this, &DataGrid::scheduleFooter);
    connect(m_proxy, &QAbstractItemModel::rowsRemoved, this, &DataGrid::scheduleFooter);
    connect(m_proxy, &QAbstractItemModel::dataChanged, this, &DataGrid::scheduleFooter);
    connect(&m_footerTimer, &QTimer::timeout, this, &DataGrid::refreshFooter);
    connect(m_filterBar, &GridFilterBar::clearRequested, this, &DataGrid::clearFilter);
    syncScrollBar();
}

void DataGrid::syncScrollBar()
{
    QScrollBar* inner = m_view->horizontalScrollBar();
    connect(inner, &QScrollBar::rangeChanged, this, [this, inner](int min, int max) {
        m_hbar->setRange(min, max);
        m_hbar->setPageStep(inner->pageStep());
        m_hbar->setSingleStep(inner->singleStep());
        m_hbar->setVisible(max > min);
    });
    connect(inner, &QScrollBar::valueChanged, m_hbar, &QScrollBar::setValue);
    connect(inner, &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_hbar, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
}

// --- columns ------------------------------------------------------------------------------

void DataGrid::setColumns(QList<GridColumn> columns)
{
    m_paint.customDraw.clear();
    m_model->setColumns(std::move(columns));
    applyColumnLayout();
}

void DataGrid::applyColumnLayout()
{
    const auto& columns = m_model->columns();
    for (int c = 0; c < columns.size(); ++c) {
        m_view->setColumnHidden(c, !columns[c].visible);
        if (columns[c].width > 0)
            m_header->resizeSection(c, columns[c].width);
    }
    updateSpans();
    scheduleFooter();
}

const QList<GridColumn>& DataGrid::columns() const
{
    return m_model->columns();
}

int DataGrid::keyColumn(const QString& key) const
{
    return m_model->columnIndex(key);
}

int DataGrid::columnIndex(const QString& key) const
{
    return keyColumn(key);
}

template <typename Change> bool DataGrid::changeColumn(const QString& key, Change change)
{
    const int c = keyColumn(key);
    if (c < 0)
        return false;
    GridColumn column = m_model->column(c);
    change(column);
    m_model->updateColumn(c, column);
    return true;
}

void DataGrid::setColumnVisible(const QString& key, bool visible)
{
    if (!changeColumn(key, [visible](GridColumn& c) { c.visible = visible; }))
        return;
    m_view->setColumnHidden(keyColumn(key), !visible);
    updateSpans();
    if (m_autoWidth)
        fitToWidth();
    m_footer->update();
    emit columnVisibilityChanged(m_model->column(keyColumn(key)).key(), visible);
}

bool DataGrid::isColumnVisible(const QString& key) const
{
    const int c = keyColumn(key);
    return c >= 0 && !m_view->isColumnHidden(c);
}

void DataGrid::setColumnOffered(const QString& key, bool offered)
{
    changeColumn(key, [offered](GridColumn& c) { c.offered = offered; });
}

void DataGrid::setColumnWidth(const QString& key, int width)
{
    const int c = keyColumn(key);
    if (c >= 0)
        m_header->resizeSection(c, width);
}

int DataGrid::columnWidth(const QString& key) const
{
    const int c = keyColumn(key);
    return c < 0 ? 0 : m_header->sectionSize(c);
}

QList<int> DataGrid::visibleColumns() const
{
    QList<int> visible;
    for (int v = 0; v < m_header->count(); ++v) {
        const int logical = m_header->logicalIndex(v);
        if (!m_header->isSectionHidden(logical))
            visible << logical;
    }
    return visible;
}

// --- data set -----------------------------------------------------------------------------

void DataGrid::setDataSet(ClientDataSet* dataSet)
{
    m_dataSet = dataSet;
    attachDataSet();
}

void DataGrid::detachDataSet()
{
    m_attached = false;
    m_model->setDataSet(nullptr);
    m_view->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    if (m_filterPopup)
        m_filterPopup->close();
    if (m_view->isVisible() && m_view->updatesEnabled())
        m_view->viewport()->repaint();
}

void DataGrid::attachDataSet()
{
    m_attached = m_dataSet != nullptr;
    m_model->setDataSet(m_dataSet);
    m_view->setAttribute(Qt::WA_TransparentForMouseEvents, !m_attached);
}

void DataGrid::beginUpdate()
{
    if (m_updateDepth++ == 0)
        m_view->setUpdatesEnabled(false);
}

void DataGrid::endUpdate()
{
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    m_view->setUpdatesEnabled(true);
    updateSpans();
    refreshFooter();
    m_view->viewport()->update();
}

// --- look ---------------------------------------------------------------------------------

void DataGrid::setStyles(const GridStyleSet& styles)
{
    m_paint.styles = styles;
    QPalette palette = m_view->palette();
    if (styles.content.isSet())
        palette.setColor(QPalette::Base, styles.content.background);
    m_view->setPalette(palette);
    m_header->viewport()->update();
    m_indicator->viewport()->update();
    m_view->viewport()->update();
}

void DataGrid::setRowHeight(int height)
{
    m_indicator->setMinimumSectionSize(std::min(height, m_indicator->minimumSectionSize()));
    m_indicator->setDefaultSectionSize(height);
}

int DataGrid::rowHeight() const
{
    return m_indicator->defaultSectionSize();
}

void DataGrid::setHeaderHeight(int height)
{
    m_header->setHeight(height);
    m_view->refreshGeometry();
}

void DataGrid::setHeaderVisible(bool visible)
{
    m_header->setVisible(visible);
    m_view->refreshGeometry();
}

void DataGrid::setIndicatorWidth(int width)
{
    m_indicator->setIndicatorWidth(width);
    m_view->refreshGeometry();
}

int DataGrid::indicatorWidth() const
{
    return m_indicator->indicatorWidth();
}

void DataGrid::setGridLines(bool visible, const QColor& colour)
{
    m_paint.gridLines = visible;
    m_paint.gridLineColor = colour;
    m_view->viewport()->update();
}

void DataGrid::setFocusRectVisible(bool visible)
{
    m_paint.focusRect = visible;
    m_view->viewport()->update();
}

void DataGrid::setImageList(const ImageList& images)
{
    m_model->setImageList(images);
}

void DataGrid::setPixelScrolling(bool on)
{
    m_view->setVerticalScrollMode(on ? QAbstractItemView::ScrollPerPixel
                                     : QAbstractItemView::ScrollPerItem);
}

// --- behaviour switches -------------------------------------------------------------------

void DataGrid::setSortingAllowed(bool allowed)
{
    m_sortingAllowed = allowed;
}

void DataGrid::setHeaderFiltersAllowed(bool allowed)
{
    m_headerFilters = allowed;
    m_header->setFilterButtonsVisible(allowed);
}

void DataGrid::setIncrementalSearch(bool on)
{
    m_incrementalSearch = on;
    m_searchText.clear();
}

void DataGrid::setColumnCustomization(bool on)
{
    m_columnCustomization = on;
}

void DataGrid::setColumnsResizable(bool resizable)
{
    m_header->setSectionResizeMode(resizable ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void DataGrid::setAutoWidth(bool on)
{
    m_autoWidth = on;
    if (on)
        fitToWidth();
}

void DataGrid::setCustomDraw(const QString& key, CustomDrawFunction draw)
{
    const int c = keyColumn(key);
    if (c >= 0)
        m_paint.customDraw.insert(c, std::move(draw));
}

void DataGrid::setPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
}

// --- summaries ----------------------------------------------------------------------------

void DataGrid::setFooterSummaries(QList<GridSummary> summaries)
{
    m_footerSummaries = std::move(summaries);
    refreshFooter();
}

void DataGrid::setFooterVisible(bool visible)
{
    m_footerVisible = visible;
    refreshFooter();
}

void DataGrid::scheduleFooter()
{
    if (!m_footerSummaries.isEmpty())
        m_footerTimer.start();
}

void DataGrid::refreshFooter()
{
    m_footerTimer.stop();
    QHash<int, QString> texts;
    QHash<int, Qt::Alignment> alignments;
    const std::vector<int>& rows = m_proxy->orderedRows();
    for (const GridSummary& s : m_footerSummaries) {
        const int c = keyColumn(s.column);
        if (c < 0)
            continue;
        const QString text = SummaryCalculator::text(*m_model, c, s.kind, rows);
        texts[c] = texts.contains(c) ? texts[c] + QLatin1Char('\n') + text : text;
        if (s.kind != SummaryKind::Count)
            alignments[c] = Qt::AlignRight; // amounts line up on the right
    }
    m_footer->setAlignments(alignments);
    m_footer->setTexts(texts);
    m_footer->setVisible(m_footerVisible && !m_footerSummaries.isEmpty());
}

QString DataGrid::footerText(const QString& key) const
{
    const int c = keyColumn(key);
    if (c < 0 || m_view->isColumnHidden(c) || !m_footerVisible)
        return {};
    QStringList texts;
    for (const GridSummary& s : m_footerSummaries) {
        if (keyColumn(s.column) == c)
            texts << SummaryCalculator::text(*m_model, c, s.kind, m_proxy->orderedRows());
    }
    return texts.join(QLatin1Char('\n'));
}

// --- sorting and filtering ----------------------------------------------------------------

template <typename Change> void DataGrid::rearrange(Change change)
{
    m_keepFocus = true;
    change();
    m_keepFocus = false;
}

void DataGrid::onHeaderClicked(int column)
{
    if (!m_sortingAllowed || !m_attached)
        return;
    const bool again =
        m_proxy->sortColumn() == column && m_proxy->sortOrder() == Qt::AscendingOrder;
    sortBy(m_model->column(column).key(), again ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void DataGrid::sortBy(const QString& key, Qt::SortOrder order)
{
    const int c = keyColumn(key);
    rearrange([&] { m_proxy->sort(c, order); });
    m_header->setSortIndicatorShown(c >= 0);
    m_header->setSortIndicator(c, order);
}

void DataGrid::clearSort()
{
    sortBy(QString(), Qt::AscendingOrder);
}

QString DataGrid::sortKey() const
{
    const int c = m_proxy->sortColumn();
    return c < 0 ? QString() : m_model->column(c).key();
}

Qt::SortOrder DataGrid::sortOrder() const
{
    return m_proxy->sortOrder();
}

HeaderFilterPopup* DataGrid::filterPopup()
{
    if (!m_filterPopup) {
        m_filterPopup = new HeaderFilterPopup(this);
        connect(m_filterPopup, &HeaderFilterPopup::applied, this,
                [this](const std::optional<QSet<QString>>& values) {
                    applyHeaderFilter(m_filterPopup->property("column").toInt(), values);
                });
    }
    return m_filterPopup;
}

void DataGrid::showHeaderFilter(int column, QPoint below)
{
    if (!m_attached || !m_headerFilters)
        return;
    HeaderFilterPopup* popup = filterPopup();
    popup->setProperty("column", column);
    popup->setValues(m_proxy->filterValues(column), m_proxy->columnFilter(column));
    QPoint at = below - QPoint(popup->width(), 0);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        at.setX(
            std::clamp(at.x(), area.left(), std::max(area.left(), area.right() - popup->width())));
    }
    popup->move(at);
    popup->show();
}

void DataGrid::applyHeaderFilter(int column, const std::optional<QSet<QString>>& values)
{
    rearrange([&] {
        if (values)
            m_proxy->setColumnFilter(column, *values);
        else
            m_proxy->clearColumnFilter(column);
    });
    refreshFilterBar();
    m_header->viewport()->update();
}

void DataGrid::setColumnFilter(const QString& key, const QStringList& values)
{
    const int c = keyColumn(key);
    if (c >= 0)
        applyHeaderFilter(c, QSet<QString>(values.begin(), values.end()));
}

void DataGrid::clearColumnFilter(const QString& key)
{
    const int c = keyColumn(key);
    if (c >= 0)
        applyHeaderFilter(c, std::nullopt);
}

void DataGrid::clearFilter()
{
    rearrange([this] { m_proxy->clearFilters(); });
    refreshFilterBar();
    m_header->viewport()->update();
}

bool DataGrid::isFiltered() const
{
    return m_proxy->isFiltered();
}

QStringList DataGrid::filterValues(const QString& key) const
{
    return m_proxy->filterValues(keyColumn(key));
}

QString DataGrid::filterDescription() const
{
    QStringList parts;
    QList<int> columns = m_proxy->filteredColumns();
    std::sort(columns.begin(), columns.end());
    for (int c : columns) {
        QStringList values = m_proxy->columnFilter(c)->values();
        std::sort(values.begin(), values.end());
        for (QString& v : values) {
            if (v.isEmpty())
                v = QStringLiteral("(Boş)");
        }
        const bool more = values.size() > descriptionValues;
        values = values.mid(0, descriptionValues);
        parts << m_model->column(c).headerText() + QStringLiteral(": ") +
                     values.join(QStringLiteral(", ")) +
                     (more ? QStringLiteral(", …") : QString());
    }
    return parts.join(QStringLiteral("; "));
}

void DataGrid::refreshFilterBar()
{
    m_filterBar->setDescription(filterDescription());
    m_filterBar->setVisible(isFiltered());
}

// --- grouping -----------------------------------------------------------------------------

void DataGrid::setGroupColumn(const QString& key)
{
    const int previous = m_proxy->groupColumn();
    if (previous >= 0)
        setColumnVisible(m_model->column(previous).key(), true);
    const int c = key.isEmpty() ? -1 : keyColumn(key);
    rearrange([&] { m_proxy->setGroupColumn(c); });
    if (c >= 0)
        setColumnVisible(key, false);
    updateSpans();
}

void DataGrid::setGroupSummaries(QList<GridSummary> summaries)
{
    rearrange([&] { m_proxy->setGroupSummaries(std::move(summaries)); });
}

int DataGrid::groupCount() const
{
    return m_proxy->groupCount();
}

QString DataGrid::groupText(int group) const
{
    return group >= 0 && group < groupCount() ? m_proxy->group(group).text : QString();
}

bool DataGrid::isGroupExpanded(int group) const
{
    return m_proxy->isGroupExpanded(group);
}

void DataGrid::setGroupExpanded(int group, bool expanded)
{
    rearrange([&] { m_proxy->setGroupExpanded(group, expanded); });
}

void DataGrid::collapseAll()
{
    rearrange([this] { m_proxy->setAllGroupsExpanded(false); });
}

void DataGrid::expandAll()
{
    rearrange([this] { m_proxy->setAllGroupsExpanded(true); });
}

void DataGrid::updateSpans()
{
    m_view->clearSpans();
    const QList<int> visible = visibleColumns();
    if (m_proxy->groupColumn() < 0 || visible.isEmpty())
        return;
    const int first = visible.front();
    const int span = m_proxy->columnCount() - first;
    if (span < 2)
        return;
    for (int g = 0; g < m_proxy->groupCount(); ++g)
        m_view->setSpan(m_proxy->rowOfGroup(g), first, 1, span);
}

// --- rows and focus -----------------------------------------------------------------------

int DataGrid::rowCount() const
{
    return static_cast<int>(m_proxy->orderedRows().size());
}

std::vector<int> DataGrid::orderedRows() const
{
    return m_proxy->orderedRows();
}

int DataGrid::focusedRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_proxy->sourceRow(current.row()) : -1;
}

QString DataGrid::focusedColumn() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_model->column(current.column()).key() : QString();
}

RowValues DataGrid::focusedValues() const
{
    return rowValues(focusedRow());
}

RowValues DataGrid::rowValues(int sourceRow) const
{
    return RowValues(m_model->dataSet(), sourceRow);
}

void DataGrid::focusRow(int sourceRow)
{
    focusGridRow(m_proxy->rowOfSource(sourceRow));
}

void DataGrid::rememberFocus()
{
    const QModelIndex current = m_view->currentIndex();
    m_focusSource = current.isValid() ? m_proxy->sourceRow(current.row()) : -1;
    const int g = current.isValid() ? m_proxy->groupOf(current.row()) : -1;
    m_focusGroup = g >= 0 ? m_proxy->group(g).text : QString();
    m_focusColumn = current.isValid() ? current.column() : -1;
}

void DataGrid::restoreFocus()
{
    int row = -1;
    if (m_keepFocus) {
        row = m_proxy->rowOfSource(m_focusSource);
        for (int g = 0; row < 0 && g < m_proxy->groupCount(); ++g) {
            if (m_proxy->group(g).text == m_focusGroup && !m_focusGroup.isNull())
                row = m_proxy->rowOfGroup(g);
        }
    }
    if (row < 0 && m_proxy->rowCount() > 0)
        row = 0;
    updateSpans();
    focusGridRow(row);
    scheduleFooter();
    refreshFilterBar();
}

void DataGrid::focusGridRow(int row)
{
    QItemSelectionModel* selection = m_view->selectionModel();
    if (row < 0 || row >= m_proxy->rowCount()) {
        selection->clear();
        return;
    }
    int column = m_focusColumn;
    const QList<int> visible = visibleColumns();
    if (!visible.contains(column))
        column = visible.isEmpty() ? 0 : visible.front();
    const QModelIndex index = m_proxy->index(row, column);
    selection->setCurrentIndex(index,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_view->scrollTo(index);
}

void DataGrid::onCurrentChanged()
{
    if (!m_searching)
        m_searchText.clear();
    const QModelIndex current = m_view->currentIndex();
    if (current.isValid())
        m_focusColumn = current.column();
    m_indicator->viewport()->update();
    emit focusedRowChanged(focusedRow());
}

void DataGrid::typeSearch(const QString& text)
{
    onTyped(text);
}

void DataGrid::onTyped(const QString& text)
{
    if (!m_incrementalSearch || !m_attached || text.isEmpty())
        return;
    const QModelIndex current = m_view->currentIndex();
    const int column = current.isValid() ? current.column() : m_focusColumn;
    if (column < 0 || !m_model->column(column).incrementalSearch)
        return;
    const QString wanted = m_searchText + text;
    auto textOf = [this, column](int row) {
        return m_proxy->rowKind(row) == GridProxy::RowKind::Data
                   ? m_proxy->index(row, column).data(FilterTextRole).toString()
                   : QString();
    };
    const int row = IncrementalSearch::find(textOf, m_proxy->rowCount(),
                                            current.isValid() ? current.row() : 0, wanted);
    if (row < 0)
        return;
    m_searchText = wanted;
    m_searching = true;
    m_focusColumn = column;
    focusGridRow(row);
    m_searching = false;
}

void DataGrid::onSearchKey(int key)
{
    if (key == Qt::Key_Backspace)
        m_searchText.chop(1);
    else
        m_searchText.clear();
}

void DataGrid::onDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || !m_attached)
        return;
    const GridProxy::RowKind kind = m_proxy->rowKind(index.row());
    if (kind == GridProxy::RowKind::GroupHeader) {
        const int g = m_proxy->groupOf(index.row());
        setGroupExpanded(g, !isGroupExpanded(g));
    } else if (kind == GridProxy::RowKind::Data) {
        emit doubleClicked(m_proxy->sourceRow(index.row()), m_model->column(index.column()).key());
    }
}

void DataGrid::onContextMenu(QPoint position)
{
    const QModelIndex index = m_view->indexAt(position);
    if (index.isValid()) {
        m_focusColumn = index.column();
        focusGridRow(index.row());
    }
    if (m_popupMenu && m_attached)
        m_popupMenu->popup(m_view->viewport()->mapToGlobal(position));
}

// --- widths and menus ---------------------------------------------------------------------

void DataGrid::applyWeightedWidths()
{
    const QList<int> visible = visibleColumns();
    QList<int> weights;
    for (int c : visible)
        weights << m_model->column(c).Tag;
    const auto widths = ColumnWidths::weighted(weights, width());
    if (!widths) {
        bestFit();
        return;
    }
    beginUpdate();
    for (int i = 0; i < visible.size(); ++i)
        m_header->resizeSection(visible[i], (*widths)[i]);
    endUpdate();
}

void DataGrid::applyWidthRule(int referenceWidth)
{
    if (referenceWidth > ColumnWidths::wideScreen)
        applyWeightedWidths();
    else
        bestFit();
}

void DataGrid::bestFit()
{
    beginUpdate();
    for (int c : visibleColumns())
        m_view->resizeColumnToContents(c);
    endUpdate();
}

void DataGrid::fitToWidth()
{
    const QList<int> visible = visibleColumns();
    const int available = m_view->viewport()->width();
    long long total = 0;
    for (int c : visible)
        total += m_header->sectionSize(c);
    if (visible.isEmpty() || total <= 0 || available <= 0)
        return;
    int used = 0;
    for (int i = 0; i < visible.size(); ++i) {
        const int c = visible[i];
        const bool last = i + 1 == visible.size();
        const int w = last ? available - used
                           : static_cast<int>(m_header->sectionSize(c) * available / total);
        m_header->resizeSection(c, std::max(1, w));
        used += w;
    }
}

void DataGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_autoWidth)
        fitToWidth();
    emit resized();
}

QMenu* DataGrid::columnCustomizationMenu()
{
    if (!m_customization)
        m_customization = new ColumnMenu(this);
    m_customization->clear();
    for (const GridColumn& column : m_model->columns()) {
        if (!column.offered)
            continue;
        QAction* action = m_customization->addAction(column.headerText());
        action->setCheckable(true);
        action->setChecked(isColumnVisible(column.key()));
        const QString key = column.key();
        connect(action, &QAction::toggled, this,
                [this, key](bool checked) { setColumnVisible(key, checked); });
    }
    return m_customization;
}

void DataGrid::showHeaderMenu(QPoint position)
{
    if (!m_columnCustomization || !m_attached)
        return;
    columnCustomizationMenu()->popup(m_header->mapToGlobal(position));
}

QTableView* DataGrid::view() const
{
    return m_view;
}
