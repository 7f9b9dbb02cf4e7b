#include "WorkTabs.h"

#include "TabSheet.h"
#include "UiPictures.h"

#include <QIcon>
#include <QTabBar>

WorkTabs::WorkTabs(QWidget* parent)
    : QTabWidget(parent),
      sstoklistesi(addSheet(QStringLiteral("sstoklistesi"), QStringLiteral("Stok Listesi"), 0)),
      ssepet(addSheet(QStringLiteral("ssepet"), QStringLiteral("Sepet"), 8)),
      sonceki(addSheet(QStringLiteral("sonceki"), QStringLiteral("Önceki Siparişler"), 3)),
      sccariekstre(addSheet(QStringLiteral("sccariekstre"), QStringLiteral("Cari Ekstre"), 1)),
      syeniler(addSheet(QStringLiteral("syeniler"), QStringLiteral("Yeni Stoklar"), 10)),
      skampanyali(
          addSheet(QStringLiteral("skampanyali"), QStringLiteral("Kampanyalı Stoklar"), 6)),
      sTabSheetduyuru(addSheet(QStringLiteral("sTabSheetduyuru"), QStringLiteral("Duyurular"), 5)),
      sTabbakiyeler(addSheet(QStringLiteral("sTabbakiyeler"), QStringLiteral("Bakiyeler"), 7)),
      ss(addSheet(QStringLiteral("ss"), QStringLiteral("Sanal Pos"), 12))
{
    setObjectName(QStringLiteral("sPageControl1"));
    setIconSize(QSize(32, 32));
    tabBar()->setExpanding(false);
    m_active = sstoklistesi;
    connect(this, &QTabWidget::currentChanged, this, &WorkTabs::activeChanged);
}

TabSheet* WorkTabs::addSheet(const QString& name, const QString& caption, int imageIndex)
{
    auto* sheet = new TabSheet(caption, imageIndex, this);
    sheet->setObjectName(name);
    addTab(sheet, QIcon(UiPictures::tabImages().at(imageIndex)), caption);
    connect(sheet, &TabSheet::tabChanged, this, [this, sheet] { syncTab(sheet); });
    return sheet;
}

void WorkTabs::setActiveSheet(TabSheet* sheet)
{
    if (sheet->isTabVisible())
        setCurrentWidget(sheet);
}

TabSheet* WorkTabs::activeSheet() const
{
    return m_active;
}

void WorkTabs::syncTab(TabSheet* sheet)
{
    const int index = indexOf(sheet);
    setTabText(index, sheet->caption());
    setTabVisible(index, sheet->isTabVisible());
}

void WorkTabs::activeChanged(int index)
{
    auto* now = qobject_cast<TabSheet*>(widget(index));
    if (now == m_active)
        return;
    TabSheet* before = m_active;
    m_active = now;
    if (before)
        emit before->Hide();
    if (now)
        emit now->Show();
}
