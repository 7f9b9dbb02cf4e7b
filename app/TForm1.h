#pragma once

#include "RemoteConnection.h"
#include "StartupBatch.h"
#include "TSonucBilgisi.h"

#include <QMainWindow>

class AnimatedPicture;
class CartTab;
class ClientDataSet;
class DataGrid;
class HeaderPanel;
class Katalog;
class LegendPanel;
class SearchBar;
class TickerPanel;
class WorkTabs;

/// The main window "Oto Korvel B2B Programı", alive until the process ends. It owns the
/// server connection `bagc`, the session record `sbilgi` and the data sets of the work
/// tabs, and composes the header, the search bar, the work tabs, the legend and the news
/// line. The tabs' own logic lives in classes of their subsystems, which put their content
/// on the tab pages and start their work when a page is shown.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    /// The reference width above which the window counts as wide.
    static constexpr int WideWidth = 1152;

    /// The construction of the session: titles, message font, workstation fields,
    /// connection endpoint, the login, and the start-up batch. Returns false when the
    /// program has been ended on the way (the caller must then return at once).
    bool FormCreate();
    /// Shows the login; ends the program unless it succeeds, then adapts the window to the
    /// user type. Returns false when the program has been ended.
    bool GirisYap();
    /// What the user type offers: salesmen (1, 2) their button, quantities and reports;
    /// type 3 no status column in the cart; type 4 no campaign tab or campaign prices.
    void KullaniciTipineGoreAyarla();
    /// Writes the session's user, customer and salesman into the header; from a background
    /// task it hands the work to the GUI thread and waits.
    void AnaBilgiAl();
    /// Asks "Programdan Çıkmak İstiyor musunuz ?"; Yes ends the program, anything else
    /// keeps it running.
    void FormCloseQuery();
    /// "Çıkış": asks the window to close.
    void G1Click();
    /// The web site item: opens the wholesaler's site in the browser.
    void WebSitesi1Click();
    /// The stock grid's layout for the window's width.
    void StokKolonAyarla();

    /// The loaders of the start-up batch, in their order.
    StartupBatch& acilisGorevleri() { return m_acilis; }

    RemoteConnection bagc;
    TSonucBilgisi sbilgi;
    int _acilisadet = 0;

    HeaderPanel* Panel1;
    SearchBar* Panel2;
    AnimatedPicture* RxGIFAnimator2;
    WorkTabs* sPageControl1;
    LegendPanel* Panel3;
    TickerPanel* Panel5;

    DataGrid* cxGrid1;
    DataGrid* cxGrid2;
    DataGrid* cxGrid6;
    DataGrid* cxkampanyali;

    ClientDataSet* stok;
    ClientDataSet* sepet;
    ClientDataSet* YENILER;
    ClientDataSet* kampstok;

    /// The stock search, the new-products and campaign tabs and the stock detail dialog.
    Katalog* katalog;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void placeGrids();
    void connectHandlers();
    void katalogBagla();
    void saticiGorunumu();
    void bayiGorunumu();
    void kisaGorunum();
    void cxGrid1Resize();
    void cxGrid2Resize();
    void cxGrid6Resize();
    void cxkampanyaliResize();
    int ekranGenisligi() const;
    /// The cart tab, the order sending and the overdue warning.
    void siparisBagla();

    StartupBatch m_acilis;
    CartTab* m_sepet = nullptr;
};
