#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;
class QVBoxLayout;

/// A titled group of option buttons, one per choice, each carrying the identifier of what
/// it stands for; at most one is chosen.
class OptionGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit OptionGroup(const QString& title, QWidget* parent = nullptr);

    /// Removes every option.
    void clear();
    void addOption(const QString& text, int id);
    int count() const { return static_cast<int>(m_ids.size()); }
    QRadioButton* option(int index) const;

    /// Position of the chosen option, -1 when none is.
    int itemIndex() const;
    void setItemIndex(int index);
    /// Identifier of the chosen option; call only when one is chosen.
    int selectedId() const;

signals:
    /// The user clicked an option.
    void optionClicked();

private:
    QButtonGroup* m_buttons;
    QVBoxLayout* m_layout;
    QList<int> m_ids;
};
