#include "IncrementalSearch.h"

#include <QLocale>
#include <algorithm>

int IncrementalSearch::find(const TextOf& textOf, int rowCount, int start, const QString& typed)
{
    if (typed.isEmpty() || rowCount <= 0)
        return -1;
    const QLocale locale;
    const QString wanted = locale.toUpper(typed);
    start = std::clamp(start, 0, rowCount - 1);
    for (int i = 0; i < rowCount; ++i) {
        const int row = (start + i) % rowCount;
        const QString text = textOf(row);
        if (text.size() >= wanted.size() && locale.toUpper(text.left(wanted.size())) == wanted)
            return row;
    }
    return -1;
}
