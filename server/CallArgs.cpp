#include "CallArgs.h"

#include "ByteReader.h"
#include "JsonRecordReader.h"
#include "ServerError.h"

CallArgs::CallArgs(const MethodSignature& signature, std::vector<WireValue> params)
    : m_signature(&signature), m_params(std::move(params))
{
    if (m_params.size() != signature.params.size())
        ByteReader::fail(QStringLiteral("%1 için %2 parametre beklenirken %3 geldi")
                             .arg(method())
                             .arg(signature.params.size())
                             .arg(m_params.size()));
    for (int i = 0; i < int(m_params.size()); ++i)
        check(i, signature.params[i]);
}

void CallArgs::check(int position, const MethodParam& param) const
{
    const WireValue& v = m_params[position];
    const QString where = QStringLiteral("%1 parametresi %2").arg(method(), QLatin1String(param.name));
    if (param.out) {
        if (v.tag() != WireTag::Out || v.outTag() != param.type)
            ByteReader::fail(where + QStringLiteral(": çıktı yer tutucusu bekleniyordu"));
        return;
    }
    if (param.type == WireTag::Record && v.isNull())
        return;
    if (v.tag() != param.type)
        ByteReader::fail(QStringLiteral("%1: %2 bekleniyordu, %3 geldi")
                             .arg(where, wireTagName(param.type), wireTagName(v.tag())));
    if (param.type == WireTag::Record)
        JsonRecordReader::read<TSonucBilgisi>(v.recordJson()); // raises on a wrong class
}

TSonucBilgisi CallArgs::session(int position) const
{
    const auto record = JsonRecordReader::read<TSonucBilgisi>(m_params[position].recordJson());
    if (!record)
        throw ServerError(QStringLiteral("Oturum bilgisi gönderilmedi"));
    return *record;
}

WireCodec::Result CallArgs::result(WireValue value) const
{
    WireCodec::Result r;
    r.values.emplace_back(m_signature->resultPosition(), std::move(value));
    return r;
}

WireCodec::Result CallArgs::stream(QByteArray bytes) const
{
    WireCodec::Result r;
    for (int i = 0; i < int(m_signature->params.size()); ++i) {
        if (m_signature->params[i].out)
            r.values.emplace_back(i, WireValue::int64(bytes.size()));
    }
    r.values.emplace_back(m_signature->resultPosition(), WireValue::stream(std::move(bytes)));
    return r;
}
