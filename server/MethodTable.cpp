#include "MethodTable.h"

#include "AccountMethods.h"
#include "BalanceMethods.h"
#include "CartMethods.h"
#include "CatalogueMethods.h"
#include "NoticeMethods.h"
#include "OrderMethods.h"
#include "SalesmanMethods.h"
#include "ServiceMethods.h"

const MethodTable& MethodTable::instance()
{
    static const MethodTable table;
    return table;
}

MethodTable::MethodTable()
{
    CatalogueMethods::registerInto(m_handlers);
    CartMethods::registerInto(m_handlers);
    OrderMethods::registerInto(m_handlers);
    BalanceMethods::registerInto(m_handlers);
    AccountMethods::registerInto(m_handlers);
    SalesmanMethods::registerInto(m_handlers);
    NoticeMethods::registerInto(m_handlers);
    ServiceMethods::registerInto(m_handlers);
}

QStringList MethodTable::missing() const
{
    QStringList out;
    for (const auto& m : MethodCatalogue::all()) {
        if (!m_handlers.contains(QString::fromLatin1(m.name)))
            out << QString::fromLatin1(m.name);
    }
    return out;
}
