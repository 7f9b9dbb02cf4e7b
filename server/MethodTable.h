#pragma once

#include "CallArgs.h"
#include "MethodContext.h"

#include <QHash>
#include <QStringList>

using MethodHandler = WireCodec::Result (*)(MethodContext&, const CallArgs&);
using MethodMap = QHash<QString, MethodHandler>;

/// The handlers of the fifty remote methods, by method name.
class MethodTable
{
public:
    static const MethodTable& instance();
    /// The handler of `name`, or nullptr.
    MethodHandler find(const QString& name) const { return m_handlers.value(name, nullptr); }
    /// Catalogue methods without a handler (empty when the server is complete).
    QStringList missing() const;

private:
    MethodTable();
    MethodMap m_handlers;
};
