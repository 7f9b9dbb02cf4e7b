#include "LoginSettings.h"

#include "Folders.h"
#include "IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString Section = QStringLiteral("kullanici");
const QString NameKey = QStringLiteral("isim");
const QString PasswordKey = QStringLiteral("sifre");
const QString RememberKey = QStringLiteral("hatırla");

} // namespace

QString LoginSettings::defaultPath()
{
    return QDir::toNativeSeparators(QDir(AyarKlasoru()).filePath(QStringLiteral("ayar.ini")));
}

std::optional<LoginSettings> LoginSettings::load(const QString& path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    const IniFile ini = IniFile::load(path);
    return LoginSettings{ini.value(Section, NameKey), ini.value(Section, PasswordKey),
                         ini.boolValue(Section, RememberKey, true)};
}

void LoginSettings::save(const QString& path) const
{
    IniFile ini = IniFile::load(path);
    ini.setValue(Section, NameKey, isim);
    ini.setValue(Section, PasswordKey, sifre);
    ini.setBool(Section, RememberKey, hatirla);
    ini.save(path);
}
