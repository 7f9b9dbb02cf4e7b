#pragma once

#include <QString>
#include <QStringList>

/// Folds Turkish text the way the client's search box does (ş → S, ı → I, ö → O …) and
/// splits it into the words the stock search matches by prefix.
class TextFold
{
public:
    /// Upper case, Turkish letters replaced by their plain Latin forms.
    static QString fold(const QString& text);
    /// A word without punctuation ("OK-1234/5" → "OK12345").
    static QString compact(const QString& word);
    /// Search words of a text: every blank-separated word compacted, and the parts of
    /// words that carry punctuation; duplicates and empty words removed.
    static QStringList words(const QString& text);
    /// The words a search text asks for: each blank-separated word compacted.
    static QStringList searchWords(const QString& text);
    /// The first text that sorts after every text starting with `prefix`.
    static QString prefixEnd(const QString& prefix);
};
