#include "StokArama.h"

#include "BaglantiKontrol.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "DataSetHelpers.h"
#include "FiyatBilgisi.h"
#include "MesajGoster.h"
#include "Mesgul.h"
#include "RemoteConnection.h"
#include "TAwait.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "TabSheet.h"

#include <QAbstractButton>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>

namespace {

const QString Baslik = QStringLiteral("Stok Listesi");

struct AramaSonucu
{
    bool hata = false;
    int adet = 0;
};

} // namespace

StokArama::StokArama(const KatalogParcalari& parcalar, QObject* parent)
    : QObject(parent), popstok(new QMenu(parcalar.cxGrid1)), m_p(parcalar)
{
    menuKur();
    m_p.cxGrid1->setCustomDraw(QStringLiteral("Fiyat Bilgisi"),
                               &FiyatBilgisi::cxGrid1DBTableView1FiyatBilgisiCustomDrawCell);
    m_p.araedit->installEventFilter(this);
    connect(m_p.SpeedButton2, &QAbstractButton::clicked, this, &StokArama::SpeedButton2Click);
    connect(m_p.SpeedButton1, &QAbstractButton::clicked, this, &StokArama::SpeedButton1Click);
}

void StokArama::menuKur()
{
    popstok->setObjectName(QStringLiteral("popstok"));
    S2 = popstok->addAction(QStringLiteral("Sepete Ekle"));
    popstok->addSeparator();
    B1 = popstok->addAction(QStringLiteral("Sipariş Bakiyeleriniz"));
    popstok->addSeparator();
    S3 = popstok->addAction(QStringLiteral("Siparişleri Göster"));
    popstok->addSeparator();
    StokHareketleri1 = popstok->addAction(QStringLiteral("Stok Hareketleri"));
    m_p.cxGrid1->setPopupMenu(popstok);
}

QChar StokArama::HarfDonustur(QChar typed)
{
    static const QHash<QChar, QChar> harfler{
        {u'ğ', u'g'}, {u'ü', u'u'}, {u'ş', u's'}, {u'ö', u'o'}, {u'ç', u'c'}, {u'Ğ', u'G'},
        {u'Ü', u'U'}, {u'Ş', u'S'}, {u'İ', u'I'}, {u'Ö', u'O'}, {u'Ç', u'C'}, {u'ı', u'I'}};
    return harfler.value(typed, typed);
}

bool StokArama::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_p.araedit && event->type() == QEvent::KeyPress)
        return araeditKeyPress(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool StokArama::araeditKeyPress(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        AramaBaslat();
        return true;
    }
    const QString text = event->text();
    if (text.size() != 1 || HarfDonustur(text.front()) == text.front())
        return false;
    // Typed letters only; pasted text reaches the box unchanged.
    m_p.araedit->insert(HarfDonustur(text.front()));
    return true;
}

void StokArama::SpeedButton2Click()
{
    if (m_p.araedit->isEnabled())
        AramaBaslat();
}

void StokArama::AramaBaslat()
{
    m_p.sPageControl1->setCurrentWidget(m_p.sstoklistesi);
    const QString kod = m_p.araedit->text();
    if (kod.trimmed().size() < 3) {
        MesajGoster(QStringLiteral("Lütfen en az 3 harf giriniz !"), MessageKind::Warning,
                    MessageButton::OkOnly, MessageButton::Ok);
        return;
    }
    m_p.araedit->setEnabled(false);
    Mesgul(*m_p.gifstokara, true);
    m_p.cxGrid1->detachDataSet();
    m_p.cxGrid1->beginUpdate();
    m_p.cxGrid1->clearFilter();

    std::shared_ptr<RemoteConnection> klon = m_p.bagc->Clone();
    auto sonuc = std::make_shared<AramaSonucu>();
    Async([this, klon, sonuc, kod, bilgi = *m_p.sbilgi] {
        sonuc->hata = StokListesiGetir(*klon, kod, bilgi, sonuc->adet);
    })->Await(this, [this, sonuc] { aramaTamam(sonuc->hata, sonuc->adet); });
}

bool StokArama::StokListesiGetir(RemoteConnection& baglanti, const QString& kod,
                                 const TSonucBilgisi& bilgi, int& adet)
{
    auto kopya = std::make_unique<TSonucBilgisi>();
    kopya->Kopyala(bilgi);
    if (!BaglantiKontrol(baglanti, false))
        return true;
    ClientDataSet& stok = *m_p.stok;
    stok.DisableControls();
    bool hata = false;
    try {
        TServerMethods1Client proxy(baglanti);
        stok.SetData(proxy.StokAraGetir(kod, std::move(kopya)));
        stok.FieldByName(QStringLiteral("IND1")); // a result without it is no stock list
        adet = stok.RecordCount();
        TutarBicimlendir(stok);
    } catch (...) {
        hata = true;
    }
    stok.EnableControls();
    baglanti.Close();
    return hata;
}

void StokArama::aramaTamam(bool hata, int adet)
{
    m_p.araedit->setEnabled(true);
    m_p.cxGrid1->attachDataSet();
    m_p.cxGrid1->endUpdate();
    m_p.araedit->selectAll();
    m_p.araedit->setFocus();
    Mesgul(*m_p.gifstokara, false);
    if (!hata) {
        m_p.sstoklistesi->setCaption(QString::number(adet) + QStringLiteral("=") + Baslik);
    } else {
        if (m_p.stok->Active())
            m_p.stok->EmptyDataSet();
        MesajGoster(QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"),
                    MessageKind::Error, MessageButton::OkOnly, MessageButton::Ok);
        m_p.sstoklistesi->setCaption(Baslik);
    }
    emit aramaBitti();
}

void StokArama::SpeedButton1Click()
{
    if (!m_p.araedit->isEnabled())
        return;
    if (m_p.stok->Active()) {
        m_p.stok->EmptyDataSet();
        m_p.sstoklistesi->setCaption(Baslik);
    }
    m_p.sPageControl1->setCurrentWidget(m_p.sstoklistesi);
    m_p.cxGrid1->clearFilter();
    m_p.araedit->clear();
    m_p.araedit->selectAll();
    m_p.araedit->setFocus();
}
