#pragma once

#include <QString>
#include <optional>

/// The remembered login in "ayar.ini" of the settings folder: section "kullanici" with the
/// last user name and password that logged in ("isim", "sifre") and the state of "Beni
/// hatırla" at that login ("hatırla", "1" or "0").
struct LoginSettings
{
    QString isim;
    QString sifre;
    bool hatirla = true;

    /// "ayar.ini" in AyarKlasoru().
    static QString defaultPath();
    /// The remembered login; nothing when the file does not exist. Missing keys read as
    /// empty names and a checked "hatırla".
    static std::optional<LoginSettings> load(const QString& path = defaultPath());
    /// Writes all three keys, keeping the file's other content; raises AppError when the
    /// file cannot be written.
    void save(const QString& path = defaultPath()) const;
};
