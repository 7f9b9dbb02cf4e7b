#include "WireClient.h"

#include "MethodCatalogue.h"
#include "RemoteError.h"

#include <QElapsedTimer>
#include <cstring>

bool WireClient::open(const QString& context, quint16 version)
{
    m_socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(m_port));
    if (!m_socket.waitForConnected(5000))
        return false;
    WireCodec::Hello hello;
    hello.version = version;
    hello.context = context;
    send(WireCodec::Kind::Hello, WireCodec::encodeHello(hello));
    const auto reply = read();
    return reply && reply->kind == WireCodec::Kind::Welcome;
}

void WireClient::send(WireCodec::Kind kind, const QByteArray& body)
{
    const auto header = WireCodec::frameHeader(kind, std::uint32_t(body.size()), false);
    sendRaw(QByteArray(header.data(), header.size()) + body);
}

void WireClient::sendRaw(const QByteArray& bytes)
{
    m_socket.write(bytes);
    m_socket.waitForBytesWritten(5000);
}

bool WireClient::fill(qsizetype n, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (m_buffer.size() < n) {
        if (m_socket.bytesAvailable() == 0 &&
            !m_socket.waitForReadyRead(int(std::max<qint64>(1, timeoutMs - timer.elapsed()))))
            return false;
        m_buffer.append(m_socket.readAll());
    }
    return true;
}

std::optional<WireClient::Message> WireClient::read(int timeoutMs)
{
    Message message{WireCodec::Kind::Result, {}};
    for (;;) {
        if (!fill(WireCodec::FrameHeaderSize, timeoutMs))
            return std::nullopt;
        const auto header = WireCodec::parseFrameHeader(m_buffer.constData());
        if (!fill(WireCodec::FrameHeaderSize + header.length, timeoutMs))
            return std::nullopt;
        message.kind = header.kind;
        message.body.append(m_buffer.mid(WireCodec::FrameHeaderSize, header.length));
        m_buffer.remove(0, WireCodec::FrameHeaderSize + header.length);
        if (!header.more)
            break;
    }
    m_last = message;
    return message;
}

bool WireClient::closedBy(int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (m_socket.state() == QAbstractSocket::UnconnectedState)
            return true;
        m_socket.waitForReadyRead(50);
        m_socket.readAll();
    }
    return m_socket.state() == QAbstractSocket::UnconnectedState;
}

WireCodec::Result WireClient::call(const QString& method, std::vector<WireValue> inputs)
{
    const MethodSignature* sig = MethodCatalogue::find(method);
    WireCodec::Call call;
    call.command = sig ? sig->commandText() : QStringLiteral("TServerMethods1.") + method;
    size_t next = 0;
    for (const MethodParam& p : sig ? sig->params : std::vector<MethodParam>{}) {
        if (p.out)
            call.params.push_back(WireValue::out(p.type));
        else
            call.params.push_back(next < inputs.size() ? std::move(inputs[next++]) : WireValue());
    }
    while (next < inputs.size())
        call.params.push_back(std::move(inputs[next++]));
    send(WireCodec::Kind::Call, WireCodec::encodeCall(call));
    const auto reply = read(60000);
    if (!reply)
        throw RemoteError(RemoteError::Kind::Connection, QStringLiteral("connection lost"));
    switch (reply->kind) {
    case WireCodec::Kind::Result: return WireCodec::decodeResult(reply->body);
    case WireCodec::Kind::Error:
        throw RemoteError(RemoteError::Kind::Server, WireCodec::decodeText(reply->body));
    default:
        throw RemoteError(RemoteError::Kind::Protocol, WireCodec::decodeText(reply->body));
    }
}

const WireValue& WireClient::at(const WireCodec::Result& r, int position)
{
    for (const auto& [pos, value] : r.values) {
        if (pos == position)
            return value;
    }
    throw RemoteError(RemoteError::Kind::Protocol, QStringLiteral("no value at %1").arg(position));
}
