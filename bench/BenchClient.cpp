#include "BenchClient.h"

#include "MethodCatalogue.h"
#include "RemoteError.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

BenchClient::~BenchClient()
{
    close();
}

bool BenchClient::open(int port)
{
    m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(quint16(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(m_fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return false;
    const int one = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    WireCodec::Hello hello;
    hello.context = QStringLiteral("datasnap/");
    sendMessage(WireCodec::Kind::Hello, WireCodec::encodeHello(hello));
    QByteArray body;
    return readMessage(body) == WireCodec::Kind::Welcome;
}

void BenchClient::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

WireCodec::Result BenchClient::call(const QString& method, std::vector<WireValue> params)
{
    WireCodec::Call call;
    call.command = MethodCatalogue::find(method)->commandText();
    call.params = std::move(params);
    sendMessage(WireCodec::Kind::Call, WireCodec::encodeCall(call));
    QByteArray body;
    if (readMessage(body) != WireCodec::Kind::Result)
        throw RemoteError(RemoteError::Kind::Server, WireCodec::decodeText(body));
    return WireCodec::decodeResult(body);
}

void BenchClient::sendMessage(WireCodec::Kind kind, const QByteArray& body)
{
    const auto header = WireCodec::frameHeader(kind, std::uint32_t(body.size()), false);
    const QByteArray all = QByteArray(header.data(), header.size()) + body;
    for (qsizetype sent = 0; sent < all.size();) {
        const ssize_t n = ::send(m_fd, all.constData() + sent, size_t(all.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            throw RemoteError(RemoteError::Kind::Connection, QStringLiteral("send failed"));
        sent += n;
    }
}

bool BenchClient::readExactly(char* out, size_t n)
{
    while (n > 0) {
        const ssize_t got = ::recv(m_fd, out, n, 0);
        if (got <= 0)
            return false;
        out += got;
        n -= size_t(got);
    }
    return true;
}

WireCodec::Kind BenchClient::readMessage(QByteArray& body)
{
    body.clear();
    for (;;) {
        char header[WireCodec::FrameHeaderSize];
        if (!readExactly(header, sizeof header))
            throw RemoteError(RemoteError::Kind::Connection, QStringLiteral("connection closed"));
        const auto h = WireCodec::parseFrameHeader(header);
        const qsizetype at = body.size();
        body.resize(at + h.length);
        if (!readExactly(body.data() + at, h.length))
            throw RemoteError(RemoteError::Kind::Connection, QStringLiteral("connection closed"));
        if (!h.more)
            return h.kind;
    }
}
