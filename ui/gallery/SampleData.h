#pragma once

#include "DataTable.h"

#include <QByteArray>

/// Deterministic sample tables for the gallery and the grid benchmarks, shaped like the
/// server's results: the stock list, a cart, the orders report and announcements.
class SampleData
{
public:
    /// `rows` stock rows with the 35 columns of the stock search result.
    static DataTable stock(int rows);
    static DataTable cart();
    /// Orders of several salesmen over a few weeks (grouped by `SATICIADI`).
    static DataTable orders();
    /// Announcement rows with a JPEG poster each (`RESIM`), a title and an action.
    static DataTable announcements();
    /// An animated banner (GIF) of the given size.
    static QByteArray banner(int width, int height);
};
