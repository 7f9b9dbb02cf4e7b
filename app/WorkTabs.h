#pragma once

#include <QTabWidget>

class TabSheet;

/// The main window's work area `sPageControl1`: the nine work tabs in their fixed order,
/// each with its caption and 32 × 32 picture. A tab becomes active only by a click on its
/// header or by the program; the page that stops being active hears `Hide`, the one that
/// becomes active `Show`.
class WorkTabs : public QTabWidget
{
    Q_OBJECT

public:
    explicit WorkTabs(QWidget* parent = nullptr);

    /// Makes `sheet` the active page (nothing when its tab is hidden).
    void setActiveSheet(TabSheet* sheet);
    TabSheet* activeSheet() const;

    TabSheet* sstoklistesi;
    TabSheet* ssepet;
    TabSheet* sonceki;
    TabSheet* sccariekstre;
    TabSheet* syeniler;
    TabSheet* skampanyali;
    TabSheet* sTabSheetduyuru;
    TabSheet* sTabbakiyeler;
    TabSheet* ss;

private:
    TabSheet* addSheet(const QString& name, const QString& caption, int imageIndex);
    void syncTab(TabSheet* sheet);
    void activeChanged(int index);

    TabSheet* m_active = nullptr;
};
