#pragma once

#include "MethodTable.h"

/// The salesman's desk: account search and lists by order state, the state counts, and the
/// reports (tables and PDF documents).
class SalesmanMethods
{
public:
    static void registerInto(MethodMap& map);

private:
    static WireCodec::Result CariAra(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result CariSepetVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SepetSayisi(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result TusSonuclariVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result RaporGetir(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result RaporAlinanSiparisler(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result RaporEnCokSatilanStoklar(MethodContext& ctx, const CallArgs& a);
};
