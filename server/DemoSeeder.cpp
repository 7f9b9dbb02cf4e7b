#include "DemoSeeder.h"

#include "BatchInsert.h"
#include "Database.h"
#include "DemoImages.h"
#include "OrderSql.h"
#include "OrderStatus.h"
#include "Schema.h"
#include "StockGenerator.h"
#include "TextFold.h"

namespace {

constexpr int AccountCount = 200;
constexpr int AccountsWithDocuments = 60;
constexpr int FirstAccount = 1200;

struct Salesman
{
    const char* name;
    const char* phone;
    const char* mail;
};

const Salesman salesmen[] = {
    {"MEHMET YILMAZ", "0532 111 22 33", "mehmet.yilmaz@otokorvel.com.tr"},
    {"AYŞE DEMİR", "0533 222 33 44", "ayse.demir@otokorvel.com.tr"},
    {"HASAN KAYA", "0534 333 44 55", "hasan.kaya@otokorvel.com.tr"},
    {"ELİF ŞAHİN", "0535 444 55 66", "elif.sahin@otokorvel.com.tr"},
    {"MURAT ÇELİK", "0536 555 66 77", "murat.celik@otokorvel.com.tr"},
};

const char* const surnames[] = {"KORKMAZ", "USTA", "AYDIN", "ÖZTÜRK", "ARSLAN", "DOĞAN",
                                "KILIÇ", "ÇAKIR", "YILDIZ", "ERDEM", "POLAT", "AKSOY",
                                "GÜNEŞ", "KARA", "ŞİMŞEK", "TAŞ", "BULUT", "KOÇ", "TÜRK",
                                "ÖZDEMİR"};
const char* const trades[] = {"OTO YEDEK PARÇA LTD. ŞTİ.", "OTOMOTİV SAN. VE TİC. A.Ş.",
                              "OTO SERVİS", "YEDEK PARÇA TİCARET", "OTO ELEKTRİK"};
const char* const cities[][2] = {{"BAYRAMPAŞA", "İSTANBUL"}, {"OSTİM", "ANKARA"},
                                 {"BORNOVA", "İZMİR"}, {"NİLÜFER", "BURSA"},
                                 {"SELÇUKLU", "KONYA"}, {"SEYHAN", "ADANA"}};
const double discountSets[][4] = {
    {30, 10, 0, 0}, {25, 5, 0, 0}, {35, 10, 5, 0}, {20, 0, 0, 0}, {40, 10, 5, 2}};

struct DemoUser
{
    const char* name;
    const char* password;
    int type;
    int active;
    int carino;
    int salesman;
    const char* workstation;
};

const DemoUser users[] = {
    {"MEHMET", "1111", 1, 1, 0, 1, "DEMO-SATICI"},
    {"AYSE", "2222", 2, 1, 0, 2, "DEMO-YONETICI"},
    {"BAYI", "3333", 3, 1, FirstAccount, 0, "DEMO-BAYI"},
    {"USTA", "4444", 4, 1, FirstAccount + 1, 0, "DEMO-USTA"},
    {"PASIF", "5555", 3, 0, FirstAccount + 2, 0, "DEMO-PASIF"},
};

QString dateText(const QDate& d)
{
    return SqlDialect::dateText(d);
}

} // namespace

DemoSeeder::DemoSeeder(Database& db, int stockCount)
    : m_db(db), m_stockCount(std::max(stockCount, 50)), m_today(QDate::currentDate())
{
}

int DemoSeeder::random(int from, int to)
{
    return std::uniform_int_distribution<int>(from, to)(m_rng);
}

int DemoSeeder::randomStock()
{
    return random(1, m_stockCount);
}

void DemoSeeder::run()
{
    m_db.writeTransaction([this] {
        Schema::create(m_db);
        settings();
        people();
        catalogue();
        shipping();
        for (int i = 0; i < AccountsWithDocuments; ++i)
            documents(FirstAccount + i, i);
        notices();
        Schema::createIndexes(m_db);
        QStringList keyed;
        for (const char* const* t = Schema::keyedTables; *t; ++t)
            keyed << QString::fromLatin1(*t);
        for (const QString& s : m_db.dialect().afterSeedStatements(keyed))
            m_db.execDirect(s);
    });
}

void DemoSeeder::settings()
{
    m_db.exec(QStringLiteral("INSERT INTO AYAR (ANAHTAR, DEGER) VALUES ('KAYANYAZI', ?)"),
              {QStringLiteral(
                  "<b>Oto Korvel B2B</b> — Fren grubunda <font color=\"red\">%15 ek indirim</font>"
                  " · Siparişleriniz 14:00'e kadar aynı gün kargoda · Yeni ürünler için "
                  "<i>Yeni Stoklar</i> sekmesine bakınız.")});
    m_db.exec(QStringLiteral("INSERT INTO AYAR (ANAHTAR, DEGER) VALUES ('STOKADEDI', ?)"),
              {QString::number(m_stockCount)});
}

void DemoSeeder::people()
{
    for (int i = 0; i < int(std::size(salesmen)); ++i)
        m_db.exec(QStringLiteral("INSERT INTO SATICI (SATICINO, ADI, TELEFON, MAIL) VALUES (?, ?, ?, ?)"),
                  {i + 1, QString::fromUtf8(salesmen[i].name), QString::fromLatin1(salesmen[i].phone),
                   QString::fromLatin1(salesmen[i].mail)});
    BatchInsert accounts(m_db, QStringLiteral("CARI"),
                         QStringLiteral("CARINO, CARIKOD, CARIADI, SATICINO, IND1, IND2, IND3, IND4,"
                                        " YETKILI, OZELKOD, ANAGRUP, ALTGRUP, ADRES1, ADRES2, ILCE,"
                                        " IL, ULKE, TEL1, TEL2, FAX1, FAX2, GSM, EMAIL, VERGIDAIRESI,"
                                        " VERGINO, VADE, KOD1, ARAMA"),
                         16);
    for (int i = 0; i < AccountCount; ++i) {
        const QString name = QString::fromUtf8(surnames[i % std::size(surnames)]) + u' ' +
                             QString::fromUtf8(trades[(i / 3) % std::size(trades)]);
        const auto& place = cities[i % std::size(cities)];
        const double* d = discountSets[i % std::size(discountSets)];
        const QString code = QStringLiteral("120.01.%1").arg(i + 1, 3, 10, QChar(u'0'));
        const QString district = QString::fromUtf8(place[0]);
        const QString city = QString::fromUtf8(place[1]);
        accounts.add({FirstAccount + i, code, name, 1 + (i / 2) % int(std::size(salesmen)), d[0],
                      d[1], d[2], d[3], QStringLiteral("%1 BEY").arg(QString::fromUtf8(surnames[(i + 7) % std::size(surnames)])),
                      QStringLiteral("B%1").arg(i % 4), QStringLiteral("BAYİ"),
                      i % 2 ? QStringLiteral("SERVİS") : QStringLiteral("PERAKENDE"),
                      QStringLiteral("Sanayi Sitesi %1. Blok No: %2").arg(i % 9 + 1).arg(i + 3),
                      QStringLiteral("Kat 1"), district, city, QStringLiteral("TÜRKİYE"),
                      QStringLiteral("0212 %1").arg(5000000 + i * 37), QString(),
                      QStringLiteral("0212 %1").arg(6000000 + i * 41), QString(),
                      QStringLiteral("0555 %1").arg(1000000 + i * 53),
                      QStringLiteral("bayi%1@ornek.com.tr").arg(FirstAccount + i),
                      city + QStringLiteral(" V.D."), QString::number(1000000000LL + i * 7919LL),
                      (i % 3 + 1) * 30, QStringLiteral("K%1").arg(i % 5),
                      TextFold::fold(code + u' ' + name + u' ' + district + u' ' + city)});
    }
    accounts.flush();
    for (int i = 0; i < int(std::size(users)); ++i) {
        const DemoUser& u = users[i];
        m_db.exec(QStringLiteral("INSERT INTO KULLANICI (SIRANO, ADI, SIFRE, AKTIF, MUSTERITIPI, "
                                 "CARINO, SATICINO, MAIL) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                  {i + 1, QString::fromLatin1(u.name), QString::fromLatin1(u.password), u.active,
                   u.type, u.carino, u.salesman,
                   QStringLiteral("%1@otokorvel.com.tr").arg(QString::fromLatin1(u.name).toLower())});
        m_db.exec(QStringLiteral("INSERT INTO ISTASYON (BILGISAYARID, KULLANICINO) VALUES (?, ?)"),
                  {QString::fromLatin1(u.workstation), i + 1});
    }
}

void DemoSeeder::catalogue()
{
    for (int k = 0; k < StockGenerator::partKinds(); ++k)
        m_db.exec(QStringLiteral("INSERT INTO RESIM (RESIMNO, VERI) VALUES (?, ?)"),
                  {k + 1, DemoImages::product(StockGenerator::partName(k),
                                              StockGenerator::partGroup(k), k)});
    BatchInsert stock(m_db, QStringLiteral("STOK"), StockGenerator::columns(), 32);
    BatchInsert words(m_db, QStringLiteral("STOK_KELIME"), QStringLiteral("KELIME, STOKNO"), 256);
    for (int n = 1; n <= m_stockCount; ++n) {
        const QVariantList row = StockGenerator::row(n);
        stock.add(row);
        for (const QString& w : TextFold::words(StockGenerator::searchText(row)))
            words.add({w, n});
    }
    stock.flush();
    words.flush();
}

void DemoSeeder::shipping()
{
    const char* const deliveries[] = {"Kargo ile Gönderim", "Depodan Teslim", "Servis Aracı ile"};
    const char* const kinds[] = {"Anlaşmalı Kargo", "Alıcı Ödemeli", "Ambar"};
    for (int i = 0; i < 3; ++i) {
        m_db.exec(QStringLiteral("INSERT INTO TESLIM (ID, ADI) VALUES (?, ?)"),
                  {i + 1, QString::fromUtf8(deliveries[i])});
        m_db.exec(QStringLiteral("INSERT INTO KARGO (ID, ADI) VALUES (?, ?)"),
                  {i + 1, QString::fromUtf8(kinds[i])});
    }
    const struct { int kind; const char* name; const char* warning; } carriers[] = {
        {1, "YURTİÇİ KARGO", "16:00'ya kadar verilen siparişler aynı gün çıkar."},
        {1, "ARAS KARGO", "Cumartesi teslimat yapılmaz."},
        {2, "MNG KARGO", "Alıcı ödemeli gönderilerde ücret kapıda ödenir."},
        {3, "ANKARA AMBARI", "Ambar teslimatı 2-3 iş günü sürer."},
    };
    for (int i = 0; i < int(std::size(carriers)); ++i)
        m_db.exec(QStringLiteral("INSERT INTO KARGOFIRMA (SIRANO, KARGOID, ADI, UYARI) VALUES (?, ?, ?, ?)"),
                  {i + 1, carriers[i].kind, QString::fromUtf8(carriers[i].name),
                   QString::fromUtf8(carriers[i].warning)});
}

void DemoSeeder::documents(int carino, int index)
{
    m_db.exec(QStringLiteral("INSERT INTO CARIHAREKET (SIRANO, CARINO, TARIH, TURADI, EVRAK, BORC, "
                             "ALACAK, KUR, IDNO, ACIKLAMA, VADE) VALUES (?, ?, ?, 'Devir', 'DEVİR', "
                             "?, 0, 'TL', 0, 'Önceki dönemden devir', ?)"),
              {m_nextStatement++, carino, dateText(m_today.addDays(-150)), double(random(0, 8000)),
               dateText(m_today.addDays(-150))});
    orders(carino, index);
    invoices(carino, index);
    collections(carino, index);
    if (index < 20)
        cart(carino, 2 + index % 4);
}

void DemoSeeder::orders(int carino, int index)
{
    const char* const notes[] = {"Acil gönderim rica ederiz.", "", "Faturayı mail atınız.",
                                 "Eksik ürün varsa parçalı gönderin."};
    for (int k = 0; k < 7; ++k) {
        const int status = OrderStatus::First + (k + index) % OrderStatus::Last;
        const int idno = m_nextOrder++;
        const QDateTime when(m_today.addDays(-(k * 9 + index % 5)), QTime(9 + k, 15 * (k % 4)));
        m_db.exec(QStringLiteral("INSERT INTO SIPARIS (IDNO, CARINO, TARIH, SAAT, TESLIMID, KARGOID, "
                                 "KARGOFIRMAID, VERENID, DURUM, ACIKLAMA, ALANNOTU, SATICINOTU) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  {idno, carino, SqlDialect::dateTimeText(when), when.toString(u"HH:mm"),
                   1 + k % 3, 1 + k % 3, k % 3 == 0 ? 1 + (k / 3) % 2 : 2 + k % 3,
                   index == 0 ? 3 : 1 + k % 2, status, QString::fromUtf8(notes[k % 4]),
                   status >= OrderStatus::Onaylandi ? QStringLiteral("Siparişiniz işleme alındı.")
                                                    : QString(),
                   k % 3 == 1 ? QStringLiteral("Müşteri ödeme planı görüşüldü.") : QString()});
        const int lines = random(2, 6);
        for (int l = 1; l <= lines; ++l) {
            const QVariantList stock = StockGenerator::row(randomStock());
            const double qty = random(1, 12);
            const double delivered = status == OrderStatus::SevkEdildi ? qty
                                     : status == OrderStatus::ParcaliHazirlandi ? std::floor(qty / 2)
                                                                               : 0;
            const double* d = discountSets[(carino - FirstAccount) % std::size(discountSets)];
            OrderSql::insertLine(m_db, idno, l, {stock[0], stock[1], stock[4], stock[21]}, qty,
                                 delivered, stock[22].toDouble(), {d[0], d[1], d[2], d[3]},
                                 SqlDialect::dateTimeText(when.addSecs(-3600)));
        }
    }
}

void DemoSeeder::invoices(int carino, int index)
{
    for (int k = 0; k < 8; ++k) {
        const int idno = m_nextInvoice++;
        const QDate date = m_today.addDays(-(k * 14 + 3 + index % 7));
        const int dueDays = (k % 2 + 1) * 30;
        const QString number = QStringLiteral("OKF%1%2").arg(date.year()).arg(idno, 6, 10, QChar(u'0'));
        m_db.exec(QStringLiteral("INSERT INTO FATURA (IDNO, CARINO, TARIH, EVRAKSERI, EVRAKNO, "
                                 "EVRAKCINSI, SATICINO, VADEGUN, IRSALIYENO, SIPARISIDNO) "
                                 "VALUES (?, ?, ?, 'OKF', ?, 'Satış Faturası', ?, ?, ?, ?)"),
                  {idno, carino, dateText(date), number, 1 + (index / 2) % 5, dueDays,
                   QStringLiteral("IRS%1").arg(idno), m_nextOrder - 1 - k % 7});
        double total = 0;
        for (int l = random(2, 5); l > 0; --l) {
            const QVariantList stock = StockGenerator::row(randomStock());
            const double qty = random(1, 10);
            const double price = stock[22].toDouble();
            const double* d = discountSets[index % std::size(discountSets)];
            const LineAmounts a = PriceMath::line(qty, price, {d[0], d[1], 0, 0}, 20);
            m_db.exec(QStringLiteral("INSERT INTO FATURA_SATIR (SIRANO, IDNO, STOKNO, MIKTAR, KDV, "
                                     "BIRIMFIYAT, IND1, IND2, TUTAR, INDIRIMTUTAR, NETTUTAR, "
                                     "VERGITUTARI, ACIKLAMA) VALUES (?, ?, ?, ?, 20, ?, ?, ?, ?, ?, "
                                     "?, ?, '')"),
                      {m_nextInvoiceLine++, idno, stock[0], qty, price, d[0], d[1], a.gross,
                       a.discount, a.net, a.vat});
            total += a.net + a.vat;
        }
        m_db.exec(QStringLiteral("INSERT INTO CARIHAREKET (SIRANO, CARINO, TARIH, TURADI, EVRAK, "
                                 "BORC, ALACAK, KUR, IDNO, ACIKLAMA, VADE) "
                                 "VALUES (?, ?, ?, 'Satış Faturası', ?, ?, 0, 'TL', ?, ?, ?)"),
                  {m_nextStatement++, carino, dateText(date), number, PriceMath::round2(total),
                   idno, QStringLiteral("%1 gün vadeli").arg(dueDays),
                   dateText(date.addDays(dueDays))});
    }
}

void DemoSeeder::collections(int carino, int index)
{
    const char* const kinds[] = {"Nakit", "Kredi Kartı", "Havale", "Çek"};
    for (int k = 0; k < 5; ++k) {
        const int idno = m_nextCollection++;
        const QDate date = m_today.addDays(-(k * 20 + 5 + index % 4));
        const bool payment = k == 4; // a payment to the dealer (refund)
        const QString kind = QString::fromUtf8(kinds[(k + index) % 4]);
        const double amount = random(5, 60) * 100.0;
        int pos = 0;
        if (!payment && kind == u"Kredi Kartı") {
            pos = m_nextPos++;
            m_db.exec(QStringLiteral("INSERT INTO SANALPOS (SIRANO, CARINO, TARIH, TUTAR, KARTNO, "
                                     "KARTSAHIBI, ONAYKODU, TAKSIT) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                      {pos, carino, SqlDialect::dateTimeText(QDateTime(date, QTime(14, 30))), amount,
                       QStringLiteral("5401 **** **** %1").arg(1000 + pos), QStringLiteral("YETKİLİ KİŞİ"),
                       QStringLiteral("A%1").arg(pos * 7 + 100000), 1 + k % 3});
        }
        const QString number = QStringLiteral("TH%1").arg(idno, 6, 10, QChar(u'0'));
        const QString type = payment ? QStringLiteral("Tediye") : QStringLiteral("Tahsilat");
        m_db.exec(QStringLiteral("INSERT INTO TAHSILAT (IDNO, CARINO, TARIH, TURU, EVRAKNO, SANALPOSNO) "
                                 "VALUES (?, ?, ?, ?, ?, ?)"),
                  {idno, carino, dateText(date), type, number, pos});
        m_db.exec(QStringLiteral("INSERT INTO TAHSILAT_SATIR (SIRANO, IDNO, CINS, VADE, TUTAR, "
                                 "ACIKLAMA, REF, SAAT) VALUES (?, ?, ?, ?, ?, ?, ?, '14:30')"),
                  {idno, idno, kind, dateText(date.addDays(kind == u"Çek" ? 60 : 0)), amount,
                   type + QStringLiteral(" ") + kind, pos ? QStringLiteral("POS%1").arg(pos) : QString()});
        m_db.exec(QStringLiteral("INSERT INTO CARIHAREKET (SIRANO, CARINO, TARIH, TURADI, EVRAK, "
                                 "BORC, ALACAK, KUR, IDNO, ACIKLAMA, VADE) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, 'TL', ?, ?, ?)"),
                  {m_nextStatement++, carino, dateText(date), type, number,
                   payment ? amount : 0.0, payment ? 0.0 : amount, idno, kind, dateText(date)});
    }
}

void DemoSeeder::cart(int carino, int lines)
{
    const double* d = discountSets[(carino - FirstAccount) % std::size(discountSets)];
    for (int l = 0; l < lines; ++l) {
        const QVariantList stock = StockGenerator::row(randomStock());
        m_db.exec(QStringLiteral("INSERT INTO SEPET (CARINO, STOKNO, BARKOD, STOKADI, MIKTAR, KDV, "
                                 "BIRIMFIYAT, IND1, IND2, IND3, IND4, VERENID, KAMPANYA, SEC, TARIH) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?)"),
                  {carino, stock[0], stock[1], stock[4], double(random(1, 8)), stock[21],
                   stock[22], d[0], d[1], d[2], d[3], carino == FirstAccount ? 3 : 1,
                   l == lines - 1 ? 0 : 1,
                   SqlDialect::dateTimeText(QDateTime(m_today.addDays(-l), QTime(10, 5 * l)))});
    }
}

void DemoSeeder::notices()
{
    const struct { const char* title; const char* line; const char* search; int opening; QColor colour; }
        screens[] = {
            {"Fren Grubunda Kampanya", "Seçili balata ve disklerde %15 ek indirim", "#KAMPANYA#", 1,
             QColor(226, 10, 23)},
            {"Yeni Gelen Ürünler", "Bu hafta stoğa giren parçalar", "#YENİ#", 1, QColor(0, 102, 204)},
            {"Balata Fırsatı", "Tüm markalarda ön ve arka balatalar", "FREN BALATASI", 1,
             QColor(0, 140, 80)},
            {"Filtre Haftası", "Yağ, hava ve polen filtrelerinde özel fiyat", "FILTRE", 0,
             QColor(230, 130, 0)},
            {"Bayram Tatili", "Depomuz bayramın ilk iki günü kapalıdır", "", 0, QColor(61, 65, 74)},
        };
    for (int i = 0; i < int(std::size(screens)); ++i) {
        const auto& s = screens[i];
        m_db.exec(QStringLiteral("INSERT INTO DUYURU (SIRANO, BASLIK, ARAMA, ACILIS, RESIM) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  {i + 1, QString::fromUtf8(s.title), QString::fromUtf8(s.search), s.opening,
                   DemoImages::announcement(QString::fromUtf8(s.title), QString::fromUtf8(s.line),
                                            s.colour)});
    }
    const QByteArray banners[] = {DemoImages::headerBanner(), DemoImages::topBanner(),
                                  DemoImages::bottomBanner()};
    for (int i = 0; i < 3; ++i)
        m_db.exec(QStringLiteral("INSERT INTO BANNER (NO, VERI) VALUES (?, ?)"), {i + 1, banners[i]});
}
