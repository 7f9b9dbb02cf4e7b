#pragma once

#include "OrderSender.h"

#include <QObject>
#include <functional>
#include <optional>

class AnimatedPicture;
class CartBottomPanel;
class CartSelectionStrip;
class ClientDataSet;
class DataGrid;
class DataTable;
class OverdueWarning;
class QAction;
class QLineEdit;
class QMenu;
class QWidget;
class RemoteConnection;
class TSonucBilgisi;
class TabSheet;

/// The cart tab `ssepet`: the account's cart lines from the server in `sepet`, the marks
/// of the lines to order with their totals, changing and deleting lines, the export, the
/// overdue warning and "Gönder". Every change goes to the server at once; the cart is then
/// fetched again. Puts its strip and bottom panel under the cart grid on the tab.
class CartTab : public QObject
{
    Q_OBJECT

public:
    /// What the cart tab uses of the main window.
    struct Parts
    {
        QWidget* mainWindow;
        TabSheet* ssepet;
        DataGrid* cxGrid2;
        ClientDataSet* sepet;
        AnimatedPicture* gifsepet;
        QLineEdit* araedit;
        RemoteConnection& bagc;
        const TSonucBilgisi& sbilgi;
    };

    explicit CartTab(const Parts& parts, QObject* parent = nullptr);

    /// Opens the stock detail dialog for the cart line with this `SIRANO` (the catalogue's
    /// `SepetSatirDegistir`, which fetches the cart again when done). Set by the main
    /// window; without it a double-click on a line changes nothing.
    std::function<void(int)> satirDegistir;

    /// The tab became active: overdue warning on its own thread, the cart in the background.
    void ssepetShow();
    /// Fetches the cart now, on the GUI thread, then the caption "N=Sepet" and the totals.
    void SepetYenile();
    /// Totals of the marked lines into the five total labels.
    void SepetToplamlari();
    /// Sends one line's mark; false when it did not reach the server (the user was told).
    bool SecimGonder(int sirano, int secim);

    /// Double-click on a line and "Satır Değiştir": on the "Seç" cell the line's mark is
    /// toggled, on any other cell the line is opened for changing.
    void Deitir1Click();
    /// "Satır Sil": deletes the focused line after asking.
    void SatrSil1Click();
    /// "Hepsini Sil": deletes the whole cart after asking; an empty cart asks nothing.
    void HepsiniSil1Click();
    /// "Hepsini Seç" (1) and "Seçimleri Kaldır" (0).
    void Button4Click();
    void Button5Click();
    /// "Gönder".
    void Button1Click();
    /// "Excel Kaydet".
    void Button2Click();

    CartSelectionStrip* panelsec;
    CartBottomPanel* Panel4;
    QMenu* PopupMenu1;
    QAction* Deitir1 = nullptr;
    QAction* SatrSil1 = nullptr;
    QAction* HepsiniSil1 = nullptr;

private:
    void buildPage();
    void connectHandlers();
    void fetchStarted();
    void fetchEnded();
    void setButtonsEnabled(bool enabled);
    void yukle(quint64 sira, DataTable cart);
    void ozetle();
    void hepsiniIsaretle(int secim);
    bool isaretle(int secim);
    std::optional<int> odaktakiSatir();

    QWidget* m_mainWindow;
    TabSheet* m_ssepet;
    DataGrid* m_grid;
    ClientDataSet* m_sepet;
    AnimatedPicture* m_gifsepet;
    QLineEdit* m_araedit;
    RemoteConnection& m_bagc;
    const TSonucBilgisi& m_sbilgi;
    OverdueWarning* m_uyari;
    OrderSender m_siparis;
    /// Fetches are numbered; an older answer never replaces a newer one.
    quint64 m_sira = 0;
    quint64 m_yuklenen = 0;
    int m_arkaPlan = 0;
};
