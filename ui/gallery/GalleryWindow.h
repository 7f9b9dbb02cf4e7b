#pragma once

#include "ClientDataSet.h"

#include <QMainWindow>

class DataGrid;
class QLabel;
class QTabWidget;

/// Every control of the toolkit layer with sample data, in the "Zircon" look: the stock
/// grid with 100,000 rows, the cart grid, a grouped report, the announcements, the ticker,
/// animated and web pictures, the message dialog and the program's pictures.
class GalleryWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit GalleryWindow(int stockRows = 100000);
    ~GalleryWindow() override;

    /// Saves a picture of every page, of the message dialog, of a header filter and of the
    /// column customization menu into `folder`; false when one cannot be written.
    bool saveScreenshots(const QString& folder);

private:
    QWidget* headerBar();
    QWidget* searchBar();
    QWidget* stockPage();
    QWidget* cartPage();
    QWidget* reportPage();
    QWidget* announcementPage();
    QWidget* controlsPage();
    QWidget* picturesBox();
    QWidget* messagesBox();
    QWidget* animationsBox();
    QWidget* tickerPanel();
    QWidget* legend();
    void setupStockGrid();
    void toggleCartMark(int row, const QString& column);
    bool grabPages(const QString& folder);
    bool grabPopups(const QString& folder);

    ClientDataSet m_stock;
    ClientDataSet m_cart;
    ClientDataSet m_orders;
    ClientDataSet m_announcements;
    QTabWidget* m_tabs = nullptr;
    DataGrid* m_stockGrid = nullptr;
    DataGrid* m_cartGrid = nullptr;
    DataGrid* m_reportGrid = nullptr;
    QLabel* m_answer = nullptr;
};
