#include "CartTab.h"

#include "AnimatedPicture.h"
#include "CartBottomPanel.h"
#include "CartCalls.h"
#include "CartSelectionStrip.h"
#include "CartTotals.h"
#include "CartTotalsPanel.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "DataSetHelpers.h"
#include "GridExcelExport.h"
#include "MesajGoster.h"
#include "OverdueWarning.h"
#include "RemoteConnection.h"
#include "TAwait.h"
#include "TSonucBilgisi.h"
#include "TabSheet.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

const QString SecCaption = QStringLiteral("Seç");
const QString Sec = QStringLiteral("SEC");
const QString Sirano = QStringLiteral("SIRANO");

/// A question with Yes and No, No as default; true only for Yes.
bool evetMi(const QString& soru)
{
    return MesajGoster(soru, MessageKind::Confirmation, MessageButton::YesNo, MessageButton::No) ==
           MessageResult::Yes;
}

void bilgi(const QString& text)
{
    MesajGoster(text, MessageKind::Information, MessageButton::OkOnly, MessageButton::Ok);
}

} // namespace

CartTab::CartTab(const Parts& parts, QObject* parent)
    : QObject(parent), panelsec(new CartSelectionStrip(parts.ssepet)),
      Panel4(new CartBottomPanel(parts.ssepet)), PopupMenu1(new QMenu(parts.cxGrid2)),
      m_mainWindow(parts.mainWindow), m_ssepet(parts.ssepet), m_grid(parts.cxGrid2),
      m_sepet(parts.sepet), m_gifsepet(parts.gifsepet), m_araedit(parts.araedit),
      m_bagc(parts.bagc), m_sbilgi(parts.sbilgi),
      m_uyari(new OverdueWarning(parts.bagc, parts.sbilgi, panelsec->lbluyarbakiye, this)),
      m_siparis(parts.mainWindow, parts.bagc, parts.sbilgi)
{
    buildPage();
    connectHandlers();
}

void CartTab::buildPage()
{
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Deitir1 = PopupMenu1->addAction(QStringLiteral("Satır Değiştir"));
    PopupMenu1->addSeparator();
    SatrSil1 = PopupMenu1->addAction(QStringLiteral("Satır Sil"));
    PopupMenu1->addSeparator();
    HepsiniSil1 = PopupMenu1->addAction(QStringLiteral("Hepsini Sil"));
    m_grid->setPopupMenu(PopupMenu1);
    // Under the grid, which the main window has put on the page.
    m_ssepet->layout()->addWidget(panelsec);
    m_ssepet->layout()->addWidget(Panel4);
}

void CartTab::connectHandlers()
{
    connect(m_ssepet, &TabSheet::Show, this, &CartTab::ssepetShow);
    connect(m_grid, &DataGrid::doubleClicked, this, &CartTab::Deitir1Click);
    connect(Deitir1, &QAction::triggered, this, &CartTab::Deitir1Click);
    connect(SatrSil1, &QAction::triggered, this, &CartTab::SatrSil1Click);
    connect(HepsiniSil1, &QAction::triggered, this, &CartTab::HepsiniSil1Click);
    connect(panelsec->Button4, &QPushButton::clicked, this, &CartTab::Button4Click);
    connect(panelsec->Button5, &QPushButton::clicked, this, &CartTab::Button5Click);
    connect(Panel4->Button1, &QPushButton::clicked, this, &CartTab::Button1Click);
    connect(Panel4->Button2, &QPushButton::clicked, this, &CartTab::Button2Click);
}

void CartTab::ssepetShow()
{
    panelsec->lbluyarbakiye->clear();
    fetchStarted();
    m_uyari->CariBakiyeUyariBak();
    const quint64 sira = ++m_sira;
    // The clone is made here, where `bagc` lives; the worker only opens and uses it.
    std::shared_ptr<RemoteConnection> clone = m_bagc.Clone();
    auto sonuc = std::make_shared<std::optional<DataTable>>();
    Async([clone, sonuc, carino = m_sbilgi.CARINO()] {
        *sonuc = CartCalls::sepetVer(*clone, carino);
    })->Await(this, [this, sira, sonuc] {
        // The data set is filled here, on the thread its grid and the other handlers use.
        if (*sonuc)
            yukle(sira, std::move(**sonuc));
        ozetle();
        fetchEnded();
    });
}

void CartTab::fetchStarted()
{
    if (m_arkaPlan++ > 0)
        return;
    m_gifsepet->show();
    m_gifsepet->setAnimate(true);
    m_grid->setEnabled(false);
    m_sepet->DisableControls();
    m_grid->detachDataSet();
    m_grid->beginUpdate();
    setButtonsEnabled(false);
}

void CartTab::fetchEnded()
{
    if (--m_arkaPlan > 0)
        return;
    m_sepet->EnableControls();
    m_grid->setEnabled(true);
    m_grid->attachDataSet();
    m_grid->endUpdate();
    setButtonsEnabled(true);
    m_gifsepet->setAnimate(false);
    m_gifsepet->hide();
}

void CartTab::setButtonsEnabled(bool enabled)
{
    // While a fetch runs, what the buttons did to the lines could be overtaken by its answer.
    for (QPushButton* button :
         {panelsec->Button4, panelsec->Button5, Panel4->Button1, Panel4->Button2})
        button->setEnabled(enabled);
}

void CartTab::SepetYenile()
{
    const quint64 sira = ++m_sira;
    const std::unique_ptr<RemoteConnection> clone = m_bagc.Clone();
    if (std::optional<DataTable> cart = CartCalls::sepetVer(*clone, m_sbilgi.CARINO()))
        yukle(sira, std::move(*cart));
    ozetle();
}

void CartTab::yukle(quint64 sira, DataTable cart)
{
    if (sira < m_yuklenen)
        return;
    m_yuklenen = sira;
    m_sepet->SetData(std::move(cart));
    TutarBicimlendir(*m_sepet);
}

void CartTab::ozetle()
{
    m_ssepet->setCaption(QString::number(m_sepet->RecordCount()) + QStringLiteral("=Sepet"));
    SepetToplamlari();
}

void CartTab::SepetToplamlari()
{
    Panel4->Panel6->goster(CartTotals::of(*m_sepet));
}

bool CartTab::SecimGonder(int sirano, int secim)
{
    return CartCalls::secimGonder(m_bagc, sirano, secim);
}

std::optional<int> CartTab::odaktakiSatir()
{
    const RowValues row = m_grid->focusedValues();
    if (!row.isValid())
        return std::nullopt;
    const int sirano = row.value(Sirano).toInt();
    m_sepet->Locate(Sirano, sirano);
    return sirano;
}

void CartTab::Deitir1Click()
{
    const std::optional<int> sirano = odaktakiSatir();
    if (!sirano)
        return;
    const int column = m_grid->columnIndex(m_grid->focusedColumn());
    if (column < 0 || m_grid->columns()[column].caption != SecCaption) {
        if (satirDegistir)
            satirDegistir(*sirano);
        return;
    }
    isaretle(m_sepet->FieldByName(Sec).AsInteger() == 0 ? 1 : 0);
    SepetToplamlari();
}

bool CartTab::isaretle(int secim)
{
    Field sec = m_sepet->FieldByName(Sec);
    const QVariant onceki = sec.Value();
    m_sepet->Edit();
    sec.SetAsInteger(secim);
    m_sepet->Post();
    if (SecimGonder(m_sepet->FieldByName(Sirano).AsInteger(), secim))
        return true;
    // The server keeps the old mark, and the order would be made of the server's marks.
    m_sepet->Edit();
    sec.SetValue(onceki);
    m_sepet->Post();
    return false;
}

void CartTab::Button4Click()
{
    hepsiniIsaretle(1);
}

void CartTab::Button5Click()
{
    hepsiniIsaretle(0);
}

void CartTab::hepsiniIsaretle(int secim)
{
    if (VeriVarmi(*m_sepet)) {
        // After a failure the remaining lines stay as the server has them.
        for (m_sepet->First(); !m_sepet->Eof() && isaretle(secim); m_sepet->Next()) {
        }
    }
    SepetToplamlari();
    if (m_araedit->isEnabled()) {
        m_araedit->selectAll();
        m_araedit->setFocus();
    }
}

void CartTab::SatrSil1Click()
{
    const std::optional<int> sirano = odaktakiSatir();
    if (!sirano)
        return;
    const QString aciklama = m_sepet->FieldByName(QStringLiteral("BARKOD")).DisplayText() + u'-' +
                             m_sepet->FieldByName(QStringLiteral("STOKADI")).DisplayText();
    if (!evetMi(QStringLiteral("Satırı silmek istiyor musunuz ")))
        return;
    if (!CartCalls::satirSil(m_bagc, m_sbilgi, *sirano, aciklama))
        return;
    SepetYenile();
    bilgi(QStringLiteral("Satır silindi !"));
}

void CartTab::HepsiniSil1Click()
{
    if (!VeriVarmi(*m_sepet) || !evetMi(QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz ")))
        return;
    if (!CartCalls::hepsiniSil(m_bagc, m_sbilgi))
        return;
    bilgi(QStringLiteral("Sepet Silindi !"));
    SepetYenile();
}

void CartTab::Button1Click()
{
    if (m_siparis.Button1Click(*m_sepet, panelsec->lbluyarbakiye->text(),
                               Panel4->Panel6->geneltoplaml->text()))
        SepetYenile();
}

void CartTab::Button2Click()
{
    GridExcelExport::saveWithDialog(*m_grid, m_mainWindow);
}
