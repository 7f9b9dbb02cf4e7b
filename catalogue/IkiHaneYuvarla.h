#pragma once

/// Money rounding to two decimals as the number formatter rounds: the value is written
/// with "#,###,##.00" under the user's locale, the thousands separators are dropped and the
/// text is read back. Exact halves go away from zero (0.125 gives 0.13, -0.125 gives -0.13).
double IkiHaneYuvarla(double value);
