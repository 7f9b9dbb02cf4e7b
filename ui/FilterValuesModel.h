#pragma once

#include <QAbstractListModel>
#include <QSet>
#include <QStringList>
#include <optional>
#include <vector>

/// The check list of a header filter: a column's distinct values, each checked when rows
/// with it are shown. The empty text is listed as "(Boş)".
class FilterValuesModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    /// Lists `values`; those in `checked` are checked, all of them when there is no set.
    void setValues(const QStringList& values, const std::optional<QSet<QString>>& checked);
    const QStringList& values() const { return m_values; }
    QSet<QString> checkedValues() const;
    int checkedCount() const { return m_checkedCount; }
    void setAllChecked(bool checked);
    void toggle(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void checkedCountChanged(int count);

private:
    void setChecked(int row, bool checked);

    QStringList m_values;
    std::vector<char> m_checked;
    int m_checkedCount = 0;
};
