#pragma once

#include "ClientDataSet.h"
#include "GridColumn.h"
#include "ImageList.h"

#include <QAbstractTableModel>
#include <QCache>
#include <QImage>
#include <QList>
#include <QPointer>
#include <vector>

/// Shows a client data set as a table of declared grid columns. Cells are read from the
/// data set when asked for, never copied; only decoded pictures are kept in a small cache.
/// Without a data set (detached) the model has no rows.
class DataSetModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit DataSetModel(QObject* parent = nullptr);

    void setColumns(QList<GridColumn> columns);
    const QList<GridColumn>& columns() const { return m_columns; }
    const GridColumn& column(int index) const { return m_columns[index]; }
    /// Replaces one column's settings that do not change its cells (caption, visibility,
    /// offering, weight, width, alignment, filtering); other changes need setColumns.
    void updateColumn(int index, const GridColumn& column);
    /// Index of the column with this key (see GridColumn::key), or -1.
    int columnIndex(const QString& key) const;

    /// Binds the data set (nullptr detaches). The model follows the data set's signals.
    void setDataSet(ClientDataSet* dataSet);
    ClientDataSet* dataSet() const { return m_dataSet; }
    /// The data-set field behind a column, or -1 (drawn column, field missing, detached).
    int fieldOf(int column) const;

    void setImageList(const ImageList& images);
    const ImageList& imageList() const { return m_images; }

    /// The cell as text: display text for text cells, the value (or its caption from
    /// GridColumn::valueCaptions) for check box and icon cells, empty otherwise.
    QString filterText(int row, int column) const;
    /// The cell's display text with the data set's display format applied.
    QString displayText(int row, int column) const;
    /// The decoded picture of a picture cell (null when empty or not a known format).
    QImage picture(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void connectDataSet();
    void bindFields();
    void onReset();
    void onRowChanged(int row);
    void onRowInserted(int row);
    void onRowRemoved(int row);
    int dataSetRow(int row) const;
    QVariant cellValue(int row, int column) const;
    QVariant checkState(int row, int column) const;
    QVariant decoration(int row, int column) const;

    QList<GridColumn> m_columns;
    QPointer<ClientDataSet> m_dataSet;
    std::vector<int> m_fields;
    int m_rowCount = 0;
    int m_removedRow = -1; // a row the data set has already dropped while views are told
    ImageList m_images;
    mutable QCache<qint64, QImage> m_pictures;
};
