#include "ListenSockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

bool ListenSockets::open(const QString& address, int port, int count, QString& error)
{
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_ANY);
    if (!address.isEmpty() && ::inet_pton(AF_INET, qPrintable(address), &addr.sin_addr) != 1) {
        error = QStringLiteral("not an IPv4 address: %1").arg(address);
        return false;
    }
    m_port = port;
    for (int i = 0; i < count; ++i) {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        const int one = 1;
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        ::setsockopt(fd, SOL_SOCKET, SO_REUSEPORT, &one, sizeof one);
        addr.sin_port = htons(quint16(m_port));
        if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::listen(fd, 1024) != 0) {
            error = QString::fromLocal8Bit(std::strerror(errno));
            if (fd >= 0)
                ::close(fd);
            closeAll();
            return false;
        }
        socklen_t len = sizeof addr;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
        m_port = ntohs(addr.sin_port);
        m_fds.push_back(fd);
    }
    return true;
}

void ListenSockets::closeAll()
{
    for (int fd : m_fds)
        ::close(fd);
    m_fds.clear();
}
