#pragma once

#include "HttpMessage.h"

class Database;

/// The wholesaler's web resources: the main page, product pictures
/// ("resimgoster.ashx?id=N"), the card-payment page that shows what it was given
/// ("nivakart.html"), the request form ("formmailgonder.aspx", whose posts go to the mail
/// outbox) and the installer download ("exe/OtoKorvelSetup.exe").
class WebSite
{
public:
    WebSite(Database& db, QString installerPath);
    HttpResponse respond(const HttpRequest& request);

private:
    HttpResponse mainPage();
    HttpResponse picture(const HttpRequest& r);
    HttpResponse paymentPage(const HttpRequest& r);
    HttpResponse requestForm(const HttpRequest& r);
    HttpResponse saveRequest(const HttpRequest& r);
    HttpResponse installer();

    Database& m_db;
    QString m_installerPath;
};
