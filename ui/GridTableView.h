#pragma once

#include <QTableView>

/// The table inside a DataGrid. It turns typing into incremental-search requests and
/// clicks and keys on group rows into expand/collapse requests; the grid decides.
class GridTableView : public QTableView
{
    Q_OBJECT

public:
    explicit GridTableView(QWidget* parent = nullptr);

    void keyboardSearch(const QString& search) override;
    /// Lays out headers and viewport again after a header changed its size hint.
    void refreshGeometry() { updateGeometries(); }

signals:
    /// Printable text was typed while the grid had the focus.
    void typed(const QString& text);
    /// Backspace or Escape was pressed.
    void searchKey(int key);
    /// A group row's mark was clicked.
    void groupToggleRequested(int row);
    /// Right/+ (expand) or Left/- (collapse) on a group row.
    void groupExpandRequested(int row, bool expand);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    bool isGroupHeader(const QModelIndex& index) const;
};
