#pragma once

#include <QString>

/// The full path of an installed Chrome (on Linux also Chromium), empty when none of the
/// usual places holds one. The last place looked at is the user's own folder.
QString ChromeYoluBul();

/// The major version of the installed Internet Explorer; 0 when there is none, as on every
/// system other than Windows.
int IEVersiyonu();
