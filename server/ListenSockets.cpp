#include "ListenSockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Connections waiting for a worker; bursts of many clients connecting at once fit.
constexpr int Backlog = 4096;

} // namespace

ListenSockets::~ListenSockets()
{
    for (int fd : m_fds) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool ListenSockets::open(const QString& address, int port, int count, QString& error)
{
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_ANY);
    addr.sin_port = htons(quint16(port));
    if (!address.isEmpty() && ::inet_pton(AF_INET, qPrintable(address), &addr.sin_addr) != 1) {
        error = QStringLiteral("not an IPv4 address: %1").arg(address);
        return false;
    }
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    const int one = 1;
    if (fd < 0 || ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one) != 0 ||
        ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(fd, Backlog) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    socklen_t length = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &length);
    m_port = ntohs(addr.sin_port);
    m_fds.push_back(fd);
    while (int(m_fds.size()) < count) {
        const int copy = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
        if (copy < 0) {
            error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        m_fds.push_back(copy);
    }
    return true;
}

int ListenSockets::take(int i)
{
    const int fd = m_fds[i];
    m_fds[i] = -1;
    return fd;
}
