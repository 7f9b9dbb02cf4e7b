#include "ConnectCallLoad.h"

#include "MethodCatalogue.h"
#include "RemoteError.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <stdexcept>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A call that has not finished by then is counted as failed and its connection dropped.
constexpr auto StallLimit = std::chrono::seconds(10);

QByteArray framed(WireCodec::Kind kind, const QByteArray& body)
{
    const auto header = WireCodec::frameHeader(kind, std::uint32_t(body.size()), false);
    return QByteArray(header.data(), header.size()) + body;
}

/// The method's call with an Out placeholder or a zero for every parameter.
WireCodec::Call callOf(const QString& method)
{
    const MethodSignature* sig = MethodCatalogue::find(method);
    if (!sig)
        throw std::runtime_error("unknown method " + method.toStdString());
    WireCodec::Call call{sig->commandText(), {}};
    for (const auto& p : sig->params) {
        if (p.out)
            call.params.push_back(WireValue::out(p.type));
        else if (p.type == WireTag::Int32)
            call.params.push_back(WireValue::int32(0));
        else
            throw std::runtime_error("only methods with integer inputs are supported");
    }
    return call;
}

} // namespace

ConnectCallLoad::ConnectCallLoad(const Options& options)
    : m_options(options),
      m_hello(framed(WireCodec::Kind::Hello,
                     WireCodec::encodeHello({WireCodec::ProtocolVersion,
                                             QStringLiteral("datasnap/")}))),
      m_call(framed(WireCodec::Kind::Call, WireCodec::encodeCall(callOf(options.method)))),
      m_epoll(::epoll_create1(EPOLL_CLOEXEC)),
      m_slots(size_t(options.connections))
{
    if (m_epoll < 0)
        throw std::runtime_error(std::strerror(errno));
}

ConnectCallLoad::~ConnectCallLoad()
{
    for (Slot& s : m_slots) {
        if (s.fd >= 0)
            ::close(s.fd);
    }
    ::close(m_epoll);
}

ConnectCallLoad::Outcome ConnectCallLoad::run()
{
    using std::chrono::duration;
    const auto now = Clock::now();
    m_windowStart = now + std::chrono::duration_cast<Clock::duration>(
                              duration<double>(m_options.warmupSeconds));
    m_windowEnd = m_windowStart + std::chrono::duration_cast<Clock::duration>(
                                      duration<double>(m_options.seconds));
    std::vector<epoll_event> events(m_slots.size());
    while (Clock::now() < m_windowEnd) {
        startIdleSlots();
        const int n = ::epoll_wait(m_epoll, events.data(), int(events.size()), 100);
        for (int i = 0; i < n; ++i)
            onEvent(m_slots[events[i].data.u32], events[i].events);
        expireStalled(Clock::now());
    }
    m_outcome.seconds = m_options.seconds;
    return m_outcome;
}

void ConnectCallLoad::startIdleSlots()
{
    for (Slot& s : m_slots) {
        if (s.fd < 0)
            start(s);
    }
}

void ConnectCallLoad::start(Slot& slot)
{
    slot.started = Clock::now();
    slot.input.clear();
    slot.stage = Stage::Connecting;
    slot.fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(m_options.port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int one = 1;
    ::setsockopt(slot.fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (!m_options.singleSource)
        bindSource(slot);
    if (::connect(slot.fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 &&
        errno != EINPROGRESS)
        return finish(slot, false);
    epoll_event ev{};
    ev.events = EPOLLOUT | EPOLLIN;
    ev.data.u32 = std::uint32_t(&slot - m_slots.data());
    ::epoll_ctl(m_epoll, EPOLL_CTL_ADD, slot.fd, &ev);
}

void ConnectCallLoad::bindSource(const Slot& slot)
{
    // Each slot stands for a client machine of its own: 127.0.0.2, 127.0.0.3, ... The
    // closing side keeps its port in TIME_WAIT for a minute, so tens of thousands of
    // connections a second from one address would soon leave connect() hunting for a free
    // port; the port is picked at connect time, for the whole address pair.
    const int one = 1;
    ::setsockopt(slot.fd, IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, &one, sizeof one);
    sockaddr_in source{};
    source.sin_family = AF_INET;
    const auto index = std::uint32_t(&slot - m_slots.data());
    source.sin_addr.s_addr = htonl((127u << 24) + 2 + index % 250000);
    ::bind(slot.fd, reinterpret_cast<sockaddr*>(&source), sizeof source);
}

void ConnectCallLoad::onEvent(Slot& slot, unsigned events)
{
    if (slot.stage == Stage::Connecting && (events & (EPOLLOUT | EPOLLERR | EPOLLHUP)))
        return onConnected(slot);
    if (events & (EPOLLIN | EPOLLERR | EPOLLHUP))
        onReadable(slot);
}

void ConnectCallLoad::onConnected(Slot& slot)
{
    int error = 0;
    socklen_t length = sizeof error;
    ::getsockopt(slot.fd, SOL_SOCKET, SO_ERROR, &error, &length);
    if (error != 0 || !sendAll(slot.fd, m_hello))
        return finish(slot, false);
    slot.stage = Stage::AwaitWelcome;
    epoll_event ev{};
    ev.events = EPOLLIN;
    ev.data.u32 = std::uint32_t(&slot - m_slots.data());
    ::epoll_ctl(m_epoll, EPOLL_CTL_MOD, slot.fd, &ev);
}

void ConnectCallLoad::onReadable(Slot& slot)
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::recv(slot.fd, buffer, sizeof buffer, 0);
        if (n > 0) {
            slot.input.append(buffer, n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            break;
        return finish(slot, false); // closed or failed before the answer was complete
    }
    WireCodec::Kind kind;
    try {
        if (!takeMessage(slot, kind))
            return;
    } catch (const RemoteError&) {
        return finish(slot, false); // not a frame of the protocol
    }
    if (slot.stage == Stage::AwaitWelcome && kind == WireCodec::Kind::Welcome) {
        slot.stage = Stage::AwaitResult;
        if (!sendAll(slot.fd, m_call))
            finish(slot, false);
        return;
    }
    finish(slot, slot.stage == Stage::AwaitResult && kind == WireCodec::Kind::Result);
}

bool ConnectCallLoad::takeMessage(Slot& slot, WireCodec::Kind& kind)
{
    qsizetype at = 0;
    for (;;) {
        if (slot.input.size() - at < WireCodec::FrameHeaderSize)
            return false;
        const auto header = WireCodec::parseFrameHeader(slot.input.constData() + at);
        at += WireCodec::FrameHeaderSize + header.length;
        if (slot.input.size() < at)
            return false;
        if (!header.more) {
            kind = header.kind;
            slot.input.remove(0, at);
            return true;
        }
    }
}

bool ConnectCallLoad::sendAll(int fd, const QByteArray& bytes)
{
    // The requests are a few dozen bytes; a fresh connection takes them whole.
    return ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
}

void ConnectCallLoad::finish(Slot& slot, bool ok)
{
    ::close(slot.fd);
    slot.fd = -1;
    const auto now = Clock::now();
    if (now >= m_windowStart && now < m_windowEnd) {
        if (ok)
            m_outcome.latenciesMs.push_back(
                std::chrono::duration<double, std::milli>(now - slot.started).count());
        else
            ++m_outcome.failures;
    }
}

void ConnectCallLoad::expireStalled(Clock::time_point now)
{
    for (Slot& s : m_slots) {
        if (s.fd >= 0 && now - s.started > StallLimit)
            finish(s, false);
    }
}
