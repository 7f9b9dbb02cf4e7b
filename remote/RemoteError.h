#pragma once

#include "AppError.h"

/// An error of a remote call. The text is what the user sees: the server's own error text,
/// the socket error of a failed connection, or a description of a malformed message.
class RemoteError : public AppError
{
public:
    enum class Kind {
        Connection, // could not connect, or the connection broke or timed out
        Server,     // the server executed the method and reported an error
        Protocol,   // a message was malformed or not what the protocol allows
    };

    RemoteError(Kind kind, QString text) : AppError(std::move(text)), m_kind(kind) {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};
