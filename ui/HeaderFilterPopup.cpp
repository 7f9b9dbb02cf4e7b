#include "HeaderFilterPopup.h"

#include "FilterValuesModel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSortFilterProxyModel>

HeaderFilterPopup::HeaderFilterPopup(QWidget* parent)
    : QFrame(parent, Qt::Popup), m_values(new FilterValuesModel(this)),
      m_search(new QSortFilterProxyModel(this)), m_all(new QCheckBox(QStringLiteral("(Tümü)"))),
      m_searchEdit(new QLineEdit), m_list(new QListView),
      m_ok(new QPushButton(QStringLiteral("Tamam")))
{
    setObjectName(QStringLiteral("HeaderFilterPopup"));
    setFrameShape(QFrame::StyledPanel);
    m_search->setSourceModel(m_values);
    m_search->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_searchEdit->setPlaceholderText(QStringLiteral("Ara"));
    m_searchEdit->setClearButtonEnabled(true);
    m_list->setModel(m_search);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* cancel = new QPushButton(QStringLiteral("Vazgeç"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_searchEdit);
    layout->addWidget(m_all);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(260, 320);

    connect(m_searchEdit, &QLineEdit::textChanged, m_search,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& index) {
        m_values->toggle(m_search->mapToSource(index).row());
    });
    connect(m_all, &QCheckBox::clicked, this,
            [this](bool checked) { m_values->setAllChecked(checked); });
    connect(m_values, &FilterValuesModel::checkedCountChanged, this,
            &HeaderFilterPopup::updateAllBox);
    connect(m_ok, &QPushButton::clicked, this, &HeaderFilterPopup::accept);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
}

void HeaderFilterPopup::setValues(const QStringList& values,
                                  const std::optional<QSet<QString>>& checked)
{
    m_searchEdit->clear();
    m_values->setValues(values, checked);
}

void HeaderFilterPopup::updateAllBox(int checkedCount)
{
    const int all = m_values->rowCount();
    m_all->setCheckState(checkedCount == all ? Qt::Checked
                         : checkedCount == 0 ? Qt::Unchecked
                                             : Qt::PartiallyChecked);
    m_ok->setEnabled(checkedCount > 0);
}

void HeaderFilterPopup::accept()
{
    if (m_values->checkedCount() == 0)
        return;
    const bool everything = m_values->checkedCount() == m_values->rowCount();
    emit applied(everything ? std::nullopt : std::optional(m_values->checkedValues()));
    close();
}
