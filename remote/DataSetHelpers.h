#pragma once

class ClientDataSet;

/// Gives every double-precision Float column the amount format "#,###,##0.00"; Currency,
/// Bcd and all other columns keep theirs. Only the display changes.
void TutarBicimlendir(ClientDataSet& dataSet);

/// True when the data set is open and holds at least one row.
bool VeriVarmi(const ClientDataSet& dataSet);

/// True when some row has SEC = 1; the cursor then stands on the first such row, otherwise
/// after the last row. Raises when the data set has no SEC column.
bool SecimVarmi(ClientDataSet& dataSet);
