#include "GalleryWindow.h"

#include "AnimatedPicture.h"
#include "DataGrid.h"
#include "DisplayFormat.h"
#include "GridExcelExport.h"
#include "GridHeader.h"
#include "HeaderFilterPopup.h"
#include "MesajDialog.h"
#include "MesajGoster.h"
#include "MessagePresenter.h"
#include "SampleData.h"
#include "TAsyncResim.h"
#include "Ticker.h"
#include "UiPictures.h"
#include "PixelFont.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDir>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString amount = QStringLiteral("#,###,##0.00");

/// The amount display format on every floating-point column.
void formatAmounts(ClientDataSet& ds)
{
    for (int c = 0; c < ds.FieldCount(); ++c) {
        if (ds.Data().column(c).type() == FieldType::Float)
            ds.SetDisplayFormat(c, amount);
    }
}

GridColumn label(const char* field, const char* caption, int weight, bool visible = true,
                 bool offered = true)
{
    return {.fieldName = QString::fromUtf8(field),
            .caption = QString::fromUtf8(caption),
            .Tag = weight,
            .visible = visible,
            .offered = offered};
}

GridColumn icon(const char* field, const char* caption, const QHash<int, int>& indexes,
                const QHash<int, QString>& captions)
{
    GridColumn c = label(field, caption, 1);
    c.kind = CellKind::Icon;
    c.alignment = Qt::AlignCenter;
    c.imageIndexes = indexes;
    c.valueCaptions = captions;
    return c;
}

QList<GridColumn> stockColumns()
{
    const auto flags = UiPictures::flagCaptions();
    return {icon("DURUM", "Durum", UiPictures::durumIndexes(), UiPictures::durumCaptions()),
            label("OEM1", "Oem1", 2),
            label("OEM2", "Oem2", 2, false),
            label("OEM3", "Oem3", 2, false),
            label("BARKOD", "Barkod", 2),
            label("FINISHKOD", "Kod", 2),
            label("ADI", "Açıklama", 3),
            label("OEM4", "Oem4", 2, false),
            label("STOK_STOKNO", "", 1, false, false),
            label("URETICIKODU", "Üretici Kod", 2, false),
            label("BARKOD_BARKODNO", "", 1, false, false),
            label("DIGERADI", "Diğer Adı", 3, false),
            label("DPKOD", "", 2, false, false),
            label("OEMNO", "Oem No", 2, false),
            label("MARKA", "Marka", 2),
            label("MODEL", "Model", 2),
            label("ANAGRUP", "Ana Grup", 2, false),
            label("OZELKOD", "Özel Kod", 2),
            label("KALAN", "", 1, false, false),
            label("PKOD", "", 1, false, false),
            label("KDV", "", 1, false),
            label("ALINANSIPARIS", "", 1, false, false),
            label("VERILENSIPARIS", "", 1, false, false),
            icon("RESIM", "Resim", UiPictures::resimIndexes(), flags),
            label("BIRIM", "Birim", 1),
            label("LISTEFIYAT1", "Liste Fiyatı", 2),
            label("KAMPFIYAT", "Kampanyalı Fiyat", 2),
            label("FIYAT", "Liste Fiyatı", 2, false),
            icon("Y", "Yeni", UiPictures::yeniIndexes(), flags),
            icon("K", "Kampanyalı", UiPictures::kampanyaIndexes(), flags),
            label("INDIRIMYAZI", "İndirim Oran", 2),
            label("NETFIYAT", "Net Fiyatı", 2),
            label("KDVDAHIL", "KDV Dahil Fiyat", 3),
            {.caption = "Fiyat Bilgisi", .Tag = 2, .visible = false, .kind = CellKind::Custom}};
}

/// The price summary of the narrow layout: the prices as lines, right-aligned.
void drawPriceSummary(CustomDrawCell& cell)
{
    auto money = [&cell](const char* field) {
        return DisplayFormat::format(amount, cell.row.number(QString::fromLatin1(field)));
    };
    QString text = QStringLiteral("Liste Fiyatı: ") + money("LISTEFIYAT1") + "\n";
    if (cell.row.number(QStringLiteral("KAMPFIYAT")) > 0)
        text += QStringLiteral("Kampanyalı Fiyat: ") + money("KAMPFIYAT") + "\n";
    text += QStringLiteral("NetFiyat: ") + money("NETFIYAT") + "\n";
    text += QStringLiteral("KDV li Fiyat: ") + money("KDVDAHIL");
    cell.painter->fillRect(cell.rect, cell.style.background);
    cell.painter->drawText(cell.rect.adjusted(10, 0, -10, 0),
                           Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, text);
    cell.done = true;
}

QLabel* pictureLabel(const QPixmap& pixmap, const QString& tip = {})
{
    auto* l = new QLabel;
    l->setPixmap(pixmap);
    l->setToolTip(tip);
    return l;
}

/// Lets timers, animations and painting run for a moment.
void settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

GalleryWindow::GalleryWindow(int stockRows)
{
    setWindowTitle(QStringLiteral("Oto Korvel B2B — Denetim Galerisi"));
    m_stock.SetData(SampleData::stock(stockRows));
    formatAmounts(m_stock);
    m_cart.SetData(SampleData::cart());
    formatAmounts(m_cart);
    m_orders.SetData(SampleData::orders());
    formatAmounts(m_orders);
    m_announcements.SetData(SampleData::announcements());

    m_tabs = new QTabWidget;
    m_tabs->setIconSize(QSize(32, 32));
    const ImageList pictures = UiPictures::tabImages();
    m_tabs->addTab(stockPage(), pictures.at(0), QStringLiteral("Stok Listesi"));
    m_tabs->addTab(cartPage(), pictures.at(8), QStringLiteral("14=Sepet"));
    m_tabs->addTab(reportPage(), pictures.at(3), QStringLiteral("Raporlar"));
    m_tabs->addTab(announcementPage(), pictures.at(5), QStringLiteral("Duyurular"));
    m_tabs->addTab(controlsPage(), pictures.at(10), QStringLiteral("Denetimler"));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(headerBar());
    layout->addWidget(searchBar());
    layout->addWidget(m_tabs, 1);
    layout->addWidget(tickerPanel());
    setCentralWidget(central);
}

GalleryWindow::~GalleryWindow()
{
    // The grids let go of the data sets before these members go.
    for (DataGrid* grid : findChildren<DataGrid*>())
        grid->setDataSet(nullptr);
}

QWidget* GalleryWindow::headerBar()
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(100);
    auto* labels = new QGridLayout;
    const QStringList captions{"Kullanıcı: ", "Firma: ", "Temsilci: "};
    const QStringList values{"ÖZGÜR OTO YEDEK PARÇA", "ÖZGÜR OTO YEDEK PARÇA LTD. ŞTİ.",
                             "Ahmet Yılmaz Telefonu: 0532 000 00 00 email: ahmet@example.com"};
    for (int i = 0; i < 3; ++i) {
        labels->addWidget(new QLabel(captions[i]), i, 0);
        labels->addWidget(new QLabel(values[i]), i, 1);
    }
    labels->setColumnStretch(1, 1);
    auto* banner = new AnimatedPicture;
    banner->setFixedSize(409, 100);
    banner->setStretch(true);
    banner->loadFromBytes(SampleData::banner(409, 100));
    auto* menu = new QPushButton;
    menu->setIcon(UiPictures::menuIcon());
    menu->setIconSize(QSize(48, 48));
    menu->setFlat(true);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 8, 0);
    layout->addWidget(pictureLabel(UiPictures::logo()));
    layout->addLayout(labels, 1);
    layout->addWidget(banner);
    layout->addWidget(menu);
    return bar;
}

QWidget* GalleryWindow::searchBar()
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("Panel2"));
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(35);
    auto* edit = new QLineEdit;
    edit->setFixedWidth(340);
    edit->setFont(pixelFont(QStringLiteral("Tahoma"), 20));
    edit->setPlaceholderText(QStringLiteral("BUJİ"));
    auto* busy = new AnimatedPicture;
    busy->setFixedSize(28, 27);
    busy->loadFromFile(UiPictures::busyAnimation());
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(pictureLabel(UiPictures::searchIcon()));
    layout->addWidget(edit);
    layout->addWidget(new QPushButton(QStringLiteral("Ara")));
    layout->addWidget(new QPushButton(QStringLiteral("Temizle")));
    layout->addWidget(busy);
    layout->addStretch();
    return bar;
}

QWidget* GalleryWindow::stockPage()
{
    m_stockGrid = new DataGrid;
    setupStockGrid();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_stockGrid, 1);
    layout->addWidget(legend());
    return page;
}

void GalleryWindow::setupStockGrid()
{
    DataGrid* grid = m_stockGrid;
    grid->setColumns(stockColumns());
    grid->setCustomDraw(QStringLiteral("Fiyat Bilgisi"), drawPriceSummary);
    grid->setImageList(UiPictures::gridImages());
    grid->setFont(pixelFont(QStringLiteral("Arial"), 13));
    grid->setStyles(GridStyleSet::shared(true));
    grid->setIndicatorWidth(5);
    grid->setGridLines(true, Qt::white);
    grid->setHeaderHeight(40);
    grid->setRowHeight(60);
    grid->setFooterSummaries({{QStringLiteral("OEM1"), SummaryKind::Count},
                              {QStringLiteral("KDVDAHIL"), SummaryKind::Sum}});
    auto* menu = new QMenu(grid);
    for (const char* item : {"Sepete Ekle", "", "Sipariş Bakiyeleriniz", "", "Siparişleri Göster",
                             "", "Stok Hareketleri"})
        *item ? (void)menu->addAction(QString::fromUtf8(item)) : (void)menu->addSeparator();
    grid->setPopupMenu(menu);
    grid->sortBy(QStringLiteral("DURUM"));
    grid->setDataSet(&m_stock);
    connect(grid, &DataGrid::resized, this, [grid] { grid->applyWeightedWidths(); });
}

QWidget* GalleryWindow::legend()
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("Panel3"));
    bar->setAttribute(Qt::WA_StyledBackground);
    bar->setFixedHeight(27);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(new QLabel(QStringLiteral("Durum Açıklaması:    ")));
    const ImageList images = UiPictures::gridImages();
    const QHash<int, int> indexes = UiPictures::durumIndexes();
    const QList<std::pair<int, const char*>> entries{
        {1, " Stok mevcut  "},      {2, " Telefon Açınız  "}, {3, " Yolda  "},
        {5, " Tedarik Sürecinde "}, {4, " Özel Sipariş  "},   {0, " Yok  "}};
    for (const auto& [code, text] : entries) {
        layout->addWidget(pictureLabel(images.at(indexes.value(code))));
        layout->addWidget(new QLabel(QString::fromUtf8(text)));
    }
    layout->addStretch();
    return bar;
}

QWidget* GalleryWindow::cartPage()
{
    m_cartGrid = new DataGrid;
    GridColumn sec = label("SEC", "Seç", 1, true, false);
    sec.kind = CellKind::CheckBox;
    sec.incrementalSearch = false;
    m_cartGrid->setColumns(
        {sec, label("VERILISTARIHI", "Sipariş Tarihi", 1), label("BARKOD", "Barkod", 2),
         label("FINISHKOD", "Kod", 2), label("STOKADI", "Stok Açıklama", 3),
         label("MIKTAR", "Miktar", 1), label("BIRIMFIYAT", "Birim Fiyat", 1),
         label("TUTAR", "Tutar", 1), label("INDIRIMYAZI", "İndirim Oran", 2),
         label("NETBIRIMFIYAT", "Net Fiyat", 1), label("KDV", "", 1),
         label("VERGITUTARI", "Vergi Tutarı", 1), label("NETTUTAR", "Net Tutar", 1),
         label("VEREN", "Veren", 1),
         icon("DURUM", "Durum", UiPictures::durumIndexes(), UiPictures::durumCaptions())});
    m_cartGrid->setImageList(UiPictures::gridImages());
    m_cartGrid->setFont(pixelFont(QStringLiteral("Tahoma"), 13));
    m_cartGrid->setStyles(GridStyleSet::shared(false));
    m_cartGrid->setRowHeight(60);
    m_cartGrid->setHeaderHeight(40);
    m_cartGrid->setFooterSummaries({{QStringLiteral("VERILISTARIHI"), SummaryKind::Count},
                                    {QStringLiteral("MIKTAR"), SummaryKind::Sum},
                                    {QStringLiteral("NETTUTAR"), SummaryKind::Sum}});
    m_cartGrid->setDataSet(&m_cart);
    connect(m_cartGrid, &DataGrid::doubleClicked, this, &GalleryWindow::toggleCartMark);
    connect(m_cartGrid, &DataGrid::resized, this, [this] { m_cartGrid->applyWeightedWidths(); });

    auto* all = new QPushButton(UiPictures::selectAllIcon(), QStringLiteral("Hepsini Seç"));
    auto* none = new QPushButton(UiPictures::selectNoneIcon(), QStringLiteral("Seçimleri Kaldır"));
    auto* excel = new QPushButton(QStringLiteral("Excel Kaydet"));
    auto mark = [this](int value) {
        for (m_cart.First(); !m_cart.Eof(); m_cart.Next()) {
            m_cart.Edit();
            m_cart.FieldByName(QStringLiteral("SEC")).SetAsInteger(value);
            m_cart.Post();
        }
    };
    connect(all, &QPushButton::clicked, this, [mark] { mark(1); });
    connect(none, &QPushButton::clicked, this, [mark] { mark(0); });
    connect(excel, &QPushButton::clicked, this,
            [this] { GridExcelExport::saveWithDialog(*m_cartGrid, this); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch();
    buttons->addWidget(excel);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(m_cartGrid, 1);
    layout->addLayout(buttons);
    return page;
}

void GalleryWindow::toggleCartMark(int row, const QString& column)
{
    if (column != QLatin1String("SEC"))
        return;
    m_cart.SetRecNo(row + 1);
    const int mark = m_cart.FieldByName(QStringLiteral("SEC")).AsInteger() == 0 ? 1 : 0;
    m_cart.Edit();
    m_cart.FieldByName(QStringLiteral("SEC")).SetAsInteger(mark);
    m_cart.Post();
}

QWidget* GalleryWindow::reportPage()
{
    m_reportGrid = new DataGrid;
    QList<GridColumn> columns;
    for (const QString& field : m_orders.FieldNames())
        columns << GridColumn{.fieldName = field};
    m_reportGrid->setColumns(columns);
    m_reportGrid->setStyles(GridStyleSet::skin(QStringLiteral("VS2010")));
    m_reportGrid->setRowHeight(26);
    m_reportGrid->setFooterSummaries({{QStringLiteral("TUTAR"), SummaryKind::Sum},
                                      {QStringLiteral("TARIH"), SummaryKind::Count}});
    m_reportGrid->setDataSet(&m_orders);
    m_reportGrid->setGroupColumn(QStringLiteral("SATICIADI"));
    m_reportGrid->setGroupSummaries({{QStringLiteral("TUTAR"), SummaryKind::Sum},
                                     {QStringLiteral("TARIH"), SummaryKind::Count}});
    m_reportGrid->bestFit();
    m_reportGrid->collapseAll();
    m_reportGrid->setGroupExpanded(1, true);

    auto* collapse = new QPushButton(QStringLiteral("Tümünü Daralt"));
    auto* expand = new QPushButton(QStringLiteral("Tümünü Genişlet"));
    connect(collapse, &QPushButton::clicked, m_reportGrid, &DataGrid::collapseAll);
    connect(expand, &QPushButton::clicked, m_reportGrid, &DataGrid::expandAll);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(collapse);
    buttons->addWidget(expand);
    buttons->addStretch();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(m_reportGrid, 1);
    return page;
}

QWidget* GalleryWindow::announcementPage()
{
    auto* grid = new DataGrid;
    grid->setColumns({{.fieldName = "RESIM", .width = 605, .kind = CellKind::Picture},
                      {.fieldName = "BASLIK", .visible = false, .offered = false},
                      {.fieldName = "ARAMA", .visible = false, .offered = false}});
    grid->setHeaderVisible(false);
    grid->setIndicatorWidth(0);
    grid->setRowHeight(205);
    grid->setPixelScrolling(true);
    grid->setSortingAllowed(false);
    grid->setHeaderFiltersAllowed(false);
    grid->setColumnCustomization(false);
    grid->setColumnsResizable(false);
    grid->setIncrementalSearch(false);
    grid->setGridLines(false);
    grid->setStyles(GridStyleSet::shared(true));
    grid->setDataSet(&m_announcements);
    connect(grid, &DataGrid::doubleClicked, this, [grid](int row) {
        MesajGoster(QStringLiteral("Arama: ") + grid->rowValues(row).text("ARAMA"),
                    MessageKind::Information, MessageButton::OkOnly, MessageButton::Ok);
    });
    return grid;
}

QWidget* GalleryWindow::controlsPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    layout->addWidget(animationsBox(), 0, 0);
    layout->addWidget(messagesBox(), 0, 1);
    layout->addWidget(picturesBox(), 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    return page;
}

QWidget* GalleryWindow::animationsBox()
{
    auto* box = new QGroupBox(QStringLiteral("Hareketli ve web resimleri"));
    auto* strip = new AnimatedPicture;
    strip->setAutoHeight(true);
    strip->loadFromBytes(SampleData::banner(520, 60));
    auto* busy = new QHBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* gif = new AnimatedPicture;
        gif->setFixedSize(28, 27);
        gif->loadFromFile(UiPictures::busyAnimation());
        busy->addWidget(gif);
    }
    auto* toggle = new QPushButton(QStringLiteral("Durdur / Başlat"));
    connect(toggle, &QPushButton::clicked, strip,
            [strip] { strip->setAnimate(!strip->animate()); });
    busy->addWidget(toggle);
    busy->addStretch();

    auto* holder = new QWidget;
    holder->setFixedSize(240, 160);
    auto* placeholder = new PictureBox(holder);
    placeholder->setGeometry(holder->rect());
    placeholder->setStretch(true);
    placeholder->setProportional(true);
    placeholder->setCenter(true);
    placeholder->setPicture(UiPictures::logo().toImage());
    auto* web = new TAsyncResim(holder);
    web->setGeometry(holder->rect());
    auto* address = new QLineEdit;
    address->setPlaceholderText(QStringLiteral("http://…/resimgoster.ashx?id=100001"));
    connect(address, &QLineEdit::returnPressed, web,
            [web, address] { web->SetUrl(address->text()); });

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(strip);
    layout->addLayout(busy);
    layout->addWidget(new QLabel(QStringLiteral("Web resmi (adres girip Enter):")));
    layout->addWidget(address);
    layout->addWidget(holder);
    return box;
}

QWidget* GalleryWindow::messagesBox()
{
    auto* box = new QGroupBox(QStringLiteral("Mesajlar"));
    m_answer = new QLabel(QStringLiteral("Sonuç: -"));
    struct Sample
    {
        const char* caption;
        const char* text;
        std::uint8_t kind;
        std::uint16_t buttons;
        std::uint8_t defaultButton;
    };
    const QList<Sample> samples{
        {"Uyarı", "Lütfen en az 3 harf giriniz !", 0, MessageButton::OkOnly, MessageButton::Ok},
        {"Hata", "Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!", 1, MessageButton::OkOnly,
         MessageButton::Ok},
        {"Bilgi", "Satır silindi !", 2, MessageButton::OkOnly, MessageButton::Ok},
        {"Soru", "Programdan Çıkmak İstiyor musunuz ?", 3, MessageButton::YesNo,
         MessageButton::Yes}};
    auto* layout = new QVBoxLayout(box);
    for (const Sample& s : samples) {
        auto* b = new QPushButton(QString::fromUtf8(s.caption));
        connect(b, &QPushButton::clicked, this, [this, s] {
            const int result =
                MesajGoster(QString::fromUtf8(s.text), s.kind, s.buttons, s.defaultButton);
            m_answer->setText(QStringLiteral("Sonuç: %1").arg(result));
        });
        layout->addWidget(b);
    }
    auto* plain = new QPushButton(QStringLiteral("Düz mesaj"));
    connect(plain, &QPushButton::clicked, this,
            [] { MessagePresenter::message(QStringLiteral("Kayıt tamamlandı.")); });
    auto* error = new QPushButton(QStringLiteral("Yakalanmamış hata"));
    connect(error, &QPushButton::clicked, this,
            [] { MessagePresenter::error(QStringLiteral("Sunucu yanıt vermedi.")); });
    layout->addWidget(plain);
    layout->addWidget(error);
    layout->addWidget(m_answer);
    layout->addStretch();
    return box;
}

QWidget* GalleryWindow::picturesBox()
{
    auto* box = new QGroupBox(QStringLiteral("Resimler"));
    auto* layout = new QHBoxLayout(box);
    const ImageList grid = UiPictures::gridImages();
    for (int index : {0, 1, 2, 4, 5, 8, 20, 21, 22, 23, 24})
        layout->addWidget(pictureLabel(grid.at(index), QString::number(index)));
    layout->addSpacing(20);
    const ImageList tabs = UiPictures::tabImages();
    for (int index : {0, 8, 3, 1, 10, 6, 5, 7, 12})
        layout->addWidget(pictureLabel(tabs.at(index), QString::number(index)));
    layout->addSpacing(20);
    layout->addWidget(pictureLabel(UiPictures::searchIcon()));
    auto* menu = new QLabel;
    menu->setPixmap(UiPictures::menuIcon());
    menu->setStyleSheet(QStringLiteral("background: #3d414a;"));
    layout->addWidget(menu);
    layout->addStretch();
    return box;
}

QWidget* GalleryWindow::tickerPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel5"));
    panel->setAttribute(Qt::WA_StyledBackground);
    auto* pictures = new Ticker;
    pictures->setFixedHeight(48);
    const QImage strip = UiPictures::logo().toImage().scaledToHeight(48, Qt::SmoothTransformation);
    pictures->setDrawItem([strip](int, QImage& bitmap) { bitmap = strip; });
    pictures->addItem({QString(), Qt::AlignVCenter, TickerItem::Style::OwnerDraw});
    pictures->setActive(true);
    auto* news = new Ticker;
    news->setFixedHeight(40);
    news->setFont(pixelFont(QStringLiteral("Arial"), 24));
    news->addItem({QStringLiteral("  <b>Duyuru:</b> Haziran ayı boyunca <font color='#ffc41e'>"
                                  "fren balatalarında %20 indirim</font> — <i>Bosch, Mann ve "
                                  "NGK</i> ürünlerinde yeni fiyatlar geçerlidir."),
                   Qt::AlignVCenter, TickerItem::Style::Html});
    news->setActive(true);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pictures);
    layout->addWidget(news);
    return panel;
}

// --- screenshots --------------------------------------------------------------------------

bool GalleryWindow::saveScreenshots(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    show();
    settle(500);
    return grabPages(folder) && grabPopups(folder);
}

bool GalleryWindow::grabPages(const QString& folder)
{
    const QStringList names{"stok", "sepet", "rapor", "duyuru", "denetimler"};
    bool ok = true;
    for (int i = 0; i < m_tabs->count(); ++i) {
        m_tabs->setCurrentIndex(i);
        settle(400);
        ok = grab().save(
                 QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(i + 1).arg(names[i]))) &&
             ok;
    }
    // The narrow stock layout: one price summary column and tall rows.
    m_tabs->setCurrentIndex(0);
    for (const char* key : {"LISTEFIYAT1", "KAMPFIYAT", "NETFIYAT", "KDVDAHIL"})
        m_stockGrid->setColumnVisible(QString::fromLatin1(key), false);
    m_stockGrid->setColumnVisible(QStringLiteral("Fiyat Bilgisi"), true);
    m_stockGrid->setRowHeight(100);
    m_stockGrid->applyWeightedWidths();
    m_stockGrid->setColumnWidth(QStringLiteral("Fiyat Bilgisi"), 150);
    settle(200);
    return grab().save(QDir(folder).filePath(QStringLiteral("6-stok-dar.png"))) && ok;
}

bool GalleryWindow::grabPopups(const QString& folder)
{
    MesajDialog dialog(QStringLiteral("Programdan Çıkmak İstiyor musunuz ?"), 3,
                       MessageButton::YesNo, MessageButton::Yes, this);
    dialog.centreOver(this);
    dialog.show();
    settle(200);
    bool ok = dialog.grab().save(QDir(folder).filePath(QStringLiteral("7-mesaj.png")));
    dialog.close();

    m_tabs->setCurrentIndex(0);
    GridHeader* header = m_stockGrid->header();
    const QRect button =
        header->filterButtonRect(m_stockGrid->columnIndex(QStringLiteral("MARKA")));
    QMouseEvent press(QEvent::MouseButtonPress, button.center(),
                      header->viewport()->mapToGlobal(button.center()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &press);
    settle(200);
    ok = m_stockGrid->filterPopup()->grab().save(
             QDir(folder).filePath(QStringLiteral("8-filtre.png"))) &&
         ok;
    m_stockGrid->filterPopup()->close();

    QMenu* menu = m_stockGrid->columnCustomizationMenu();
    menu->popup(mapToGlobal(QPoint(100, 200)));
    settle(200);
    ok = menu->grab().save(QDir(folder).filePath(QStringLiteral("9-sutunlar.png"))) && ok;
    menu->close();
    return ok;
}
