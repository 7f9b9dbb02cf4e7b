#pragma once

#include "MethodTable.h"

/// Open order balances (ordered but not yet delivered quantities) and their changes.
class BalanceMethods
{
public:
    static void registerInto(MethodMap& map);

private:
    static WireCodec::Result BakiyelerVer2(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result BakiyeDuzenle(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result BakiyeDegistir(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result BakiyeFiyatDegistir(MethodContext& ctx, const CallArgs& a);
};
