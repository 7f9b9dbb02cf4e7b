#pragma once

#include "MethodContext.h"
#include "WireCodec.h"

#include <memory>

class CallArgs;
class Database;
class FaultPlan;
struct DatabaseSettings;

/// Runs calls on one worker thread with that thread's own database connection.
class CallExecutor
{
public:
    /// The answer to one call: a Result or an Error message in its frame form, and what
    /// to log.
    struct Answer
    {
        QByteArray message;
        QString outcome;
    };

    CallExecutor(const DatabaseSettings& settings, const QString& connectionName,
                 const FaultPlan& faults, int clientVersion);
    ~CallExecutor();

    /// Runs the method (injected errors and stream faults included) and logs the call.
    Answer run(const CallArgs& args);

private:
    WireCodec::Result execute(const CallArgs& args);

    std::unique_ptr<Database> m_db;
    const FaultPlan& m_faults;
    MethodContext m_context;
};
