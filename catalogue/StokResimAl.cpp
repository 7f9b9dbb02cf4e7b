#include "StokResimAl.h"

#include "AppError.h"
#include "BaglantiKontrol.h"
#include "MessagePresenter.h"
#include "PictureBox.h"
#include "RemoteConnection.h"
#include "StreamRule.h"
#include "TServerMethods1Client.h"

#include <QBuffer>
#include <QImageReader>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace {

/// A picture the JPEG decoder refused.
class JpegHatasi : public AppError
{
public:
    using AppError::AppError;
};

QString hataAdi(const std::exception& error)
{
    int status = 0;
    const char* mangled = typeid(error).name();
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    // The class's own name, without the namespaces around it.
    return QString::fromLatin1(status == 0 ? name.get() : mangled).section(QStringLiteral("::"), -1);
}

QString hataMetni(const std::exception& error)
{
    if (const auto* app = dynamic_cast<const AppError*>(&error))
        return app->text();
    return QString::fromUtf8(error.what());
}

QImage jpegCoz(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    QImage picture;
    if (!reader.read(&picture))
        throw JpegHatasi(reader.errorString());
    return picture;
}

} // namespace

void StokResimAl(RemoteConnection& bagc, int stokno, PictureBox& hedef)
{
    if (!BaglantiKontrol(bagc, true))
        return;
    try {
        TServerMethods1Client proxy(bagc);
        qint64 boy = 0;
        QIODevice* akis = proxy.ResimVer5(stokno, boy);
        if (const std::optional<QByteArray> bytes = StreamRule::take(akis, boy))
            hedef.setPicture(jpegCoz(*bytes));
    } catch (const std::exception& error) {
        MessagePresenter::message(hataAdi(error) + QStringLiteral(": ") + hataMetni(error));
    }
    bagc.Close();
}
