#pragma once

#include "CustomDrawCell.h"
#include "GridColumn.h"
#include "GridPaintOptions.h"
#include "GridSummary.h"
#include "ImageList.h"
#include "RowValues.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

class ClientDataSet;
class DataSetModel;
class GridCellDelegate;
class GridFilterBar;
class GridFooter;
class GridHeader;
class GridIndicator;
class GridProxy;
class GridTableView;
class HeaderFilterPopup;
class QMenu;
class QScrollBar;
class QTableView;

/// The data grid every screen uses: one client data set shown through declared columns,
/// read-only with whole-row focus, sortable by header click, filtered by header filter
/// buttons, searchable by typing, with a footer of summaries, optional grouping with group
/// footers, quick column customization, best fit and the weighted-width rule, a pop-up
/// menu, and detaching from its data set while a background task fills it.
///
/// Columns are addressed by key (GridColumn::key). Rows reported to the screens are
/// data-set rows ("source rows"), whatever the grid's order and filters.
class DataGrid : public QWidget
{
    Q_OBJECT

public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    // Columns.
    /// Declares the columns; custom-draw callbacks are set after this, since they belong
    /// to the columns.
    void setColumns(QList<GridColumn> columns);
    const QList<GridColumn>& columns() const;
    int columnIndex(const QString& key) const;
    void setColumnVisible(const QString& key, bool visible);
    bool isColumnVisible(const QString& key) const;
    void setColumnOffered(const QString& key, bool offered);
    void setColumnWidth(const QString& key, int width);
    int columnWidth(const QString& key) const;
    /// Logical column indexes of the visible columns, left to right.
    QList<int> visibleColumns() const;

    // The data set.
    /// Binds and attaches a data set (nullptr unbinds).
    void setDataSet(ClientDataSet* dataSet);
    ClientDataSet* dataSet() const { return m_dataSet; }
    /// Shows nothing and accepts no clicks until attachDataSet; the binding is kept.
    void detachDataSet();
    void attachDataSet();
    bool isAttached() const { return m_attached; }
    /// Updates between the two calls are not painted; nesting is allowed.
    void beginUpdate();
    void endUpdate();

    // Look.
    void setStyles(const GridStyleSet& styles);
    const GridStyleSet& styles() const { return m_paint.styles; }
    void setRowHeight(int height);
    int rowHeight() const;
    void setHeaderHeight(int height);
    void setHeaderVisible(bool visible);
    /// Width of the row indicator; 0 hides it.
    void setIndicatorWidth(int width);
    int indicatorWidth() const;
    void setGridLines(bool visible, const QColor& colour = Qt::white);
    void setFocusRectVisible(bool visible);
    void setImageList(const ImageList& images);
    void setPixelScrolling(bool on);

    // Behaviour switches.
    void setSortingAllowed(bool allowed);
    void setHeaderFiltersAllowed(bool allowed);
    void setIncrementalSearch(bool on);
    void setColumnCustomization(bool on);
    void setColumnsResizable(bool resizable);
    /// Keeps the visible columns filling the grid's width, in proportion to their widths.
    void setAutoWidth(bool on);
    void setCustomDraw(const QString& key, CustomDrawFunction draw);
    void setPopupMenu(QMenu* menu);

    // Summaries.
    void setFooterSummaries(QList<GridSummary> summaries);
    const QList<GridSummary>& footerSummaries() const { return m_footerSummaries; }
    void setFooterVisible(bool visible);
    bool isFooterVisible() const { return m_footerVisible; }
    /// The footer's text under a column, computed now (empty when the column is hidden or
    /// has no summary).
    QString footerText(const QString& key) const;

    // Sorting and filtering.
    void sortBy(const QString& key, Qt::SortOrder order = Qt::AscendingOrder);
    void clearSort();
    QString sortKey() const;
    Qt::SortOrder sortOrder() const;
    /// Keeps only rows whose text in the column is one of `values`.
    void setColumnFilter(const QString& key, const QStringList& values);
    void clearColumnFilter(const QString& key);
    void clearFilter();
    bool isFiltered() const;
    /// The choices of a column's header filter.
    QStringList filterValues(const QString& key) const;
    QString filterDescription() const;

    // Grouping.
    void setGroupColumn(const QString& key);
    void setGroupSummaries(QList<GridSummary> summaries);
    int groupCount() const;
    QString groupText(int group) const;
    bool isGroupExpanded(int group) const;
    void setGroupExpanded(int group, bool expanded);
    void collapseAll();
    void expandAll();

    // Rows and focus.
    /// Data rows shown after the filters (groups counted expanded).
    int rowCount() const;
    /// Data-set rows in the grid's order after the filters, groups expanded.
    std::vector<int> orderedRows() const;
    int focusedRow() const;
    QString focusedColumn() const;
    RowValues focusedValues() const;
    RowValues rowValues(int sourceRow) const;
    void focusRow(int sourceRow);
    /// Applies typed text as incremental search would (for programs and tests).
    void typeSearch(const QString& text);
    QString searchText() const { return m_searchText; }

    // Widths.
    /// Weighted widths over the grid's own width; best fit when the weights add up to 0.
    void applyWeightedWidths();
    /// Weighted widths when `referenceWidth` exceeds 1152 pixels, best fit otherwise.
    void applyWidthRule(int referenceWidth);
    void bestFit();

    // Menus.
    /// The quick column customization menu: every offered column with a check box.
    QMenu* columnCustomizationMenu();

    // Parts, for the export and tests.
    QTableView* view() const;
    DataSetModel* model() const { return m_model; }
    GridProxy* proxy() const { return m_proxy; }
    GridHeader* header() const { return m_header; }
    GridFooter* footer() const { return m_footer; }
    HeaderFilterPopup* filterPopup();
    GridFilterBar* filterBar() const { return m_filterBar; }

signals:
    /// A data row was double-clicked; `row` is its data-set row, `column` its column key.
    void doubleClicked(int row, const QString& column);
    /// The focused data row changed (-1: none).
    void focusedRowChanged(int row);
    void resized();
    void columnVisibilityChanged(const QString& key, bool visible);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildParts();
    void connectParts();
    void bindModel();
    void applyColumnLayout();
    template <typename Change> void rearrange(Change change);
    void rememberFocus();
    void restoreFocus();
    void focusGridRow(int row);
    void onHeaderClicked(int column);
    void showHeaderFilter(int column, QPoint below);
    void applyHeaderFilter(int column, const std::optional<QSet<QString>>& values);
    void onTyped(const QString& text);
    void onSearchKey(int key);
    void onCurrentChanged();
    void onDoubleClicked(const QModelIndex& index);
    void onContextMenu(QPoint position);
    void showHeaderMenu(QPoint position);
    void updateSpans();
    void scheduleFooter();
    void refreshFooter();
    void refreshFilterBar();
    void fitToWidth();
    void syncScrollBar();
    int keyColumn(const QString& key) const;
    template <typename Change> bool changeColumn(const QString& key, Change change);

    DataSetModel* m_model;
    GridProxy* m_proxy;
    GridTableView* m_view;
    GridHeader* m_header;
    GridIndicator* m_indicator;
    GridCellDelegate* m_delegate;
    GridFooter* m_footer;
    GridFilterBar* m_filterBar;
    QScrollBar* m_hbar;
    HeaderFilterPopup* m_filterPopup = nullptr;
    QMenu* m_customization = nullptr;
    QPointer<QMenu> m_popupMenu;
    GridPaintOptions m_paint;

    QPointer<ClientDataSet> m_dataSet;
    bool m_attached = false;
    QList<GridSummary> m_footerSummaries;
    bool m_footerVisible = true;
    bool m_sortingAllowed = true;
    bool m_headerFilters = true;
    bool m_incrementalSearch = true;
    bool m_columnCustomization = true;
    bool m_autoWidth = false;
    int m_updateDepth = 0;

    QString m_searchText;
    bool m_searching = false;
    bool m_keepFocus = false;
    int m_focusSource = -1;
    QString m_focusGroup;
    int m_focusColumn = 0;
    QTimer m_footerTimer;
};
