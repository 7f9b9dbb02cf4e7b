#include "CallOutput.h"

#include "DataTable.h"
#include "ServerMethodCommand.h"

#include <QCryptographicHash>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

QJsonValue cell(const DataColumn& c, int row)
{
    if (c.isNull(row))
        return QJsonValue::Null;
    switch (c.type()) {
    case FieldType::Integer: return c.intAt(row);
    case FieldType::LargeInt: return static_cast<double>(c.int64At(row));
    case FieldType::Boolean: return c.boolAt(row);
    case FieldType::Date: return c.valueAt(row).toDate().toString(Qt::ISODate);
    case FieldType::DateTime: return c.valueAt(row).toDateTime().toString(Qt::ISODate);
    case FieldType::Blob: return QString::fromLatin1(c.bytesAt(row).toByteArray().toBase64());
    case FieldType::String:
    case FieldType::Memo: return c.stringAt(row);
    default: return c.doubleAt(row);
    }
}

QJsonObject stream(const QByteArray& bytes, const QJsonValue& announced)
{
    return QJsonObject{
        {QStringLiteral("announced"), announced},
        {QStringLiteral("delivered"), static_cast<double>(bytes.size())},
        {QStringLiteral("sha256"),
         QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex())}};
}

} // namespace

QJsonObject CallOutput::table(const DataTable& table)
{
    QJsonArray columns;
    for (const auto& c : table.columns())
        columns.append(QJsonObject{{QStringLiteral("name"), c.name()},
                                   {QStringLiteral("type"), fieldTypeName(c.type())}});
    QJsonArray rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QJsonArray row;
        for (const auto& c : table.columns())
            row.append(cell(c, r));
        rows.append(row);
    }
    return QJsonObject{{QStringLiteral("columns"), columns}, {QStringLiteral("rows"), rows}};
}

QJsonValue CallOutput::value(const WireValue& v)
{
    switch (v.tag()) {
    case WireTag::Null: return QJsonValue::Null;
    case WireTag::Int32: return v.toInt32();
    case WireTag::Int64: return static_cast<double>(v.toInt64());
    case WireTag::Double: return v.toDouble();
    case WireTag::Boolean: return v.toBoolean();
    case WireTag::String: return v.toString();
    case WireTag::Record: return QJsonDocument::fromJson(v.recordJson()).object();
    case WireTag::RecordSet:
    case WireTag::DataPacket: return table(v.table());
    case WireTag::Stream: return stream(v.streamBytes(), QJsonValue::Null);
    case WireTag::Out: return QJsonValue::Null;
    }
    return QJsonValue::Null;
}

QJsonObject CallOutput::document(ServerMethodCommand& command)
{
    const MethodSignature& m = command.Signature();
    QJsonObject out;
    QJsonValue announced;
    for (size_t i = 0; i < m.params.size(); ++i) {
        if (!m.params[i].out)
            continue;
        const QJsonValue v = value(command.Parameter(static_cast<int>(i)));
        out.insert(QString::fromLatin1(m.params[i].name), v);
        announced = v;
    }
    QJsonObject doc{{QStringLiteral("method"), QString::fromLatin1(m.name)},
                    {QStringLiteral("out"), out}};
    if (m.result == WireTag::Stream)
        doc.insert(QStringLiteral("result"), stream(command.Result().streamBytes(), announced));
    else if (m.result != WireTag::Null)
        doc.insert(QStringLiteral("result"), value(command.Result()));
    return doc;
}
