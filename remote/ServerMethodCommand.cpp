#include "ServerMethodCommand.h"

#include "RemoteConnection.h"
#include "RemoteError.h"

namespace {

bool fits(WireTag declared, const WireValue& v)
{
    return v.tag() == declared || (declared == WireTag::Record && v.isNull());
}

[[noreturn]] void protocolError(const QString& text)
{
    throw RemoteError(RemoteError::Kind::Protocol, QStringLiteral("Protokol hatası: ") + text);
}

} // namespace

ServerMethodCommand::ServerMethodCommand(RemoteConnection& connection,
                                         const MethodSignature& signature)
    : m_connection(connection), m_signature(signature)
{
}

void ServerMethodCommand::Prepare()
{
    if (m_prepared)
        return;
    Text = m_signature.commandText();
    m_values.assign(m_signature.params.size() + 1, WireValue());
    m_prepared = true;
}

std::vector<WireValue> ServerMethodCommand::buildParams(std::vector<WireValue> inputs) const
{
    std::vector<WireValue> params;
    size_t next = 0;
    for (const auto& p : m_signature.params) {
        if (p.out) {
            params.push_back(WireValue::out(p.type));
            continue;
        }
        if (next >= inputs.size() || !fits(p.type, inputs[next]))
            throw AppError(QStringLiteral("%1: %2 parametresi %3 olmalı")
                               .arg(Text, QString::fromLatin1(p.name), wireTagName(p.type)));
        params.push_back(std::move(inputs[next++]));
    }
    if (next != inputs.size())
        throw AppError(QStringLiteral("%1: fazla parametre").arg(Text));
    return params;
}

void ServerMethodCommand::Execute(std::vector<WireValue> inputs)
{
    Prepare();
    m_returned.reset();
    WireCodec::Call call{Text, buildParams(std::move(inputs))};
    ++m_executions;
    takeAnswer(m_connection.Execute(call).values);
}

void ServerMethodCommand::takeAnswer(std::vector<std::pair<int, WireValue>> values)
{
    const int resultPos = m_signature.resultPosition();
    std::vector<bool> seen(m_values.size(), false);
    for (auto& [pos, value] : values) {
        if (pos < 0 || pos > resultPos || seen[pos])
            protocolError(QStringLiteral("geçersiz parametre sırası %1").arg(pos));
        const bool isResult = pos == resultPos;
        if (!isResult && !m_signature.params[pos].out)
            protocolError(QStringLiteral("girdi parametresine değer döndü"));
        const WireTag declared = isResult ? m_signature.result : m_signature.params[pos].type;
        if (declared == WireTag::Null || !fits(declared, value))
            protocolError(QStringLiteral("%1 için beklenmeyen değer türü %2")
                              .arg(Text, wireTagName(value.tag())));
        seen[pos] = true;
        m_values[pos] = std::move(value);
    }
    for (int pos = 0; pos <= resultPos; ++pos) {
        const bool wanted = pos == resultPos ? m_signature.result != WireTag::Null
                                             : m_signature.params[pos].out;
        if (wanted && !seen[pos])
            protocolError(QStringLiteral("%1 yanıtında %2. değer eksik").arg(Text).arg(pos));
    }
}
