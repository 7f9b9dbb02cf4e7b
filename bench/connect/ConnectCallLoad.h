#pragma once

#include "WireCodec.h"

#include <QByteArray>
#include <QString>
#include <chrono>
#include <vector>

/// Load for the connection benchmark: a fixed number of client connections in flight on
/// one epoll loop, each cycling connect → Hello → Welcome → Call → Result → close against
/// a server on loopback, as the client does for every call path. One thread drives them
/// all, so the load generator does not compete with the server for the two cores through
/// dozens of threads.
class ConnectCallLoad
{
public:
    struct Options
    {
        quint16 port = 9090;
        int connections = 64;
        double warmupSeconds = 1;
        double seconds = 5;
        QString method = QStringLiteral("AcilisReklamAdet");
        /// All connections from 127.0.0.1, as one machine would make them.
        bool singleSource = false;
    };

    struct Outcome
    {
        std::vector<double> latenciesMs; // connect to close of each call in the window
        long failures = 0;
        double seconds = 0; // length of the measured window
    };

    explicit ConnectCallLoad(const Options& options);
    ~ConnectCallLoad();
    ConnectCallLoad(const ConnectCallLoad&) = delete;
    ConnectCallLoad& operator=(const ConnectCallLoad&) = delete;

    /// Runs the warm-up and then the measured window; calls that end in the window count.
    Outcome run();

private:
    using Clock = std::chrono::steady_clock;
    enum class Stage { Connecting, AwaitWelcome, AwaitResult };

    struct Slot
    {
        int fd = -1;
        Stage stage = Stage::Connecting;
        Clock::time_point started;
        QByteArray input;
    };

    /// Starts the next call on every slot without a connection.
    void startIdleSlots();
    void start(Slot& slot);
    /// Binds the slot's socket to a loopback source address of its own.
    void bindSource(const Slot& slot);
    void onEvent(Slot& slot, unsigned events);
    void onConnected(Slot& slot);
    void onReadable(Slot& slot);
    /// Takes one whole message off the slot's input; false while it is incomplete.
    bool takeMessage(Slot& slot, WireCodec::Kind& kind);
    bool sendAll(int fd, const QByteArray& bytes);
    /// Closes the slot's connection and records the call; the loop starts the next one.
    void finish(Slot& slot, bool ok);
    void expireStalled(Clock::time_point now);

    Options m_options;
    QByteArray m_hello;
    QByteArray m_call;
    int m_epoll = -1;
    std::vector<Slot> m_slots;
    Clock::time_point m_windowStart;
    Clock::time_point m_windowEnd;
    Outcome m_outcome;
};
