#pragma once

#include "WireValue.h"

#include <QString>
#include <vector>

/// One parameter of a remote method.
struct MethodParam
{
    const char* name;
    WireTag type;
    bool out;               // output parameter: the client sends a placeholder
    const char* recordType; // wire type name of a record parameter, else nullptr
};

/// One remote method of the server class TServerMethods1: its parameters in declared order
/// and its result (WireTag::Null for none). The result takes the position after the last
/// parameter.
struct MethodSignature
{
    const char* name;
    std::vector<MethodParam> params;
    WireTag result;
    const char* resultRecordType;

    int resultPosition() const { return static_cast<int>(params.size()); }
    /// The command text that names the method on the wire.
    QString commandText() const;
};

/// The fifty remote methods the client calls, shared by the client proxy (to build calls)
/// and the server (to check them).
class MethodCatalogue
{
public:
    static constexpr const char* ServerClass = "TServerMethods1";

    static const std::vector<MethodSignature>& all();
    /// The method with exactly this name (letter case included), or nullptr.
    static const MethodSignature* find(const QString& name);
    /// The method named by a command text "TServerMethods1.<Name>", or nullptr.
    static const MethodSignature* fromCommand(const QString& commandText);
};
