#include "OptionGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

OptionGroup::OptionGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), m_buttons(new QButtonGroup(this)), m_layout(new QVBoxLayout(this))
{
    m_layout->addStretch(1);
    connect(m_buttons, &QButtonGroup::buttonClicked, this, &OptionGroup::optionClicked);
}

void OptionGroup::clear()
{
    for (QAbstractButton* button : m_buttons->buttons()) {
        m_buttons->removeButton(button);
        delete button;
    }
    m_ids.clear();
}

void OptionGroup::addOption(const QString& text, int id)
{
    auto* button = new QRadioButton(text, this);
    // The position in the group is the button's id; the identifiers are kept beside.
    m_buttons->addButton(button, count());
    m_ids << id;
    m_layout->insertWidget(m_layout->count() - 1, button);
}

QRadioButton* OptionGroup::option(int index) const
{
    return qobject_cast<QRadioButton*>(m_buttons->button(index));
}

int OptionGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void OptionGroup::setItemIndex(int index)
{
    if (QRadioButton* button = option(index))
        button->setChecked(true);
}

int OptionGroup::selectedId() const
{
    return m_ids.at(itemIndex());
}
