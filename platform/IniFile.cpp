#include "IniFile.h"

#include "AppError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

/// Windows-1254 characters 0x80..0x9F; the unassigned ones keep their code point, as
/// Windows decodes them.
const char16_t Cp1254High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
};

char16_t fromCp1254(unsigned char c)
{
    switch (c) {
    case 0xD0:
        return 0x011E; // Ğ
    case 0xDD:
        return 0x0130; // İ
    case 0xDE:
        return 0x015E; // Ş
    case 0xF0:
        return 0x011F; // ğ
    case 0xFD:
        return 0x0131; // ı
    case 0xFE:
        return 0x015F; // ş
    default:
        return c >= 0x80 && c < 0xA0 ? Cp1254High[c - 0x80] : c; // Latin-1 elsewhere
    }
}

QString decodeCp1254(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(fromCp1254(static_cast<unsigned char>(bytes[i])));
    return text;
}

/// The text of a settings file: by its byte-order mark, else UTF-8 when the bytes are
/// valid UTF-8, else the Turkish ANSI code page the Windows program wrote.
QString decodeFile(const QByteArray& bytes)
{
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        return decoder(bytes);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    return utf8.hasError() ? decodeCp1254(bytes) : text;
}

QString unquoted(const QString& value)
{
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\'')))
        return value.mid(1, value.size() - 2);
    return value;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

#ifdef Q_OS_WIN
const char* const LineEnd = "\r\n";
#else
const char* const LineEnd = "\n";
#endif

} // namespace

IniFile IniFile::load(const QString& path)
{
    QFile file(path);
    return parse(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
}

IniFile IniFile::parse(const QByteArray& bytes)
{
    IniFile ini;
    const QString text = decodeFile(bytes);
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            ini.m_sections.append({trimmed.mid(1, trimmed.size() - 2).trimmed().toString(), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const bool comment = trimmed.startsWith(QLatin1Char(';'));
        if (eq > 0 && !comment && !line.left(eq).trimmed().isEmpty())
            ini.m_sections.last().lines.append({line.left(eq).trimmed().toString(),
                                                unquoted(line.mid(eq + 1).trimmed().toString()),
                                                line.toString()});
        else
            ini.m_sections.last().lines.append({QString(), QString(), line.toString()});
    }
    // A final line end leaves an empty last line that is not part of the content.
    auto& tail = ini.m_sections.last().lines;
    if (!tail.isEmpty() && tail.last().key.isEmpty() && tail.last().text.isEmpty())
        tail.removeLast();
    return ini;
}

qsizetype IniFile::sectionIndex(const QString& name) const
{
    for (qsizetype i = 1; i < m_sections.size(); ++i) {
        if (sameName(m_sections[i].name, name))
            return i;
    }
    return -1;
}

qsizetype IniFile::entryIndex(const Section& section, const QString& key)
{
    for (qsizetype i = 0; i < section.lines.size(); ++i) {
        if (!section.lines[i].key.isEmpty() && sameName(section.lines[i].key, key))
            return i;
    }
    return -1;
}

QString IniFile::value(const QString& section, const QString& key, const QString& fallback) const
{
    const qsizetype s = sectionIndex(section);
    const qsizetype e = s < 0 ? -1 : entryIndex(m_sections[s], key);
    return e < 0 ? fallback : m_sections[s].lines[e].value;
}

bool IniFile::boolValue(const QString& section, const QString& key, bool fallback) const
{
    bool ok = false;
    const int number = value(section, key).toInt(&ok);
    return ok ? number != 0 : fallback;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    qsizetype s = sectionIndex(section);
    if (s < 0) {
        m_sections.append({section, {}});
        s = m_sections.size() - 1;
    }
    QList<Line>& lines = m_sections[s].lines;
    const qsizetype e = entryIndex(m_sections[s], key);
    if (e < 0)
        lines.append({key, value, QString()});
    else
        lines[e] = {lines[e].key, value, QString()}; // written anew from key and value
}

void IniFile::setBool(const QString& section, const QString& key, bool value)
{
    setValue(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray IniFile::toBytes() const
{
    QByteArray bytes;
    for (const Section& s : m_sections) {
        if (!s.name.isEmpty())
            bytes += '[' + s.name.toUtf8() + ']' + LineEnd;
        for (const Line& line : s.lines) {
            const bool verbatim = line.key.isEmpty() || !line.text.isEmpty();
            bytes += (verbatim ? line.text : line.key + QLatin1Char('=') + line.value).toUtf8();
            bytes += LineEnd;
        }
    }
    return bytes;
}

void IniFile::save(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toBytes()) < 0 || !file.commit())
        throw AppError(
            QStringLiteral("\"%1\" dosyasına yazılamadı: %2").arg(path, file.errorString()));
}
