#pragma once

#include "MethodCatalogue.h"
#include "TSonucBilgisi.h"
#include "WireCodec.h"

#include <vector>

/// The parameters of one call, checked against the method's signature: every declared
/// parameter present in order, inputs of the declared type, output parameters as
/// placeholders, record parameters of the declared class. A mismatch raises a protocol
/// error (RemoteError of kind Protocol). Also builds the answer in the method's shape.
class CallArgs
{
public:
    CallArgs(const MethodSignature& signature, std::vector<WireValue> params);

    const MethodSignature& signature() const { return *m_signature; }
    QString method() const { return QString::fromLatin1(m_signature->name); }

    int integer(int position) const { return m_params[position].toInt32(); }
    double real(int position) const { return m_params[position].toDouble(); }
    const QString& text(int position) const { return m_params[position].toString(); }
    /// The session record at `position`; an absent record is a server error.
    TSonucBilgisi session(int position) const;

    /// The answer carrying `value` as the method's result.
    WireCodec::Result result(WireValue value) const;
    /// The answer of a stream method: the bytes and, as the Int64 output parameter, the
    /// length of the bytes.
    WireCodec::Result stream(QByteArray bytes) const;
    /// The answer of a method without result.
    WireCodec::Result none() const { return {}; }

private:
    void check(int position, const MethodParam& param) const;

    const MethodSignature* m_signature;
    std::vector<WireValue> m_params;
};
