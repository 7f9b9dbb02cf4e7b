#include "ProtocolConnection.h"

#include "CallArgs.h"
#include "CallExecutor.h"
#include "CallLog.h"
#include "FaultPlan.h"
#include "FrameBuilder.h"
#include "MethodCatalogue.h"
#include "RemoteError.h"

#include <QTcpSocket>

ProtocolConnection::ProtocolConnection(qintptr descriptor, CallExecutor& executor,
                                       const FaultPlan& faults, int idleTimeoutMs,
                                       QObject* parent)
    : QObject(parent), m_socket(new QTcpSocket(this)), m_executor(executor), m_faults(faults)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleTimeoutMs);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        CallLog::note(QStringLiteral("connection idle, closed"));
        m_socket->abort();
        deleteLater();
    });
    connect(m_socket, &QTcpSocket::readyRead, this, &ProtocolConnection::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    if (!m_socket->setSocketDescriptor(descriptor)) {
        deleteLater();
        return;
    }
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    restartIdleTimer();
}

void ProtocolConnection::restartIdleTimer()
{
    if (!m_busy && !m_closing)
        m_idle.start();
}

void ProtocolConnection::onReadyRead()
{
    if (m_closing) {
        m_socket->readAll();
        return;
    }
    m_input.append(m_socket->readAll());
    restartIdleTimer();
    processInput();
}

void ProtocolConnection::processInput()
{
    try {
        WireCodec::Kind kind;
        QByteArray body;
        while (!m_busy && !m_closing && takeMessage(kind, body))
            handle(kind, body);
    } catch (const RemoteError& e) {
        CallLog::note(QStringLiteral("protocol error: ") + e.text());
        sendAndClose(WireCodec::Kind::ProtocolError, e.text());
    }
}

bool ProtocolConnection::takeMessage(WireCodec::Kind& kind, QByteArray& body)
{
    while (m_input.size() >= WireCodec::FrameHeaderSize) {
        const auto header = WireCodec::parseFrameHeader(m_input.constData());
        if (m_message.size() + qsizetype(header.length) > WireCodec::MaxRequest)
            throw RemoteError(RemoteError::Kind::Protocol,
                              QStringLiteral("Protokol hatası: istek çok büyük"));
        if (m_messageKind && *m_messageKind != header.kind)
            throw RemoteError(RemoteError::Kind::Protocol,
                              QStringLiteral("Protokol hatası: ileti parçalarının türü farklı"));
        const qsizetype frameSize = WireCodec::FrameHeaderSize + qsizetype(header.length);
        if (m_input.size() < frameSize)
            return false;
        m_message.append(m_input.constData() + WireCodec::FrameHeaderSize, header.length);
        m_input.remove(0, frameSize);
        m_messageKind = header.kind;
        if (!header.more) {
            kind = header.kind;
            body = std::move(m_message);
            m_message.clear();
            m_messageKind.reset();
            return true;
        }
    }
    return false;
}

void ProtocolConnection::handle(WireCodec::Kind kind, const QByteArray& body)
{
    if (kind == WireCodec::Kind::Hello && !m_greeted)
        return onHello(body);
    if (kind == WireCodec::Kind::Call && m_greeted)
        return onCall(body);
    throw RemoteError(RemoteError::Kind::Protocol,
                      QStringLiteral("Protokol hatası: beklenmeyen ileti türü %1").arg(int(kind)));
}

void ProtocolConnection::onHello(const QByteArray& body)
{
    const WireCodec::Hello hello = WireCodec::decodeHello(body);
    if (hello.version != WireCodec::ProtocolVersion) {
        sendAndClose(WireCodec::Kind::Refused,
                     QStringLiteral("Desteklenmeyen protokol sürümü %1").arg(hello.version));
        return;
    }
    if (hello.context != QLatin1String(Context)) {
        sendAndClose(WireCodec::Kind::Refused,
                     QStringLiteral("Bilinmeyen bağlam '%1'").arg(hello.context));
        return;
    }
    m_greeted = true;
    send(WireCodec::Kind::Welcome,
         WireCodec::encodeWelcome(WireCodec::ProtocolVersion, QStringLiteral("OtoKorvel")));
}

void ProtocolConnection::onCall(const QByteArray& body)
{
    WireCodec::Call call = WireCodec::decodeCall(body);
    const MethodSignature* sig = MethodCatalogue::fromCommand(call.command);
    if (!sig)
        throw RemoteError(RemoteError::Kind::Protocol,
                          QStringLiteral("Protokol hatası: bilinmeyen komut '%1'").arg(call.command));
    auto args = std::make_shared<CallArgs>(*sig, std::move(call.params));
    const int delay = m_faults.delayMs(args->method());
    if (delay <= 0)
        return answer(*args);
    m_busy = true;
    m_idle.stop();
    QTimer::singleShot(delay, this, [this, args] {
        m_busy = false;
        answer(*args);
        restartIdleTimer();
        processInput();
    });
}

void ProtocolConnection::answer(const CallArgs& args)
{
    const CallExecutor::Answer a = m_executor.run(args);
    if (m_faults.drops(args.method()))
        sendHalfAndDrop(a.message);
    else
        m_socket->write(a.message);
}

void ProtocolConnection::send(WireCodec::Kind kind, const QByteArray& body)
{
    m_socket->write(FrameBuilder::message(kind, body));
}

void ProtocolConnection::sendHalfAndDrop(const QByteArray& message)
{
    m_socket->write(message.left(message.size() / 2));
    m_socket->flush();
    m_closing = true;
    m_socket->abort();
    CallLog::note(QStringLiteral("connection dropped mid-answer (fault)"));
    deleteLater();
}

void ProtocolConnection::sendAndClose(WireCodec::Kind kind, const QString& text)
{
    send(kind, WireCodec::encodeText(text));
    m_closing = true;
    m_idle.stop();
    m_socket->disconnectFromHost();
}
