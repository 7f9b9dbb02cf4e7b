#include "WebSite.h"

#include "CallLog.h"
#include "Database.h"

#include <QDateTime>
#include <QFile>

namespace {

QString page(const QString& title, const QString& content)
{
    return QStringLiteral("<!DOCTYPE html><html lang=\"tr\"><head><meta charset=\"utf-8\">"
                          "<title>%1</title><style>body{font-family:Tahoma,sans-serif;"
                          "margin:2em;color:#434c58}th{text-align:left;padding-right:1em}"
                          "h1{color:#e20a17}</style></head><body><h1>%1</h1>%2</body></html>")
        .arg(title.toHtmlEscaped(), content);
}

QString value(const QUrlQuery& q, const char* key)
{
    return q.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
}

const char* const formFields[][2] = {
    {"firmaadi", "Firma Adı"}, {"yetkili", "Yetkili"}, {"adres", "Adres"},
    {"sehir", "İlçe / Şehir"}, {"telefon", "Telefon"}, {"mail", "E-posta"},
    {"vergi", "Vergi Dairesi / No"}, {"mesaj", "Mesaj"}};

} // namespace

WebSite::WebSite(Database& db, QString installerPath)
    : m_db(db), m_installerPath(std::move(installerPath))
{
}

HttpResponse WebSite::respond(const HttpRequest& r)
{
    const bool read = r.method == "GET" || r.method == "HEAD";
    HttpResponse out;
    if (!read && r.method != "POST")
        out = HttpResponse::html(405, page(QStringLiteral("İzin verilmeyen istek"), {}));
    else if (r.path == u"/" && read)
        out = mainPage();
    else if (r.path == u"/resimgoster.ashx" && read)
        out = picture(r);
    else if (r.path == u"/nivakart.html" && read)
        out = paymentPage(r);
    else if (r.path == u"/formmailgonder.aspx")
        out = read ? requestForm(r) : saveRequest(r);
    else if (r.path == u"/exe/OtoKorvelSetup.exe" && read)
        out = installer();
    else
        out = HttpResponse::html(404, page(QStringLiteral("Sayfa bulunamadı"), {}));
    out.headOnly = r.method == "HEAD";
    return out;
}

HttpResponse WebSite::mainPage()
{
    return HttpResponse::html(
        200, page(QStringLiteral("Oto Korvel Otomotiv Yedek Parça"),
                  QStringLiteral(
                      "<p>Bayilerimize özel B2B sipariş sistemi.</p><ul>"
                      "<li><a href=\"formmailgonder.aspx?carino=0\">Bayi başvuru formu</a></li>"
                      "<li><a href=\"exe/OtoKorvelSetup.exe\">B2B programını indir</a></li></ul>"
                      "<p>Sanayi Mah. Yedek Parça Cad. No: 12, Bayrampaşa / İstanbul<br>"
                      "Tel: 0212 555 00 00 — siparis@otokorvel.com.tr</p>")));
}

HttpResponse WebSite::picture(const HttpRequest& r)
{
    bool ok = false;
    const int id = value(r.query, "id").toInt(&ok);
    if (ok) {
        SqlStatement s = m_db.query(QStringLiteral("SELECT r.VERI FROM STOK s JOIN RESIM r "
                                                   "ON r.RESIMNO = s.RESIMNO WHERE s.STOKNO = ?"),
                                    {id});
        if (s.next()) {
            HttpResponse out;
            out.contentType = "image/jpeg";
            out.body = s.value(0).toByteArray();
            return out;
        }
    }
    return HttpResponse::html(404, page(QStringLiteral("Resim bulunamadı"), {}));
}

HttpResponse WebSite::paymentPage(const HttpRequest& r)
{
    QString rows;
    for (const auto& [key, val] : r.query.queryItems(QUrl::FullyDecoded))
        rows += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>")
                    .arg(key.toHtmlEscaped(), val.toHtmlEscaped());
    return HttpResponse::html(
        200, page(QStringLiteral("Sanal Pos Ödeme"),
                  QStringLiteral("<table id=\"parametreler\">%1</table>"
                                 "<form><p>Kart No: <input name=\"kart\" size=\"19\"></p>"
                                 "<p>Son Kullanma: <input name=\"skt\" size=\"5\"> CVV: "
                                 "<input name=\"cvv\" size=\"3\"></p>"
                                 "<p>Tutar: <input name=\"tutar\"></p>"
                                 "<button type=\"button\">Öde</button></form>")
                      .arg(rows)));
}

HttpResponse WebSite::requestForm(const HttpRequest& r)
{
    QString fields;
    for (const char* const* f : formFields)
        fields += QStringLiteral("<p><label>%1: <input name=\"%2\"></label></p>")
                      .arg(QString::fromUtf8(f[1]), QString::fromLatin1(f[0]));
    QString hidden;
    for (const char* key : {"carino", "kullanici", "id"})
        hidden += QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">")
                      .arg(QString::fromLatin1(key), value(r.query, key).toHtmlEscaped());
    return HttpResponse::html(
        200, page(QStringLiteral("Oto Korvel B2B İstek Formu"),
                  QStringLiteral("<form method=\"post\" action=\"formmailgonder.aspx\">%1%2"
                                 "<button type=\"submit\">Gönder</button></form>")
                      .arg(hidden, fields)));
}

HttpResponse WebSite::saveRequest(const HttpRequest& r)
{
    const QUrlQuery form(QString::fromUtf8(r.body).replace(u'+', u' '));
    QString body;
    for (const auto& [key, val] : form.queryItems(QUrl::FullyDecoded))
        body += key + QStringLiteral(": ") + val + u'\n';
    m_db.exec(QStringLiteral("INSERT INTO POSTA (TARIH, BILGISAYARID, ALICI, KONU, GOVDE) "
                             "VALUES (?, ?, ?, ?, ?)"),
              {SqlDialect::dateTimeText(QDateTime::currentDateTime()), value(form, "id"),
               QStringLiteral("siparis@otokorvel.com.tr"),
               QStringLiteral("B2B Yeni Kullanıcı İstek (web)"), body});
    CallLog::note(QStringLiteral("web request form stored in the outbox"));
    return HttpResponse::html(200, page(QStringLiteral("Teşekkürler"),
                                        QStringLiteral("<p>İsteğiniz alındı.</p>")));
}

HttpResponse WebSite::installer()
{
    QFile file(m_installerPath);
    if (m_installerPath.isEmpty() || !file.open(QIODevice::ReadOnly))
        return HttpResponse::html(404, page(QStringLiteral("Kurulum dosyası yok"), {}));
    HttpResponse out;
    out.contentType = "application/octet-stream";
    out.body = file.readAll();
    return out;
}
