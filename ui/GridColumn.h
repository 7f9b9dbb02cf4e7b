#pragma once

#include <QHash>
#include <QString>
#include <Qt>

/// How a grid cell shows its value.
enum class CellKind
{
    Text,     // label with the value's display text
    CheckBox, // checked for 1, unchecked for 0, greyed for any other value
    Icon,     // picture from the grid's image list, chosen by the integer value
    Picture,  // picture bytes (JPEG, PNG, GIF or BMP, recognised from the bytes)
    Memo,     // multi-line text, always wrapped
    Custom,   // drawn entirely by the column's custom-draw callback
};

/// One declared grid column. Screens list their columns once; the grid binds each to the
/// data set's field of the same name (case-insensitive) whenever the data set is filled, so
/// data sets that take their columns from every server result keep their layout.
struct GridColumn
{
    QString fieldName{}; // empty for a drawn column that is bound to no field
    QString caption{};   // header text; the field name is shown when empty
    int Tag = 1;         // width weight of the weighted-width rule
    bool visible = true;
    bool offered = true; // listed in the quick column customization menu
    int width = 0;       // width in pixels at start; 0 leaves the default
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    Qt::Alignment headerAlignment = Qt::AlignCenter;
    bool wordWrap = true;
    CellKind kind = CellKind::Text;
    QHash<int, int> imageIndexes{};      // Icon cells: value → image list index
    QHash<int, QString> valueCaptions{}; // texts for values in header filters (Icon, CheckBox)
    bool focusable = true;
    bool filterable = true;        // offers a header filter button
    bool incrementalSearch = true; // typing searches this column when it has the focus

    /// The name screens use to address the column: its field name, or for a drawn column
    /// its caption.
    QString key() const { return fieldName.isEmpty() ? caption : fieldName; }
    QString headerText() const { return caption.isEmpty() ? fieldName : caption; }
};
