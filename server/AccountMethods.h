#pragma once

#include "MethodTable.h"

/// The account statement, invoices, collections with their card-payment receipts, stock
/// movements, the balance text and the overdue warning.
class AccountMethods
{
public:
    static void registerInto(MethodMap& map);

private:
    static WireCodec::Result CariEkstreVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result FaturaGetir(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result FaturaAltGetir(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result Tahsilat(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SanalposSiranoVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SAnalPosPdfVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result StokHareketVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result CariDurumVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result CariVadeGunGecmismiBul(MethodContext& ctx, const CallArgs& a);
};
