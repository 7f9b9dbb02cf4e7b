#pragma once

#include "MethodTable.h"

/// Delivery and cargo choices, sending the cart as an order, previous orders and their
/// lines and footer.
class OrderMethods
{
public:
    static void registerInto(MethodMap& map);

private:
    static WireCodec::Result TeslimVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result KargoVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result KargolarVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SiparisKaydet(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result OncekiSiparisler(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SiparisAyrintisi2(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result SiparisAytintisiDip(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result TumSiparislerVer(MethodContext& ctx, const CallArgs& a);
};
