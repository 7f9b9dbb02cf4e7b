#pragma once

#include <QDialog>

class ClientDataSet;
class OptionGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class RemoteConnection;
class TSonucBilgisi;

/// The order confirmation "Sipariş Onay": who orders for which account and the grand
/// total, the delivery type (the second one chosen at start), the cargo type, a carrier of
/// that cargo type and a note. "Evet" closes with OK once all three are chosen; the choices
/// are then in `td`, `kt` and `KN`.
class TONAYSIP : public QDialog
{
    Q_OBJECT

public:
    /// `Ac`: keeps the connection, the session and the total text, shows the warning and
    /// the summary, and loads the delivery and cargo types.
    TONAYSIP(QWidget* owner, RemoteConnection& bagc, const QString& uyari,
             const TSonucBilgisi& sbilgi, const QString& toplam);

    /// Delivery and cargo types over a clone of the connection; on a failed connection
    /// check both groups stay empty.
    void ListeleriGetir();
    /// The carriers of cargo type `kargoTuru` into `kargo` and the carrier list; a lone
    /// carrier is chosen at once.
    void KargolariGetir(int kargoTuru);
    void boxkargoClick();
    void kargocomboChange();
    /// "Evet": asks for whatever is missing, else takes the choices and closes with OK.
    void Button1Click();

    /// The chosen note, lines joined by line breaks.
    QString aciklama() const;

    RemoteConnection& bagc;
    const TSonucBilgisi& sbilgi;
    QString toplam;
    int td = 0;
    int kt = 0;
    int KN = 0;

    OptionGroup* teslimbox;
    OptionGroup* boxkargo;
    QGroupBox* GroupBox1;
    QComboBox* kargocombo;
    QLabel* uyarikargo;
    QGroupBox* GroupBox2;
    QPlainTextEdit* aciklamagir;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* Button2;
    ClientDataSet* kargo;

private:
    void buildWindow();
    QLayout* choicesRow();
    QLayout* buttonsRow();
    void uyar(const QString& text);
};
