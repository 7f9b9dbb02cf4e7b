#pragma once

#include "MethodCatalogue.h"
#include "WireValue.h"

#include <QString>
#include <memory>
#include <vector>

class RemoteConnection;

/// The prepared command of one remote method on one proxy. It keeps the values of its last
/// execution, and the object the proxy made of the result stays alive until the command
/// runs again or goes with its proxy.
class ServerMethodCommand
{
public:
    ServerMethodCommand(RemoteConnection& connection, const MethodSignature& signature);

    QString CommandType = QStringLiteral("DataSnap.ServerMethod");
    QString Text;

    void Prepare();
    bool Prepared() const { return m_prepared; }
    int ExecutionCount() const { return m_executions; }
    const MethodSignature& Signature() const { return m_signature; }

    /// Executes with the input parameters in declared order (output parameters are added
    /// as placeholders). Afterwards every position holds the value the server returned.
    void Execute(std::vector<WireValue> inputs);
    /// The value at a parameter position (the result is after the last parameter).
    WireValue& Parameter(int position) { return m_values.at(position); }
    WireValue& Result() { return Parameter(m_signature.resultPosition()); }

    /// Keeps `object` as the command's returned object and gives it back.
    template <class T>
    T* Keep(std::unique_ptr<T> object)
    {
        T* raw = object.get();
        m_returned = std::shared_ptr<T>(std::move(object));
        return raw;
    }

private:
    std::vector<WireValue> buildParams(std::vector<WireValue> inputs) const;
    void takeAnswer(std::vector<std::pair<int, WireValue>> values);

    RemoteConnection& m_connection;
    const MethodSignature& m_signature;
    bool m_prepared = false;
    int m_executions = 0;
    std::vector<WireValue> m_values;
    std::shared_ptr<void> m_returned;
};
