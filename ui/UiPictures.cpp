#include "UiPictures.h"

namespace {

constexpr int flagBase = 20;

void add(ImageList& list, int index, const char* file)
{
    list.set(index, UiPictures::picture(QString::fromLatin1(file)));
}

} // namespace

QPixmap UiPictures::picture(const QString& fileName)
{
    return QPixmap(QStringLiteral(":/ui/pictures/") + fileName);
}

ImageList UiPictures::gridImages()
{
    ImageList list;
    add(list, 0, "durum-var.png");
    add(list, 1, "durum-ozel.png");
    add(list, 2, "durum-yolda.png");
    add(list, 4, "durum-yok.png");
    add(list, 5, "durum-tedarik.png");
    add(list, 8, "durum-telefon.png");
    add(list, flagBase + 0, "yeni-hayir.png");
    add(list, flagBase + 1, "yeni-evet.png");
    add(list, flagBase + 2, "kampanya-hayir.png");
    add(list, flagBase + 3, "kampanya-evet.png");
    add(list, flagBase + 4, "resim-var.png");
    return list;
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
    ImageList list;
    add(list, 0, "tab-stok.png");
    add(list, 1, "tab-ekstre.png");
    add(list, 3, "tab-onceki.png");
    add(list, 5, "tab-duyuru.png");
    add(list, 6, "tab-kampanya.png");
    add(list, 7, "tab-bakiye.png");
    add(list, 8, "tab-sepet.png");
    add(list, 10, "tab-yeni.png");
    add(list, 12, "tab-pos.png");
    return list;
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
