#include "UiPictures.h"

namespace {

constexpr int flagBase = 20;

ImageList listOf(std::initializer_list<std::pair<int, const char*>> entries)
{
    ImageList list;
    for (const auto& [index, file] : entries)
        list.set(index, UiPictures::picture(QString::fromLatin1(file)));
    return list;
}

} // namespace

QPixmap UiPictures::picture(const QString& fileName)
{
    return QPixmap(QStringLiteral(":/ui/pictures/") + fileName);
}

ImageList UiPictures::gridImages()
{
    return listOf({{0, "durum-var.png"},
                   {1, "durum-ozel.png"},
                   {2, "durum-yolda.png"},
                   {4, "durum-yok.png"},
                   {5, "durum-tedarik.png"},
                   {8, "durum-telefon.png"},
                   {flagBase + 0, "yeni-hayir.png"},
                   {flagBase + 1, "yeni-evet.png"},
                   {flagBase + 2, "kampanya-hayir.png"},
                   {flagBase + 3, "kampanya-evet.png"},
                   {flagBase + 4, "resim-var.png"}});
}

QHash<int, int> UiPictures::durumIndexes()
{
    return {{0, 4}, {1, 0}, {2, 8}, {3, 2}, {4, 1}, {5, 5}};
}

QHash<int, QString> UiPictures::durumCaptions()
{
    return {{0, QStringLiteral("Yok")},
            {1, QStringLiteral("Var")},
            {2, QStringLiteral("Telefon Açınız")},
            {3, QStringLiteral("Yolda")},
            {4, QStringLiteral("Özel Sipariş")},
            {5, QStringLiteral("Tedarik Sürecinde")}};
}

QHash<int, int> UiPictures::yeniIndexes()
{
    return {{0, flagBase + 0}, {1, flagBase + 1}};
}

QHash<int, int> UiPictures::kampanyaIndexes()
{
    return {{0, flagBase + 2}, {1, flagBase + 3}};
}

QHash<int, int> UiPictures::resimIndexes()
{
    return {{1, flagBase + 4}};
}

QHash<int, QString> UiPictures::flagCaptions()
{
    return {{0, QStringLiteral("Hayır")}, {1, QStringLiteral("Evet")}};
}

ImageList UiPictures::tabImages()
{
    return listOf({{0, "tab-stok.png"},
                   {1, "tab-ekstre.png"},
                   {3, "tab-onceki.png"},
                   {5, "tab-duyuru.png"},
                   {6, "tab-kampanya.png"},
                   {7, "tab-bakiye.png"},
                   {8, "tab-sepet.png"},
                   {10, "tab-yeni.png"},
                   {12, "tab-pos.png"}});
}

QString UiPictures::busyAnimation()
{
    return QStringLiteral(":/ui/pictures/busy.gif");
}

QPixmap UiPictures::searchIcon()
{
    return picture(QStringLiteral("search.png"));
}

QPixmap UiPictures::logo()
{
    return picture(QStringLiteral("logo.png"));
}

QPixmap UiPictures::menuIcon()
{
    return picture(QStringLiteral("menu.png"));
}

QPixmap UiPictures::selectAllIcon()
{
    return picture(QStringLiteral("select-all.png"));
}

QPixmap UiPictures::selectNoneIcon()
{
    return picture(QStringLiteral("select-none.png"));
}
