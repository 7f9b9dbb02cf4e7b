#include "FilterValuesModel.h"

void FilterValuesModel::setValues(const QStringList& values,
                                  const std::optional<QSet<QString>>& checked)
{
    beginResetModel();
    m_values = values;
    m_checked.assign(values.size(), 1);
    m_checkedCount = static_cast<int>(values.size());
    if (checked) {
        for (int i = 0; i < values.size(); ++i) {
            m_checked[i] = checked->contains(values[i]) ? 1 : 0;
            m_checkedCount -= m_checked[i] ? 0 : 1;
        }
    }
    endResetModel();
    emit checkedCountChanged(m_checkedCount);
}

QSet<QString> FilterValuesModel::checkedValues() const
{
    QSet<QString> set;
    for (int i = 0; i < m_values.size(); ++i) {
        if (m_checked[i])
            set.insert(m_values[i]);
    }
    return set;
}

void FilterValuesModel::setAllChecked(bool checked)
{
    std::fill(m_checked.begin(), m_checked.end(), checked ? 1 : 0);
    m_checkedCount = checked ? static_cast<int>(m_values.size()) : 0;
    if (!m_values.isEmpty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
    emit checkedCountChanged(m_checkedCount);
}

void FilterValuesModel::toggle(int row)
{
    if (row >= 0 && row < rowCount())
        setChecked(row, !m_checked[row]);
}

void FilterValuesModel::setChecked(int row, bool checked)
{
    if (bool(m_checked[row]) == checked)
        return;
    m_checked[row] = checked ? 1 : 0;
    m_checkedCount += checked ? 1 : -1;
    emit dataChanged(index(row), index(row), {Qt::CheckStateRole});
    emit checkedCountChanged(m_checkedCount);
}

int FilterValuesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_values.size());
}

QVariant FilterValuesModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const QString& value = m_values[index.row()];
    if (role == Qt::DisplayRole)
        return value.isEmpty() ? QStringLiteral("(Boş)") : value;
    if (role == Qt::CheckStateRole)
        return static_cast<int>(m_checked[index.row()] ? Qt::Checked : Qt::Unchecked);
    if (role == Qt::UserRole)
        return value;
    return {};
}

bool FilterValuesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags FilterValuesModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags;
}
