#pragma once

#include "MethodTable.h"

/// The login record of a workstation, the account card, and the mails (stored in the
/// outbox table and logged, as there is no mail server).
class ServiceMethods
{
public:
    static void registerInto(MethodMap& map);

private:
    static WireCodec::Result BuyukGetir(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result MobilCariBilgisiGetir(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result MailGonserCari(MethodContext& ctx, const CallArgs& a);
    static WireCodec::Result MailGonserCariNormal(MethodContext& ctx, const CallArgs& a);
};
