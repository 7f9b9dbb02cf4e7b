#pragma once

#include "MethodTable.h"

/// Announcements, opening advertisements, ticker, banners and the tab badges.
class NoticeMethods
{
public:
    static void registerInto(MethodMap& map);

private:
    static WireCodec::Result AcilisEkranlarVer2(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result KayanYaziGetir(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result BannerResimVer(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result BannerResimVer2(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result BannerResimVer3(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result BalonGetir(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result AcilisReklamAdet(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result AcilisREklamVer(MethodContext& ctx, const CallArgs& a);
};
