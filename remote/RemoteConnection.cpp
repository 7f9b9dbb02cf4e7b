#include "RemoteConnection.h"

#include "RemoteError.h"

#include <QTcpSocket>

namespace {

[[noreturn]] void connectionError(const QString& text)
{
    throw RemoteError(RemoteError::Kind::Connection, text);
}

} // namespace

RemoteConnection::RemoteConnection() = default;

RemoteConnection::~RemoteConnection()
{
    Close();
}

QString RemoteConnection::endpoint() const
{
    return HostName + u':' + Port;
}

bool RemoteConnection::Connected() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void RemoteConnection::Close()
{
    if (!m_socket)
        return;
    m_socket->abort();
    m_socket.reset();
}

std::unique_ptr<RemoteConnection> RemoteConnection::Clone() const
{
    auto clone = std::make_unique<RemoteConnection>();
    clone->ConnectionName = ConnectionName;
    clone->DriverName = DriverName;
    clone->LoginPrompt = LoginPrompt;
    clone->CommunicationProtocol = CommunicationProtocol;
    clone->HostName = HostName;
    clone->Port = Port;
    clone->DatasnapContext = DatasnapContext;
    clone->Filters = Filters;
    clone->DSProxyPort = DSProxyPort;
    return clone;
}

void RemoteConnection::Open()
{
    Close();
    bool portOk = false;
    const uint port = Port.toUInt(&portOk);
    if (!portOk || port == 0 || port > 65535)
        connectionError(QStringLiteral("%1: geçersiz port").arg(endpoint()));

    m_socket = std::make_unique<QTcpSocket>();
    m_socket->connectToHost(HostName, static_cast<quint16>(port));
    if (!m_socket->waitForConnected(ConnectTimeoutMs)) {
        const QString text = m_socket->error() == QAbstractSocket::SocketTimeoutError
                                 ? QStringLiteral("Bağlantı zaman aşımına uğradı")
                                 : m_socket->errorString();
        Close();
        connectionError(QStringLiteral("%1: %2").arg(endpoint(), text));
    }
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);

    try {
        send(WireCodec::Kind::Hello,
             WireCodec::encodeHello({WireCodec::ProtocolVersion, DatasnapContext}));
        QByteArray body;
        const auto kind = receive(body, 64 * 1024, ConnectTimeoutMs);
        if (kind == WireCodec::Kind::Refused)
            connectionError(QStringLiteral("%1: sunucu bağlantıyı reddetti: %2")
                                .arg(endpoint(), WireCodec::decodeText(body)));
        if (kind != WireCodec::Kind::Welcome ||
            WireCodec::decodeWelcome(body) != WireCodec::ProtocolVersion)
            connectionError(QStringLiteral("%1: sunucu tanınmayan bir yanıt verdi").arg(endpoint()));
    } catch (...) {
        Close();
        throw;
    }
}

WireCodec::Result RemoteConnection::Execute(const WireCodec::Call& call)
{
    if (!Connected())
        connectionError(QStringLiteral("%1: bağlantı açık değil").arg(endpoint()));
    send(WireCodec::Kind::Call, WireCodec::encodeCall(call));
    QByteArray body;
    const auto kind = receive(body, WireCodec::MaxAnswer, ReadTimeoutMs);
    switch (kind) {
    case WireCodec::Kind::Result:
        try {
            return WireCodec::decodeResult(body);
        } catch (...) {
            Close();
            throw;
        }
    case WireCodec::Kind::Error:
        throw RemoteError(RemoteError::Kind::Server, WireCodec::decodeText(body));
    case WireCodec::Kind::ProtocolError: {
        const QString text = WireCodec::decodeText(body);
        Close();
        throw RemoteError(RemoteError::Kind::Protocol, text);
    }
    default:
        Close();
        throw RemoteError(RemoteError::Kind::Protocol,
                          QStringLiteral("Sunucudan beklenmeyen ileti türü"));
    }
}

void RemoteConnection::send(WireCodec::Kind kind, const QByteArray& body)
{
    qsizetype offset = 0;
    do {
        const auto length =
            static_cast<std::uint32_t>(std::min<qsizetype>(body.size() - offset,
                                                           WireCodec::MaxFrameBody));
        const bool more = offset + length < body.size();
        const auto header = WireCodec::frameHeader(kind, length, more);
        m_socket->write(header.data(), header.size());
        m_socket->write(body.constData() + offset, length);
        offset += length;
    } while (offset < body.size());
    while (m_socket->bytesToWrite() > 0) {
        if (!m_socket->waitForBytesWritten(ReadTimeoutMs))
            broken(m_socket->errorString());
    }
}

WireCodec::Kind RemoteConnection::receive(QByteArray& body, qsizetype limit, int timeoutMs)
{
    body.clear();
    bool first = true;
    WireCodec::Kind kind = WireCodec::Kind::Result;
    for (;;) {
        char raw[WireCodec::FrameHeaderSize];
        readExactly(raw, sizeof raw, timeoutMs);
        WireCodec::FrameHeader header;
        try {
            header = WireCodec::parseFrameHeader(raw);
            if (!first && header.kind != kind)
                throw RemoteError(RemoteError::Kind::Protocol,
                                  QStringLiteral("Protokol hatası: çerçeve türü değişti"));
            if (body.size() + header.length > limit)
                throw RemoteError(RemoteError::Kind::Protocol,
                                  QStringLiteral("Protokol hatası: yanıt çok büyük"));
        } catch (...) {
            Close();
            throw;
        }
        kind = header.kind;
        first = false;
        const qsizetype start = body.size();
        body.resize(start + header.length);
        readExactly(body.data() + start, header.length, timeoutMs);
        if (!header.more)
            return kind;
    }
}

void RemoteConnection::readExactly(char* data, qsizetype size, int timeoutMs)
{
    qsizetype done = 0;
    while (done < size) {
        const qint64 n = m_socket->read(data + done, size - done);
        if (n < 0)
            broken(m_socket->errorString());
        done += n;
        if (done < size && n == 0 && !m_socket->waitForReadyRead(timeoutMs)) {
            broken(m_socket->error() == QAbstractSocket::SocketTimeoutError
                       ? QStringLiteral("yanıt zaman aşımına uğradı")
                       : m_socket->errorString());
        }
    }
}

void RemoteConnection::broken(const QString& what)
{
    Close();
    connectionError(QStringLiteral("%1: sunucu bağlantısı koptu: %2").arg(endpoint(), what));
}
