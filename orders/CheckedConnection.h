#pragma once

#include "BaglantiKontrol.h"
#include "RemoteConnection.h"

/// One call path on a connection: the connection check runs on entry, and the connection is
/// closed again when the path ends, however it ends (a raised error included), so no
/// connection stays open between calls and a worker's socket dies on the worker.
class CheckedConnection
{
public:
    /// `report` chooses the reporting form of the check.
    CheckedConnection(RemoteConnection& connection, bool report)
        : m_connection(connection), m_open(BaglantiKontrol(connection, report))
    {
    }
    ~CheckedConnection() { m_connection.Close(); }
    CheckedConnection(const CheckedConnection&) = delete;
    CheckedConnection& operator=(const CheckedConnection&) = delete;

    /// True when the check opened the connection.
    bool isOpen() const { return m_open; }

private:
    RemoteConnection& m_connection;
    bool m_open;
};
