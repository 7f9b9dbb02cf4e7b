#include "TONAYSIP.h"

#include "CheckedConnection.h"
#include "ClientDataSet.h"
#include "MesajGoster.h"
#include "OptionGroup.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"
#include "PixelFont.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Delivery and cargo types come as rows of an identifier and a name, read by position.
constexpr int IdColumn = 0;
constexpr int NameColumn = 1;

/// Courier New, or another fixed-pitch face where it is missing: the summary's captions
/// line up by their width in characters.
QFont fixedPitch()
{
    QFont f = pixelFont(QStringLiteral("Courier New"), 16, true);
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    return f;
}

void fillOptions(OptionGroup& group, RecordSetReader& rows)
{
    group.clear();
    while (rows.Next())
        group.addOption(rows.Value(NameColumn).toString(), rows.Value(IdColumn).toInt());
}

} // namespace

TONAYSIP::TONAYSIP(QWidget* owner, RemoteConnection& bagc, const QString& uyari,
                   const TSonucBilgisi& sbilgi, const QString& toplam)
    : QDialog(owner), bagc(bagc), sbilgi(sbilgi), toplam(toplam),
      teslimbox(new OptionGroup(QStringLiteral("Teslim Durumu"), this)),
      boxkargo(new OptionGroup(QStringLiteral("Kargo Türleri"), this)),
      GroupBox1(new QGroupBox(QStringLiteral("Kargo"), this)),
      kargocombo(new QComboBox(GroupBox1)), uyarikargo(new QLabel(GroupBox1)),
      GroupBox2(new QGroupBox(QStringLiteral("Mesaj"), this)),
      aciklamagir(new QPlainTextEdit(GroupBox2)), Label2(new QLabel(this)),
      Label3(new QLabel(this)),
      Label1(new QLabel(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?"),
                        this)),
      Button1(new QPushButton(QStringLiteral("Evet"), this)),
      Button2(new QPushButton(QStringLiteral("Hayır"), this)), kargo(new ClientDataSet(this))
{
    buildWindow();
    Label3->setText(uyari);
    Label2->setText(QStringLiteral("Kullanıcı: ") + sbilgi.ADI() + u'\n' +
                    QStringLiteral("Cari     : ") + sbilgi.CariAdi() + u'\n' +
                    QStringLiteral("Tutar    : ") + toplam);
    connect(boxkargo, &OptionGroup::optionClicked, this, &TONAYSIP::boxkargoClick);
    connect(kargocombo, &QComboBox::activated, this, &TONAYSIP::kargocomboChange);
    connect(Button1, &QPushButton::clicked, this, &TONAYSIP::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    ListeleriGetir();
}

void TONAYSIP::buildWindow()
{
    setObjectName(QStringLiteral("ONAYSIP"));
    setWindowTitle(QStringLiteral("Sipariş Onay"));
    setWindowFlag(Qt::Tool);
    setFixedSize(894, 526);

    Label2->setFont(fixedPitch());
    Label3->setFont(fixedPitch());
    Label3->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    Label3->setWordWrap(true);
    Label1->setFont(pixelFont(QStringLiteral("Tahoma"), 20, true));
    Label1->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choicesRow(), 1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addWidget(Label1);
    layout->addLayout(buttonsRow());
}

QLayout* TONAYSIP::choicesRow()
{
    // At least their designed widths; wider where a face draws the names wider.
    teslimbox->setMinimumWidth(135);
    boxkargo->setMinimumWidth(208);
    kargocombo->setEditable(false);
    uyarikargo->setFixedSize(210, 59);
    uyarikargo->setWordWrap(true);
    uyarikargo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* carrier = new QVBoxLayout(GroupBox1);
    carrier->addWidget(kargocombo);
    carrier->addWidget(uyarikargo);
    carrier->addStretch(1);

    aciklamagir->setFont(pixelFont(QStringLiteral("Tahoma"), 11, true));
    aciklamagir->setStyleSheet(QStringLiteral("background-color: rgb(246, 249, 251);"));
    auto* note = new QVBoxLayout(GroupBox2);
    note->addWidget(aciklamagir);

    auto* row = new QHBoxLayout;
    for (QWidget* part : std::initializer_list<QWidget*>{teslimbox, boxkargo, GroupBox1})
        row->addWidget(part);
    row->addWidget(GroupBox2, 1);
    return row;
}

QLayout* TONAYSIP::buttonsRow()
{
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    auto* row = new QHBoxLayout;
    for (QPushButton* button : {Button1, Button2}) {
        button->setFixedWidth(128);
        button->setAutoDefault(false);
    }
    row->addWidget(Button1);
    row->addStretch(1);
    row->addWidget(Button2);
    return row;
}

void TONAYSIP::ListeleriGetir()
{
    const std::unique_ptr<RemoteConnection> clone = bagc.Clone();
    CheckedConnection call(*clone, true);
    if (!call.isOpen())
        return;
    {
        TServerMethods1Client proxy(*clone);
        fillOptions(*teslimbox, proxy.TeslimVer());
    }
    // The second delivery type is the usual one; a lone one is chosen all the same.
    teslimbox->setItemIndex(std::min(1, teslimbox->count() - 1));
    TServerMethods1Client proxy(*clone);
    fillOptions(*boxkargo, proxy.KargoVer());
}

void TONAYSIP::boxkargoClick()
{
    uyarikargo->clear();
    if (boxkargo->itemIndex() >= 0)
        KargolariGetir(boxkargo->selectedId());
}

void TONAYSIP::KargolariGetir(int kargoTuru)
{
    // Emptied first: carriers of another cargo type must not stay offered when this
    // cargo type's carriers cannot be loaded.
    kargocombo->clear();
    kargo->Close();
    {
        CheckedConnection call(bagc, true);
        if (!call.isOpen())
            return;
        TServerMethods1Client proxy(bagc);
        kargo->CopyFrom(proxy.KargolarVer(kargoTuru).Table());
    }
    kargocombo->addItem(QStringLiteral(" "));
    const int adi = kargo->FieldIndex(QStringLiteral("ADI"));
    for (int row = 0; row < kargo->RecordCount(); ++row)
        kargocombo->addItem(kargo->value(row, adi).toString());
    if (kargocombo->count() == 2) {
        kargocombo->setCurrentIndex(1);
        kargocomboChange();
    }
}

void TONAYSIP::kargocomboChange()
{
    // The list holds the carriers in the order received, after the blank first item.
    const int row = kargocombo->currentIndex() - 1;
    const int uyari = kargo->FieldIndex(QStringLiteral("UYARI"));
    if (row >= 0 && row < kargo->RecordCount() && uyari >= 0)
        uyarikargo->setText(kargo->value(row, uyari).toString());
    else
        uyarikargo->clear();
}

void TONAYSIP::Button1Click()
{
    if (teslimbox->itemIndex() < 0) {
        uyar(QStringLiteral("Lütfen Teslim Durumu Seçiniz !"));
        return;
    }
    if (boxkargo->itemIndex() < 0) {
        uyar(QStringLiteral("Lütfen Kargo Türünü Seçiniz !"));
        return;
    }
    const int row = kargocombo->currentIndex() - 1;
    if (row < 0 || row >= kargo->RecordCount()) {
        uyar(QStringLiteral("Lütfen Kargo  Seçiniz !"));
        kargocombo->setFocus();
        return;
    }
    KN = kargo->value(row, kargo->FieldIndex(QStringLiteral("SIRANO"))).toInt();
    td = teslimbox->selectedId();
    kt = boxkargo->selectedId();
    accept();
}

QString TONAYSIP::aciklama() const
{
    return aciklamagir->toPlainText();
}

void TONAYSIP::uyar(const QString& text)
{
    MesajGoster(text, MessageKind::Warning, MessageButton::OkOnly, MessageButton::Ok);
}
