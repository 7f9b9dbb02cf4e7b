#pragma once

#include <QString>
#include <vector>

/// Listening sockets that share one port (SO_REUSEPORT): each worker thread accepts on its
/// own socket and the kernel spreads new connections over them, so no single thread hands
/// out every connection.
class ListenSockets
{
public:
    /// Opens `count` sockets on `address` (empty: every interface) and `port` (0: a free
    /// port, the same for all). Returns false and sets `error` on failure.
    bool open(const QString& address, int port, int count, QString& error);
    const std::vector<int>& descriptors() const { return m_fds; }
    int port() const { return m_port; }
    /// Closes the sockets not handed over yet.
    void closeAll();

private:
    std::vector<int> m_fds;
    int m_port = 0;
};
