#pragma once

#include <QString>
#include <functional>

/// Finding the row that incremental search moves the focus to.
class IncrementalSearch
{
public:
    using TextOf = std::function<QString(int row)>;

    /// The first row from `start` on (wrapping to the top) whose text starts with `typed`,
    /// compared without regard to case as the user's locale writes upper case; -1 when no
    /// row matches or `typed` is empty.
    static int find(const TextOf& textOf, int rowCount, int start, const QString& typed);
};
