#pragma once

#include "MethodTable.h"

/// Stock search, new and campaign products, product pictures.
class CatalogueMethods
{
public:
    static void registerInto(MethodMap& map);

private:
    static WireCodec::Result StokAraGetir(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result YenilerVer2(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result KampanyaliVer2(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result ResimVer5(MethodContext& ctx, const CallArgs& a);
};
