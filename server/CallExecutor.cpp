#include "CallExecutor.h"

#include "ByteWriter.h"
#include "CallArgs.h"
#include "CallLog.h"
#include "Database.h"
#include "FaultPlan.h"
#include "FrameBuilder.h"
#include "MethodTable.h"
#include "RemoteError.h"
#include "ServerError.h"

#include <QElapsedTimer>
#include <stdexcept>

namespace {

QByteArray errorMessage(const QString& text)
{
    return FrameBuilder::message(WireCodec::Kind::Error, WireCodec::encodeText(text));
}

} // namespace

CallExecutor::CallExecutor(const DatabaseSettings& settings, const QString& connectionName,
                           const FaultPlan& faults, int clientVersion)
    : m_db(std::make_unique<Database>(settings, connectionName)), m_faults(faults),
      m_context{*m_db, clientVersion}
{
}

CallExecutor::~CallExecutor() = default;

WireCodec::Result CallExecutor::execute(const CallArgs& args)
{
    const QString method = args.method();
    if (const auto text = m_faults.errorText(method))
        throw ServerError(*text);
    const MethodHandler handler = MethodTable::instance().find(method);
    if (!handler)
        throw ServerError(QStringLiteral("Yöntem sunucuda yok: %1").arg(method));
    WireCodec::Result result = handler(m_context, args);
    if (const qint64 extra = m_faults.extraAnnounced(method)) {
        for (auto& [pos, value] : result.values) {
            if (value.tag() == WireTag::Int64)
                value = WireValue::int64(value.toInt64() + extra);
        }
    }
    return result;
}

CallExecutor::Answer CallExecutor::run(const CallArgs& args)
{
    QElapsedTimer timer;
    timer.start();
    Answer answer;
    try {
        const WireCodec::Result result = execute(args);
        answer.message = FrameBuilder::message(
            WireCodec::Kind::Result, WireCodec::resultSizeHint(result),
            [&result](ByteWriter& out) { WireCodec::writeResult(out, result); });
        answer.outcome = QStringLiteral("ok");
    } catch (const AppError& e) {
        // Server errors, a malformed record inside a parameter, database failures: the
        // caller sees the text, the connection stays usable.
        answer.message = errorMessage(e.text());
        answer.outcome = QStringLiteral("error: ") + e.text();
    } catch (const std::exception& e) {
        answer.message = errorMessage(QStringLiteral("Sunucu hatası: %1").arg(e.what()));
        answer.outcome = QStringLiteral("failure: ") + QString::fromUtf8(e.what());
    }
    CallLog::call(args.method(), double(timer.nsecsElapsed()) / 1e6, answer.outcome);
    return answer;
}
