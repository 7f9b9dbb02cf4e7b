#pragma once

#include "WireCodec.h"

#include <QByteArray>
#include <QString>
#include <vector>

/// A blocking remote-method client on plain sockets for the benchmarks: no event loop, so
/// the figures show the server and the codec rather than the client's toolkit.
class BenchClient
{
public:
    ~BenchClient();
    /// Connects to 127.0.0.1:port and completes the handshake.
    bool open(int port);
    /// Calls `method` with all its parameters (placeholders included); the result message.
    WireCodec::Result call(const QString& method, std::vector<WireValue> params);
    void close();

private:
    void sendMessage(WireCodec::Kind kind, const QByteArray& body);
    WireCodec::Kind readMessage(QByteArray& body);
    bool readExactly(char* out, size_t n);

    int m_fd = -1;
};
