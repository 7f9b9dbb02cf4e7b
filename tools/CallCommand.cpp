#include "CallCommand.h"

#include "CallOutput.h"
#include "JsonRecordReader.h"
#include "JsonRecordWriter.h"
#include "MethodCatalogue.h"
#include "RemoteConnection.h"
#include "RemoteError.h"
#include "TServerMethods1Client.h"
#include "TSonucBilgisi.h"

#include <QJsonDocument>

namespace {

const char* const Usage =
    "usage: otokorvel-call [--host H] [--port P] METHOD [PARAM ...]\n"
    "Parameters in declared order: numbers, texts, true/false, a record as its JSON form.\n";

struct Options
{
    QString host = QStringLiteral("localhost");
    QString port = QStringLiteral("9090");
    QString method;
    QStringList params;
};

bool parseOptions(const QStringList& args, Options& options)
{
    int i = 0;
    for (; i < args.size() && args[i].startsWith(QStringLiteral("--")); i += 2) {
        if (i + 1 >= args.size())
            return false;
        if (args[i] == QStringLiteral("--host"))
            options.host = args[i + 1];
        else if (args[i] == QStringLiteral("--port"))
            options.port = args[i + 1];
        else
            return false;
    }
    if (i >= args.size())
        return false;
    options.method = args[i];
    options.params = args.mid(i + 1);
    return true;
}

/// Converts one parameter text to the declared type; raises with a clear text otherwise.
WireValue parseParam(const MethodParam& p, const QString& text)
{
    const QString name = QString::fromLatin1(p.name);
    bool ok = true;
    switch (p.type) {
    case WireTag::Int32: {
        const int v = text.toInt(&ok);
        if (ok)
            return WireValue::int32(v);
        break;
    }
    case WireTag::Double: {
        const double v = text.toDouble(&ok);
        if (ok)
            return WireValue::real(v);
        break;
    }
    case WireTag::Boolean:
        if (text == QStringLiteral("true") || text == QStringLiteral("false"))
            return WireValue::boolean(text == QStringLiteral("true"));
        break;
    case WireTag::String: return WireValue::string(text);
    case WireTag::Record: {
        // Only the session record travels as a parameter; check it and send it normalised.
        const auto record = JsonRecordReader::read<TSonucBilgisi>(text.toUtf8());
        return record ? WireValue::record(JsonRecordWriter::write(*record)) : WireValue::null();
    }
    default: break;
    }
    throw AppError(QStringLiteral("%1: '%2' is not a valid %3")
                       .arg(name, text, wireTagName(p.type)));
}

std::vector<WireValue> parseParams(const MethodSignature& m, const QStringList& texts)
{
    std::vector<WireValue> inputs;
    int next = 0;
    for (const auto& p : m.params) {
        if (p.out)
            continue;
        if (next >= texts.size())
            throw AppError(QStringLiteral("missing parameter %1").arg(QString::fromLatin1(p.name)));
        inputs.push_back(parseParam(p, texts[next++]));
    }
    if (next != texts.size())
        throw AppError(QStringLiteral("too many parameters for %1").arg(QString::fromLatin1(m.name)));
    return inputs;
}

} // namespace

int CallCommand::run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Options options;
    if (!parseOptions(args, options)) {
        err << Usage;
        return UsageError;
    }
    const MethodSignature* method = MethodCatalogue::find(options.method);
    if (method == nullptr) {
        err << "unknown method " << options.method << '\n' << Usage;
        return UsageError;
    }
    std::vector<WireValue> inputs;
    try {
        inputs = parseParams(*method, options.params);
    } catch (const AppError& e) {
        err << e.text() << '\n';
        return UsageError;
    }

    RemoteConnection connection;
    connection.HostName = options.host;
    connection.Port = options.port;
    try {
        connection.Open();
        TServerMethods1Client proxy(connection);
        ServerMethodCommand& command = proxy.Invoke(options.method, std::move(inputs));
        out << QJsonDocument(CallOutput::document(command)).toJson(QJsonDocument::Indented);
        return Success;
    } catch (const RemoteError& e) {
        err << e.text() << '\n';
        return e.kind() == RemoteError::Kind::Server ? ServerError : ConnectionFailure;
    } catch (const AppError& e) {
        err << e.text() << '\n';
        return ServerError;
    }
}
