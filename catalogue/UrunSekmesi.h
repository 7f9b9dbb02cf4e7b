#pragma once

#include "DataTable.h"

#include <QObject>
#include <functional>
#include <optional>

class AnimatedPicture;
class ClientDataSet;
class DataGrid;
class RemoteConnection;
class TServerMethods1Client;
class TSonucBilgisi;
class TabSheet;

/// A product list tab that fetches its list in the background every time it is shown:
/// the new products (`syenilerShow`, `YenileriGetir`) and the campaign products
/// (`skampanyaliShow`, `KampanyalilariGetir`). Showing the tab again while its fetch runs
/// starts no second fetch: the running one fills the list and ends the busy state, so two
/// fetches never fill one data set at once.
class UrunSekmesi : public QObject
{
    Q_OBJECT

public:
    /// The remote call that brings the list for the session.
    using Liste = std::function<DataTable(TServerMethods1Client&, const TSonucBilgisi&)>;

    struct Parcalar
    {
        TabSheet* sekme = nullptr;
        QString ad; // the caption after the count: "Yeni Stoklar", "Kampanyalı"
        DataGrid* grid = nullptr;
        ClientDataSet* veri = nullptr;
        AnimatedPicture* animasyon = nullptr;
        RemoteConnection* bagc = nullptr;
        TSonucBilgisi* sbilgi = nullptr;
        Liste liste;
    };

    UrunSekmesi(Parcalar parcalar, QObject* parent = nullptr);

    /// The tab was shown: disables and detaches its grid and starts the fetch.
    void Goster();
    /// The fetch on the clone `baglanti`; true when the connection could not be opened.
    /// Sets `adet` after a complete fetch; an error of the remote call escapes.
    bool Getir(RemoteConnection& baglanti, const TSonucBilgisi& bilgi, std::optional<int>& adet);
    bool calisiyor() const { return m_calisiyor; }

signals:
    /// A fetch has ended and the grid shows its list again.
    void getirmeBitti();

private:
    void tamam(bool hata, std::optional<int> adet);

    Parcalar m_p;
    bool m_calisiyor = false;
};
