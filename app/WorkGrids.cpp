#include "WorkGrids.h"

#include "ClientDataSet.h"
#include "DataGrid.h"
#include "GridStyleSet.h"
#include "UiPictures.h"
#include "PixelFont.h"

namespace {

// Column helpers: a text column with its caption, weight and start visibility, and the
// variants the tables need.
GridColumn col(const QString& field, const QString& caption, int weight, bool visible,
               bool offered = true)
{
    return GridColumn{.fieldName = field,
                      .caption = caption,
                      .Tag = weight,
                      .visible = visible,
                      .offered = offered};
}

/// A hidden column without caption (its header shows the field name).
GridColumn bare(const QString& field, int weight, bool offered = false)
{
    return col(field, QString(), weight, false, offered);
}

GridColumn centred(GridColumn c)
{
    c.alignment = Qt::AlignCenter;
    return c;
}

GridColumn icon(GridColumn c, const QHash<int, int>& indexes, const QHash<int, QString>& captions)
{
    c.kind = CellKind::Icon;
    c.imageIndexes = indexes;
    c.valueCaptions = captions;
    return centred(c);
}

GridColumn durum(int weight = 1)
{
    return icon(col(QStringLiteral("DURUM"), QStringLiteral("Durum"), weight, true),
                UiPictures::durumIndexes(), UiPictures::durumCaptions());
}

GridColumn yeni()
{
    return icon(col(QStringLiteral("Y"), QStringLiteral("Yeni"), 1, true),
                UiPictures::yeniIndexes(), UiPictures::flagCaptions());
}

GridColumn kampanyali()
{
    return icon(col(QStringLiteral("K"), QStringLiteral("Kampanyalı"), 1, true),
                UiPictures::kampanyaIndexes(), UiPictures::flagCaptions());
}

GridColumn resim()
{
    return icon(col(QStringLiteral("RESIM"), QStringLiteral("Resim"), 1, true),
                UiPictures::resimIndexes(), UiPictures::flagCaptions());
}

/// The stock number: never focused, never filtered, not offered.
GridColumn stokNo()
{
    GridColumn c = bare(QStringLiteral("STOK_STOKNO"), 1);
    c.focusable = false;
    c.filterable = false;
    return c;
}

/// The OEM numbers 1 to 3, hidden and offered.
QList<GridColumn> oem123()
{
    return {col(QStringLiteral("OEM1"), QStringLiteral("Oem1"), 2, false),
            col(QStringLiteral("OEM2"), QStringLiteral("Oem2"), 2, false),
            col(QStringLiteral("OEM3"), QStringLiteral("Oem3"), 2, false)};
}

/// The salesmen's quantities, hidden and not offered until the user type allows them.
QList<GridColumn> quantities()
{
    return {bare(QStringLiteral("KALAN"), 1), bare(QStringLiteral("PKOD"), 1),
            bare(QStringLiteral("KDV"), 1, true), bare(QStringLiteral("ALINANSIPARIS"), 1),
            bare(QStringLiteral("VERILENSIPARIS"), 1)};
}

QList<GridColumn> stockColumns()
{
    QList<GridColumn> c{durum()};
    c << oem123();
    c << col(QStringLiteral("BARKOD"), QStringLiteral("Barkod"), 2, true)
      << col(QStringLiteral("FINISHKOD"), QStringLiteral("Kod"), 2, true)
      << col(QStringLiteral("ADI"), QStringLiteral("Açıklama"), 3, true)
      << col(QStringLiteral("OEM4"), QStringLiteral("Oem4"), 2, false) << stokNo()
      << col(QStringLiteral("URETICIKODU"), QStringLiteral("Üretici Kod"), 2, false)
      << bare(QStringLiteral("BARKOD_BARKODNO"), 1)
      << col(QStringLiteral("DIGERADI"), QStringLiteral("Diğer Adı"), 3, false)
      << bare(QStringLiteral("DPKOD"), 2)
      << col(QStringLiteral("OEMNO"), QStringLiteral("Oem No"), 2, false)
      << col(QStringLiteral("MARKA"), QStringLiteral("Marka"), 2, true)
      << col(QStringLiteral("MODEL"), QStringLiteral("Model"), 2, true)
      << col(QStringLiteral("ANAGRUP"), QStringLiteral("Ana Grup"), 2, false)
      << col(QStringLiteral("OZELKOD"), QStringLiteral("Özel Kod"), 2, true);
    c << quantities();
    c << resim() << col(QStringLiteral("BIRIM"), QStringLiteral("Birim"), 1, true)
      << col(QStringLiteral("LISTEFIYAT1"), QStringLiteral("Liste Fiyatı"), 2, true)
      << col(QStringLiteral("KAMPFIYAT"), QStringLiteral("Kampanyalı Fiyat"), 2, true)
      << col(QStringLiteral("FIYAT"), QStringLiteral("Liste Fiyatı"), 2, false) << yeni()
      << kampanyali()
      << centred(col(QStringLiteral("INDIRIMYAZI"), QStringLiteral("İndirim Oran"), 2, true))
      << col(QStringLiteral("NETFIYAT"), QStringLiteral("Net Fiyatı"), 2, true)
      << col(QStringLiteral("KDVDAHIL"), QStringLiteral("KDV Dahil Fiyat"), 3, true);
    GridColumn summary = col(QString(), WorkGrids::FiyatBilgisi, 2, false);
    summary.kind = CellKind::Custom;
    c << summary;
    return c;
}

QList<GridColumn> cartColumns()
{
    GridColumn sec = col(QStringLiteral("SEC"), QStringLiteral("Seç"), 1, true, false);
    sec.kind = CellKind::CheckBox;
    sec.valueCaptions = UiPictures::flagCaptions();
    sec.incrementalSearch = false;
    QList<GridColumn> c{
        sec,
        col(QStringLiteral("VERILISTARIHI"), QStringLiteral("Sipariş Tarihi"), 1, true),
        col(QStringLiteral("BARKOD"), QStringLiteral("Barkod"), 2, true),
        col(QStringLiteral("FINISHKOD"), QStringLiteral("Kod"), 2, true),
        col(QStringLiteral("STOKADI"), QStringLiteral("Stok Açıklama"), 3, true),
        col(QStringLiteral("MIKTAR"), QStringLiteral("Miktar"), 1, true),
        col(QStringLiteral("BIRIMFIYAT"), QStringLiteral("Birim Fiyat"), 1, true),
        col(QStringLiteral("TUTAR"), QStringLiteral("Tutar"), 1, true),
        centred(col(QStringLiteral("INDIRIMYAZI"), QStringLiteral("İndirim Oran"), 2, true)),
        col(QStringLiteral("NETBIRIMFIYAT"), QStringLiteral("Net Fiyat"), 1, true),
        col(QStringLiteral("KDV"), QString(), 1, true),
        col(QStringLiteral("VERGITUTARI"), QStringLiteral("Vergi Tutarı"), 1, true),
        col(QStringLiteral("NETTUTAR"), QStringLiteral("Net Tutar"), 1, true),
        col(QStringLiteral("VEREN"), QStringLiteral("Veren"), 1, true),
        durum(),
        bare(QStringLiteral("SIRANO"), 0),
        col(QStringLiteral("SIPARISNO"), QStringLiteral("Sipariş No"), 0, false),
        bare(QStringLiteral("CARINO"), 0),
        col(QStringLiteral("TARIH"), QStringLiteral("Tarih"), 1, false),
        bare(QStringLiteral("AKTAR"), 0),
        bare(QStringLiteral("STOKNO"), 0),
        col(QStringLiteral("OEMNO"), QStringLiteral("OEMNo"), 2, false),
        col(QStringLiteral("INDIRIMORANI1"), QStringLiteral("İndirim Oranı %"), 1, false, false),
        bare(QStringLiteral("INDIRIMORANI2"), 1),
        bare(QStringLiteral("INDIRIMORANI3"), 1),
        col(QStringLiteral("INDIRIMTUTAR"), QStringLiteral("İndirim Tutar"), 1, false, false),
        col(QStringLiteral("KUR"), QStringLiteral("Kur"), 1, false),
        bare(QStringLiteral("KURTL"), 1),
        bare(QStringLiteral("VERENIDNO"), 1),
        col(QStringLiteral("SAAT"), QStringLiteral("Saat"), 1, false),
        bare(QStringLiteral("TESLIMID"), 1),
        bare(QStringLiteral("KARGOID"), 1),
        col(QStringLiteral("ACIKLAMA"), QStringLiteral("Açıklama"), 1, false),
        bare(QStringLiteral("IDNO"), 1),
        bare(QStringLiteral("VERENSIRANO"), 1),
        col(QStringLiteral("CARIKOD"), QStringLiteral("Cari Kod"), 1, false, false),
        col(QStringLiteral("CARIADI"), QStringLiteral("Cari Adı"), 1, false, false)};
    for (const char* oem : {"OEM1", "OEM2", "OEM3", "OEM4"})
        c << bare(QString::fromLatin1(oem), 1, true);
    c << bare(QStringLiteral("STOK_STOKNO"), 1) << bare(QStringLiteral("URETICIKODU"), 1)
      << bare(QStringLiteral("DIGERADI"), 1, true) << bare(QStringLiteral("DPKOD"), 1, true)
      << col(QStringLiteral("MARKA"), QStringLiteral("Marka"), 1, false)
      << col(QStringLiteral("MODEL"), QStringLiteral("Model"), 1, false)
      << col(QStringLiteral("ANAGRUP"), QStringLiteral("Ana Grup"), 1, false)
      << col(QStringLiteral("OZELKOD"), QStringLiteral("Özel Kod"), 1, false)
      << bare(QStringLiteral("PKOD"), 1, true)
      << col(QStringLiteral("KALAN"), QStringLiteral("Kalan"), 1, false, false)
      << bare(QStringLiteral("INDIRIMORANI4"), 0, true);
    return c;
}

/// The columns the new-products and campaign lists share, from "Oem1" to "Özel Kod";
/// the campaign list has its picture flag and another caption for the finish code.
QList<GridColumn> productColumns(bool campaign)
{
    QList<GridColumn> c = oem123();
    c << col(QStringLiteral("BARKOD"), QStringLiteral("Barkod"), 2, true)
      << col(QStringLiteral("ADI"), QStringLiteral("Açıklama"), 3, true)
      << col(QStringLiteral("OEM4"), QStringLiteral("Oem4"), 2, false) << stokNo();
    if (campaign)
        c << resim();
    c << col(QStringLiteral("FINISHKOD"),
             campaign ? QStringLiteral("Finish Kod") : QStringLiteral("Kod"), 2, true)
      << col(QStringLiteral("URETICIKODU"), QStringLiteral("Üretici Kod"), 2, false)
      << bare(QStringLiteral("BARKOD_BARKODNO"), 1)
      << col(QStringLiteral("DIGERADI"), QStringLiteral("Diğer Adı"), 3, false)
      << bare(QStringLiteral("DPKOD"), 2)
      << col(QStringLiteral("OEMNO"), QStringLiteral("Oem No"), 2, false)
      << col(QStringLiteral("BIRIM"), QStringLiteral("Birim"), 1, true)
      << col(QStringLiteral("MARKA"), QStringLiteral("Marka"), 2, true)
      << col(QStringLiteral("MODEL"), QStringLiteral("Model"), 2, true)
      << col(QStringLiteral("ANAGRUP"), QStringLiteral("Ana Grup"), 2, false)
      << col(QStringLiteral("OZELKOD"), QStringLiteral("Özel Kod"), 2, false);
    c << quantities();
    return c;
}

QList<GridColumn> newProductColumns()
{
    QList<GridColumn> c = productColumns(false);
    c << col(QStringLiteral("FIYAT"), QStringLiteral("Liste Fiyatı2"), 2, false) << kampanyali()
      << col(QStringLiteral("LISTEFIYAT1"), QStringLiteral("Liste Fiyatı"), 2, true)
      << col(QStringLiteral("KAMPFIYAT"), QStringLiteral("Kampanyalı Fiyatı"), 2, true)
      << centred(col(QStringLiteral("INDIRIMYAZI"), QStringLiteral("Indirim Oran"), 2, true))
      << col(QStringLiteral("INDIRIM"), QStringLiteral("İndirim Oran"), 1, false, false)
      << col(QStringLiteral("NETFIYAT"), QStringLiteral("Net Fiyatı"), 2, true)
      << col(QStringLiteral("KDVDAHIL"), QStringLiteral("KDV Dahil Fiyat"), 2, true);
    return c;
}

QList<GridColumn> campaignColumns()
{
    QList<GridColumn> c = productColumns(true);
    c << col(QStringLiteral("ESKIFIYAT"), QStringLiteral("Liste Fiyatı"), 2, true)
      << col(QStringLiteral("FIYAT"), QStringLiteral("Kampanyalı Fiyatı"), 2, true) << yeni()
      << kampanyali()
      << col(QStringLiteral("INDIRIM"), QStringLiteral("İndirim Oran"), 1, false, false)
      << centred(col(QStringLiteral("INDIRIMYAZI"), QStringLiteral("İndirim Oran"), 2, true))
      << col(QStringLiteral("NETFIYAT"), QStringLiteral("Net Fiyatı"), 2, true)
      << col(QStringLiteral("KDVDAHIL"), QStringLiteral("KDV Dahil Fiyat"), 2, true) << durum();
    return c;
}

/// A work grid of the main window: read-only, whole rows, header filters, incremental
/// search, quick column customization, no grouping, the shared styles and icons.
DataGrid* workGrid(const QString& name, QList<GridColumn> columns, bool whiteOdd, int rowHeight,
                   const QFont& font, QWidget* parent)
{
    auto* grid = new DataGrid(parent);
    grid->setObjectName(name);
    grid->setFont(font);
    grid->setImageList(UiPictures::gridImages());
    grid->setColumns(std::move(columns));
    grid->setStyles(GridStyleSet::shared(whiteOdd));
    grid->setRowHeight(rowHeight);
    grid->setHeaderHeight(40);
    return grid;
}

} // namespace

const QString WorkGrids::FiyatBilgisi = QStringLiteral("Fiyat Bilgisi");

DataGrid* WorkGrids::stok(QWidget* parent)
{
    DataGrid* grid = workGrid(QStringLiteral("cxGrid1"), stockColumns(), true, WideRowHeight,
                              pixelFont(QStringLiteral("Arial"), 13), parent);
    grid->setIndicatorWidth(5);
    grid->setGridLines(true, Qt::white);
    grid->setFooterSummaries({{QStringLiteral("OEM1"), SummaryKind::Count}});
    grid->sortBy(QStringLiteral("DURUM"));
    return grid;
}

DataGrid* WorkGrids::sepet(QWidget* parent)
{
    DataGrid* grid = workGrid(QStringLiteral("cxGrid2"), cartColumns(), false, 60,
                              pixelFont(QStringLiteral("Tahoma"), 13), parent);
    grid->setFocusRectVisible(false);
    grid->setFooterSummaries({{QStringLiteral("VERILISTARIHI"), SummaryKind::Count},
                              {QStringLiteral("MIKTAR"), SummaryKind::Sum},
                              {QStringLiteral("NETTUTAR"), SummaryKind::Sum}});
    return grid;
}

DataGrid* WorkGrids::yeniler(QWidget* parent)
{
    DataGrid* grid = workGrid(QStringLiteral("cxGrid6"), newProductColumns(), false, 40,
                              pixelFont(QStringLiteral("Tahoma"), 13), parent);
    grid->setFooterSummaries({{QStringLiteral("OEM1"), SummaryKind::Count}});
    return grid;
}

DataGrid* WorkGrids::kampanyali(QWidget* parent)
{
    DataGrid* grid = workGrid(QStringLiteral("cxkampanyali"), campaignColumns(), true, 40,
                              pixelFont(QStringLiteral("Arial"), 11), parent);
    grid->setFooterSummaries({{QStringLiteral("OEM1"), SummaryKind::Count}});
    return grid;
}

void WorkGrids::stokKolonAyarla(DataGrid& grid, bool wide)
{
    grid.beginUpdate();
    // Decided from the width alone, for every user type: a reduced view that withdrew the
    // campaign price from the column chooser still shows it in the wide layout.
    for (const char* key : {"KDVDAHIL", "NETFIYAT", "KAMPFIYAT", "LISTEFIYAT1"})
        grid.setColumnVisible(QString::fromLatin1(key), wide);
    grid.setColumnVisible(FiyatBilgisi, !wide);
    grid.setRowHeight(wide ? WideRowHeight : NarrowRowHeight);
    grid.applyWeightedWidths();
    if (!wide) {
        for (const char* oem : {"OEM1", "OEM2", "OEM3"})
            grid.setColumnWidth(QString::fromLatin1(oem), 80);
        grid.setColumnWidth(FiyatBilgisi, 150);
    }
    grid.endUpdate();
}

void WorkGrids::setColumnOffered(DataGrid& grid, const QString& key, bool shown)
{
    grid.setColumnVisible(key, shown);
    grid.setColumnOffered(key, shown);
}

bool WorkGrids::isOffered(const DataGrid& grid, const QString& key)
{
    const int index = grid.columnIndex(key);
    return index >= 0 && grid.columns()[index].offered;
}
