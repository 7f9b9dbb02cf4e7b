#include "DataSetHelpers.h"

#include "ClientDataSet.h"

void TutarBicimlendir(ClientDataSet& dataSet)
{
    // One notification for all columns rather than one per column.
    dataSet.DisableControls();
    for (int i = 0; i < dataSet.FieldCount(); ++i) {
        if (dataSet.Fields(i).DataType() == FieldType::Float)
            dataSet.SetDisplayFormat(i, QStringLiteral("#,###,##0.00"));
    }
    dataSet.EnableControls();
}

bool VeriVarmi(const ClientDataSet& dataSet)
{
    return dataSet.Active() && dataSet.RecordCount() > 0;
}

bool SecimVarmi(ClientDataSet& dataSet)
{
    if (!VeriVarmi(dataSet))
        return false;
    const Field sec = dataSet.FieldByName(QStringLiteral("SEC"));
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next()) {
        if (sec.AsInteger() == 1)
            return true;
    }
    return false;
}
