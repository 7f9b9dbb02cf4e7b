#pragma once

#include <QJsonObject>

class DataTable;
class ServerMethodCommand;
class WireValue;

/// Turns the values of an executed command into JSON: tables as "columns" and "rows",
/// records in their wire form, streams as their announced and delivered lengths and the
/// SHA-256 of the delivered bytes.
class CallOutput
{
public:
    static QJsonObject document(ServerMethodCommand& command);
    static QJsonObject table(const DataTable& table);
    static QJsonValue value(const WireValue& value);
};
