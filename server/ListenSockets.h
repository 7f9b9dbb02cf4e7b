#pragma once

#include <QString>
#include <vector>

/// One listening socket shared by the worker threads: each worker gets its own descriptor
/// of it and accepts from the one queue of waiting connections whenever it is free, so a
/// worker busy with a long call never holds up a connection that another could take.
class ListenSockets
{
public:
    ListenSockets() = default;
    ~ListenSockets();
    ListenSockets(const ListenSockets&) = delete;
    ListenSockets& operator=(const ListenSockets&) = delete;

    /// Listens on `address` (empty: every interface) and `port` (0: a free port) with
    /// `count` descriptors. Returns false and sets `error` on failure.
    bool open(const QString& address, int port, int count, QString& error);
    int port() const { return m_port; }
    /// Hands descriptor `i` over to its worker, which closes it; the rest close with this.
    int take(int i);

private:
    std::vector<int> m_fds;
    int m_port = 0;
};
