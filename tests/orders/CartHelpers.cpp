#include "CartHelpers.h"

#include "AnimatedPicture.h"
#include "CartTab.h"
#include "ClientDataSet.h"
#include "DataGrid.h"
#include "MainWindowFixture.h"
#include "RemoteConnection.h"
#include "SearchBar.h"
#include "TForm1.h"
#include "TServerMethods1Client.h"
#include "WorkTabs.h"

#include <QTcpServer>
#include <QtTest>

CartTab& cartOf(TForm1& w)
{
    return *w.findChild<CartTab*>();
}

bool cartFetchEnded(TForm1& w)
{
    return w.cxGrid2->isEnabled() && w.cxGrid2->isAttached() && w.Panel2->gifsepet->isHidden();
}

bool showCart(TForm1& w, int timeoutMs)
{
    WorkTabs& tabs = *w.sPageControl1;
    tabs.setActiveSheet(tabs.sstoklistesi);
    tabs.setActiveSheet(tabs.ssepet);
    return QTest::qWaitFor([&] { return cartFetchEnded(w); }, timeoutMs);
}

void onServer(MainWindowFixture& s, const std::function<void(TServerMethods1Client&)>& call)
{
    std::unique_ptr<RemoteConnection> connection = s.w().bagc.Clone();
    connection->Open();
    TServerMethods1Client proxy(*connection);
    call(proxy);
}

std::unique_ptr<TSonucBilgisi> kopya(const TSonucBilgisi& sbilgi)
{
    auto copy = std::make_unique<TSonucBilgisi>();
    copy->Kopyala(sbilgi);
    return copy;
}

QList<int> intsOf(const DataTable& table, const QString& name)
{
    QList<int> values;
    const int c = table.indexOf(name);
    for (int row = 0; row < table.rowCount(); ++row)
        values << table.column(c).valueAt(row).toInt();
    return values;
}

QString deadPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QString::number(probe.serverPort());
}
