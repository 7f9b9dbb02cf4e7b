#include "TextFold.h"

#include <QRegularExpression>

QString TextFold::fold(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'ç': case u'Ç': out += u'C'; break;
        case u'ğ': case u'Ğ': out += u'G'; break;
        case u'ı': case u'İ': case u'i': out += u'I'; break;
        case u'ö': case u'Ö': out += u'O'; break;
        case u'ş': case u'Ş': out += u'S'; break;
        case u'ü': case u'Ü': out += u'U'; break;
        default: out += c.toUpper(); break;
        }
    }
    return out;
}

QString TextFold::compact(const QString& word)
{
    QString out;
    out.reserve(word.size());
    for (const QChar c : word) {
        if (c.isLetterOrNumber())
            out += c;
    }
    return out;
}

namespace {

QStringList blankSeparated(const QString& text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return TextFold::fold(text).split(blanks, Qt::SkipEmptyParts);
}

} // namespace

QStringList TextFold::words(const QString& text)
{
    static const QRegularExpression punctuation(QStringLiteral("[^\\w]+"));
    QStringList out;
    for (const QString& w : blankSeparated(text)) {
        const QString c = compact(w);
        if (!c.isEmpty() && !out.contains(c))
            out << c;
        if (c.size() == w.size())
            continue;
        for (const QString& part : w.split(punctuation, Qt::SkipEmptyParts)) {
            if (!out.contains(part))
                out << part;
        }
    }
    return out;
}

QStringList TextFold::searchWords(const QString& text)
{
    QStringList out;
    for (const QString& w : blankSeparated(text)) {
        const QString c = compact(w);
        if (!c.isEmpty() && !out.contains(c))
            out << c;
    }
    return out;
}

QString TextFold::prefixEnd(const QString& prefix)
{
    QString end = prefix;
    end[end.size() - 1] = QChar(end.at(end.size() - 1).unicode() + 1);
    return end;
}
