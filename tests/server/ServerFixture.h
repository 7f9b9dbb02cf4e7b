#pragma once

#include "DataTable.h"
#include "TSonucBilgisi.h"
#include "TestServer.h"
#include "WireClient.h"

#include <memory>

/// Helpers shared by the server tests: calls on a fresh connection each (as the client
/// makes them), sessions of the demo users, and table access by column name.
class ServerFixture
{
public:
    explicit ServerFixture(const QStringList& extraArgs = {});

    bool started() const { return m_server.started(); }
    QString error() const { return m_server.error(); }
    TestServer& server() { return m_server; }

    WireCodec::Result call(const QString& method, std::vector<WireValue> inputs);
    /// The method's result value (the last position of its signature).
    WireValue result(const QString& method, std::vector<WireValue> inputs);
    DataTable table(const QString& method, std::vector<WireValue> inputs);
    /// The session record the server holds for a demo workstation ("DEMO-BAYI" …).
    TSonucBilgisi session(const QString& workstation);
    static WireValue record(const TSonucBilgisi& s);

    static const DataColumn& column(const DataTable& t, const QString& name);
    static double number(const DataTable& t, const QString& name, int row);
    static QString text(const DataTable& t, const QString& name, int row);

private:
    TestServer m_server;
};
