#pragma once

#include <QFrame>
#include <QSet>
#include <optional>

class FilterValuesModel;
class QCheckBox;
class QLineEdit;
class QListView;
class QPushButton;
class QSortFilterProxyModel;

/// The drop-down of a header filter button: the column's distinct values with check boxes,
/// "(Tümü)" to check or clear them all, a search box for long lists, "Tamam" and "Vazgeç".
class HeaderFilterPopup : public QFrame
{
    Q_OBJECT

public:
    explicit HeaderFilterPopup(QWidget* parent = nullptr);

    /// Fills the list; `checked` unset means every value is shown.
    void setValues(const QStringList& values, const std::optional<QSet<QString>>& checked);
    FilterValuesModel* valuesModel() const { return m_values; }
    /// Presses "Tamam": emits the chosen filter and closes.
    void accept();

signals:
    /// The chosen values; unset when every value is checked (no filter).
    void applied(std::optional<QSet<QString>> accepted);

private:
    void updateAllBox(int checkedCount);

    FilterValuesModel* m_values;
    QSortFilterProxyModel* m_search;
    QCheckBox* m_all;
    QLineEdit* m_searchEdit;
    QListView* m_list;
    QPushButton* m_ok;
};
