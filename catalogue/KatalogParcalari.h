#pragma once

class AnimatedPicture;
class ClientDataSet;
class DataGrid;
class QAbstractButton;
class QLineEdit;
class QTabWidget;
class QWidget;
class RemoteConnection;
class TSonucBilgisi;
class TabSheet;

/// What the catalogue works with on the main window, which owns all of it: the connection
/// and the session, the stock tab with the search bar, the new-products and campaign tabs,
/// their grids and data sets, and the cart's data set, which it reads to find a line.
struct KatalogParcalari
{
    QWidget* anaPencere = nullptr; // owner of the stock detail dialog
    RemoteConnection* bagc = nullptr;
    TSonucBilgisi* sbilgi = nullptr;

    QTabWidget* sPageControl1 = nullptr;
    TabSheet* sstoklistesi = nullptr;
    TabSheet* syeniler = nullptr;
    TabSheet* skampanyali = nullptr;

    QLineEdit* araedit = nullptr;
    QAbstractButton* SpeedButton2 = nullptr; // "Ara"
    QAbstractButton* SpeedButton1 = nullptr; // "Temizle"
    AnimatedPicture* gifstokara = nullptr;
    AnimatedPicture* gifyeniler = nullptr;
    AnimatedPicture* gifkampanyali = nullptr;

    DataGrid* cxGrid1 = nullptr;
    DataGrid* cxGrid6 = nullptr;
    DataGrid* cxkampanyali = nullptr;
    ClientDataSet* stok = nullptr;
    ClientDataSet* YENILER = nullptr;
    ClientDataSet* kampstok = nullptr;
    ClientDataSet* sepet = nullptr;
};
