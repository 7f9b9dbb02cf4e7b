#pragma once

#include <QList>
#include <QString>

/// A settings file of the INI kind: "[section]" lines, "key=value" lines, comments kept.
/// Section and key names match without regard to letter case; values are trimmed and lose
/// one pair of surrounding quotes, as the Windows profile functions read them.
///
/// Reading accepts LF and CRLF line ends, a byte-order mark, and files written in the
/// Turkish ANSI code page (Windows-1254) when the bytes are not valid UTF-8. Writing always
/// gives UTF-8 without a byte-order mark, names and values as their raw UTF-8 bytes.
class IniFile
{
public:
    /// Reads `path`; a missing or unreadable file gives an empty settings file.
    static IniFile load(const QString& path);
    /// Reads settings from the bytes of a file.
    static IniFile parse(const QByteArray& bytes);

    /// The value, or `fallback` when the section or key is missing.
    QString value(const QString& section, const QString& key,
                  const QString& fallback = QString()) const;
    /// An integer value read as a truth value (non-zero is true); `fallback` when missing
    /// or not a number.
    bool boolValue(const QString& section, const QString& key, bool fallback) const;

    void setValue(const QString& section, const QString& key, const QString& value);
    /// Writes "1" or "0".
    void setBool(const QString& section, const QString& key, bool value);

    QByteArray toBytes() const;
    /// Replaces `path` with the settings as a whole; raises AppError when it cannot.
    void save(const QString& path) const;

private:
    /// One line of a section: an entry when `key` is set, else kept verbatim.
    struct Line
    {
        QString key;
        QString value;
        QString text;
    };
    struct Section
    {
        QString name; // empty for the lines before the first section header
        QList<Line> lines;
    };

    /// Index of the named section in m_sections, -1 when missing.
    qsizetype sectionIndex(const QString& name) const;
    static qsizetype entryIndex(const Section& section, const QString& key);

    /// The first section holds the lines before any section header.
    QList<Section> m_sections{Section{}};
};
