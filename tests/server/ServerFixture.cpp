#include "ServerFixture.h"

#include "JsonRecordReader.h"
#include "JsonRecordWriter.h"
#include "MethodCatalogue.h"
#include "RemoteConnection.h"
#include "RemoteError.h"
#include "TServerMethods1Client.h"

#include <stdexcept>

ServerFixture::ServerFixture(const QStringList& extraArgs) : m_server(extraArgs) {}

WireCodec::Result ServerFixture::call(const QString& method, std::vector<WireValue> inputs)
{
    // Through the client's own connection and proxy, so every method test is a round trip
    // of the real client layer too.
    RemoteConnection connection;
    connection.HostName = QStringLiteral("127.0.0.1");
    connection.Port = QString::number(m_server.port());
    connection.Open();
    TServerMethods1Client proxy(connection);
    ServerMethodCommand& command = proxy.Invoke(method, std::move(inputs));
    const MethodSignature& signature = command.Signature();
    WireCodec::Result result;
    for (int pos = 0; pos <= signature.resultPosition(); ++pos) {
        const bool answered = pos == signature.resultPosition()
                                  ? signature.result != WireTag::Null
                                  : signature.params[pos].out;
        if (answered)
            result.values.emplace_back(pos, std::move(command.Parameter(pos)));
    }
    return result;
}

WireValue ServerFixture::result(const QString& method, std::vector<WireValue> inputs)
{
    const WireCodec::Result r = call(method, std::move(inputs));
    return WireClient::at(r, MethodCatalogue::find(method)->resultPosition());
}

DataTable ServerFixture::table(const QString& method, std::vector<WireValue> inputs)
{
    WireValue v = result(method, std::move(inputs));
    return v.takeTable();
}

TSonucBilgisi ServerFixture::session(const QString& workstation)
{
    const WireValue v = result(QStringLiteral("BuyukGetir"), {WireValue::string(workstation)});
    return *JsonRecordReader::read<TSonucBilgisi>(v.recordJson());
}

WireValue ServerFixture::record(const TSonucBilgisi& s)
{
    return WireValue::record(JsonRecordWriter::write(s));
}

const DataColumn& ServerFixture::column(const DataTable& t, const QString& name)
{
    const int i = t.indexOf(name);
    if (i < 0)
        throw std::runtime_error("no column " + name.toStdString());
    return t.column(i);
}

double ServerFixture::number(const DataTable& t, const QString& name, int row)
{
    return column(t, name).numberAt(row);
}

QString ServerFixture::text(const DataTable& t, const QString& name, int row)
{
    return column(t, name).stringAt(row);
}
