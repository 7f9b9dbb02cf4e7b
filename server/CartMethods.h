#pragma once

#include "MethodTable.h"

/// The account's cart on the server: list, add, change, delete, mark lines.
class CartMethods
{
public:
    static void registerInto(MethodMap& map);

private:
    static WireCodec::Result SepetVer2(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SepetEkle2(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SepetGuncelle2(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SepetSatirSil(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SepetHepsiniSil(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SepetSecimGuncelle(MethodContext& ctx, const CallArgs& a);
};
