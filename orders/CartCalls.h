#pragma once

#include "DataTable.h"

#include <QString>
#include <optional>

class RemoteConnection;
class TSonucBilgisi;

/// The cart's remote calls, each one call path with its own connection check and with the
/// connection closed when it ends. Errors the server raises reach the caller, except where
/// a function says otherwise.
class CartCalls
{
public:
    /// `SepetVer2` for the account, on `clone` (a private clone of the main connection, so
    /// this may run on a worker). Nothing when the connection check fails (it has told the
    /// user).
    static std::optional<DataTable> sepetVer(RemoteConnection& clone, int carino);

    /// `SepetSecimGuncelle` on a clone of `bagc` made here: the mark of one line. False when
    /// the connection check failed, or when the server raised an error, whose text is then
    /// shown as an uncaught error would be.
    static bool secimGonder(const RemoteConnection& bagc, int sirano, int secim);

    /// `SepetSatirSil` on `bagc` with a copy of the session; `aciklama` is the note kept with
    /// the deletion. False when the connection check failed.
    static bool satirSil(RemoteConnection& bagc, const TSonucBilgisi& sbilgi, int sirano,
                         const QString& aciklama);

    /// `SepetHepsiniSil` on `bagc` with a copy of the session. False when the connection
    /// check failed.
    static bool hepsiniSil(RemoteConnection& bagc, const TSonucBilgisi& sbilgi);

    /// `SiparisKaydet` on `bagc` with a copy of the session: the marked lines become one
    /// order with the carrier `KN`, the cargo type `kt`, the delivery type `td` and the note.
    /// True when the server saved it; false when it did not or the connection check failed.
    static bool siparisKaydet(RemoteConnection& bagc, const TSonucBilgisi& sbilgi, int KN, int kt,
                              int td, const QString& aciklama);
};
