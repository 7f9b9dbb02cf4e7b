#include "GridTableView.h"

#include "GridCellDelegate.h"
#include "GridProxy.h"
#include "GridRole.h"

#include <QKeyEvent>
#include <QMouseEvent>

GridTableView::GridTableView(QWidget* parent) : QTableView(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);
}

void GridTableView::keyboardSearch(const QString& search)
{
    emit typed(search);
}

bool GridTableView::isGroupHeader(const QModelIndex& index) const
{
    return index.isValid() &&
           index.data(RowKindRole).toInt() == static_cast<int>(GridProxy::RowKind::GroupHeader);
}

void GridTableView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    const int key = event->key();
    if (isGroupHeader(current) && (key == Qt::Key_Left || key == Qt::Key_Right ||
                                   key == Qt::Key_Plus || key == Qt::Key_Minus)) {
        emit groupExpandRequested(current.row(), key == Qt::Key_Right || key == Qt::Key_Plus);
        event->accept();
        return;
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Escape)
        emit searchKey(key);
    QTableView::keyPressEvent(event);
}

void GridTableView::mousePressEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && isGroupHeader(index)) {
        const QRect span = visualRect(index);
        if (event->position().x() < span.left() + GridCellDelegate::groupMarkWidth) {
            QTableView::mousePressEvent(event);
            emit groupToggleRequested(index.row());
            return;
        }
    }
    QTableView::mousePressEvent(event);
}
