#include "DataSetModel.h"

#include "ClientDataSet.h"
#include "GridRole.h"

namespace {

constexpr int pictureCacheBytes = 64 * 1024 * 1024;

} // namespace

DataSetModel::DataSetModel(QObject* parent)
    : QAbstractTableModel(parent), m_pictures(pictureCacheBytes)
{
}

void DataSetModel::setColumns(QList<GridColumn> columns)
{
    beginResetModel();
    m_columns = std::move(columns);
    bindFields();
    endResetModel();
}

void DataSetModel::updateColumn(int index, const GridColumn& column)
{
    if (index < 0 || index >= m_columns.size())
        return;
    m_columns[index] = column;
    emit headerDataChanged(Qt::Horizontal, index, index);
}

int DataSetModel::columnIndex(const QString& key) const
{
    for (int c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].key().compare(key, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

void DataSetModel::setDataSet(ClientDataSet* dataSet)
{
    if (m_dataSet)
        m_dataSet->disconnect(this);
    beginResetModel();
    m_dataSet = dataSet;
    bindFields();
    endResetModel();
    connectDataSet();
}

void DataSetModel::connectDataSet()
{
    if (!m_dataSet)
        return;
    connect(m_dataSet, &ClientDataSet::reset, this, &DataSetModel::onReset);
    connect(m_dataSet, &ClientDataSet::rowChanged, this, &DataSetModel::onRowChanged);
    connect(m_dataSet, &ClientDataSet::rowInserted, this, &DataSetModel::onRowInserted);
    connect(m_dataSet, &ClientDataSet::rowRemoved, this, &DataSetModel::onRowRemoved);
    connect(m_dataSet, &QObject::destroyed, this, [this] { setDataSet(nullptr); });
}

void DataSetModel::bindFields()
{
    m_pictures.clear();
    m_fields.assign(m_columns.size(), -1);
    m_rowCount = m_dataSet ? m_dataSet->RecordCount() : 0;
    if (!m_dataSet)
        return;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (!m_columns[c].fieldName.isEmpty())
            m_fields[c] = m_dataSet->FieldIndex(m_columns[c].fieldName);
    }
}

void DataSetModel::onReset()
{
    beginResetModel();
    bindFields();
    endResetModel();
}

void DataSetModel::onRowChanged(int row)
{
    for (int c = 0; c < m_columns.size(); ++c)
        m_pictures.remove(qint64(row) * m_columns.size() + c);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void DataSetModel::onRowInserted(int row)
{
    beginInsertRows({}, row, row);
    ++m_rowCount;
    endInsertRows();
}

void DataSetModel::onRowRemoved(int row)
{
    // The data set has already removed the row; until the views have been told, rows are
    // numbered as before so that what they read during the removal is consistent.
    m_removedRow = row;
    beginRemoveRows({}, row, row);
    m_removedRow = -1;
    --m_rowCount;
    m_pictures.clear();
    endRemoveRows();
}

int DataSetModel::dataSetRow(int row) const
{
    if (m_removedRow < 0 || row < m_removedRow)
        return row;
    return row == m_removedRow ? -1 : row - 1;
}

int DataSetModel::fieldOf(int column) const
{
    return column >= 0 && column < static_cast<int>(m_fields.size()) ? m_fields[column] : -1;
}

void DataSetModel::setImageList(const ImageList& images)
{
    m_images = images;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                         {Qt::DecorationRole});
}

QVariant DataSetModel::cellValue(int row, int column) const
{
    const int field = fieldOf(column);
    const int r = dataSetRow(row);
    return field < 0 || r < 0 ? QVariant() : m_dataSet->value(r, field);
}

QString DataSetModel::displayText(int row, int column) const
{
    const int field = fieldOf(column);
    const int r = dataSetRow(row);
    return field < 0 || r < 0 ? QString() : m_dataSet->displayText(r, field);
}

QString DataSetModel::filterText(int row, int column) const
{
    const GridColumn& c = m_columns[column];
    if (c.kind == CellKind::Text || c.kind == CellKind::Memo)
        return displayText(row, column);
    if (c.kind != CellKind::CheckBox && c.kind != CellKind::Icon)
        return {};
    const QVariant v = cellValue(row, column);
    if (!v.isValid())
        return {};
    const auto caption = c.valueCaptions.constFind(v.toInt());
    return caption != c.valueCaptions.cend() ? caption.value() : v.toString();
}

QImage DataSetModel::picture(int row, int column) const
{
    const qint64 key = qint64(row) * m_columns.size() + column;
    if (const QImage* cached = m_pictures.object(key))
        return *cached;
    const QVariant v = cellValue(row, column);
    QImage image;
    if (v.isValid())
        image.loadFromData(v.toByteArray()); // the format is recognised from the bytes
    m_pictures.insert(key, new QImage(image), std::max<qsizetype>(1, image.sizeInBytes()));
    return image;
}

QVariant DataSetModel::checkState(int row, int column) const
{
    const QVariant v = cellValue(row, column);
    if (!v.isValid())
        return static_cast<int>(Qt::Unchecked);
    const double n = v.toDouble();
    if (n == 1)
        return static_cast<int>(Qt::Checked);
    return static_cast<int>(n == 0 ? Qt::Unchecked : Qt::PartiallyChecked);
}

QVariant DataSetModel::decoration(int row, int column) const
{
    const GridColumn& c = m_columns[column];
    if (c.kind == CellKind::Picture)
        return picture(row, column);
    const QVariant v = cellValue(row, column);
    if (c.kind != CellKind::Icon || !v.isValid())
        return {};
    const auto index = c.imageIndexes.constFind(v.toInt());
    if (index == c.imageIndexes.cend())
        return {};
    const QPixmap pixmap = m_images.at(index.value());
    return pixmap.isNull() ? QVariant() : QVariant(pixmap);
}

int DataSetModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int DataSetModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant DataSetModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const int row = index.row();
    const int column = index.column();
    const CellKind kind = m_columns[column].kind;
    switch (role) {
    case Qt::DisplayRole:
        return kind == CellKind::Text || kind == CellKind::Memo ? displayText(row, column)
                                                                : QVariant();
    case Qt::TextAlignmentRole:
        return static_cast<int>(m_columns[column].alignment);
    case Qt::CheckStateRole:
        return kind == CellKind::CheckBox ? checkState(row, column) : QVariant();
    case Qt::DecorationRole:
        return decoration(row, column);
    case RawValueRole:
        return cellValue(row, column);
    case SourceRowRole:
        return dataSetRow(row);
    case FilterTextRole:
        return filterText(row, column);
    }
    return {};
}

QVariant DataSetModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns[section].headerText();
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(m_columns[section].headerAlignment);
    return {};
}

Qt::ItemFlags DataSetModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Read-only: rows can be focused and selected, never edited here.
    return m_columns[index.column()].focusable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                               : Qt::ItemIsEnabled;
}
