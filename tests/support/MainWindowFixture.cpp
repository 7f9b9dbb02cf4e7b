#include "MainWindowFixture.h"

#include "ClientDataSet.h"
#include "DataSetHelpers.h"
#include "RemoteConnection.h"
#include "TForm1.h"
#include "TServerMethods1Client.h"
#include "TaskPool.h"

#include <QtTest>

namespace {

const char* const EnvNames[] = {"OTOKORVEL_SERVER_HOST", "OTOKORVEL_SERVER_PORT",
                                "OTOKORVEL_WEB_BASE", "OTOKORVEL_DOWNLOAD_BASE"};

} // namespace

MainWindowFixture::MainWindowFixture(const QStringList& serverArgs)
    : server(QStringList{QStringLiteral("--seed-stock"), QStringLiteral("300")} + serverArgs)
{
    qputenv("OTOKORVEL_SERVER_HOST", "127.0.0.1");
    qputenv("OTOKORVEL_SERVER_PORT", QByteArray::number(server.port()));
    const QByteArray web = "http://127.0.0.1:" + QByteArray::number(server.httpPort()) + "/";
    qputenv("OTOKORVEL_WEB_BASE", web);
    qputenv("OTOKORVEL_DOWNLOAD_BASE", web);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
}

MainWindowFixture::~MainWindowFixture()
{
    bosta();
    m_window.reset();
    QLocale::setDefault(m_locale);
    for (const char* name : EnvNames)
        qunsetenv(name);
}

bool MainWindowFixture::login(const QString& workstation, int width)
{
    if (!server.started()) {
        m_error = server.error();
        return false;
    }
    m_window = std::make_unique<TForm1>();
    TForm1& form = *m_window;
    form.bagc.HostName = QStringLiteral("127.0.0.1");
    form.bagc.Port = QString::number(server.port());
    try {
        RemoteConnection baglanti;
        baglanti.HostName = form.bagc.HostName;
        baglanti.Port = form.bagc.Port;
        baglanti.Open();
        TServerMethods1Client proxy(baglanti);
        form.sbilgi.Kopyala(*proxy.BuyukGetir(workstation));
    } catch (const std::exception& e) {
        m_error = QString::fromUtf8(e.what());
        return false;
    }
    if (!form.sbilgi.Varmi()) {
        m_error = QStringLiteral("unknown workstation ") + workstation;
        return false;
    }
    form.sbilgi.SetBILGISAYARID(workstation);
    form.sbilgi.SetDisip(QStringLiteral("127.0.0.1"));
    form.KullaniciTipineGoreAyarla();
    form.AnaBilgiAl();
    form.resize(width, 700);
    form.show();
    return QTest::qWaitForWindowExposed(&form);
}

void MainWindowFixture::cariSec(int carino, const QString& cariAdi)
{
    m_window->sbilgi.SetCARINO(carino);
    m_window->sbilgi.SetCariAdi(cariAdi);
}

bool MainWindowFixture::bosta(int timeoutMs)
{
    const bool done = QTest::qWaitFor([] { return TaskPool::waitForDone(0); }, timeoutMs);
    // The completions were posted by the tasks' last steps.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    return done;
}

DataTable MainWindowFixture::sunucuSepeti()
{
    std::unique_ptr<RemoteConnection> baglanti = m_window->bagc.Clone();
    baglanti->Open();
    TServerMethods1Client proxy(*baglanti);
    return proxy.SepetVer2(m_window->sbilgi.CARINO());
}

void MainWindowFixture::sepetiGetir()
{
    m_window->sepet->SetData(sunucuSepeti());
    TutarBicimlendir(*m_window->sepet);
}
