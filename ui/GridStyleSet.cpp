#include "GridStyleSet.h"

namespace {

QFont headerFont()
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

CellStyle cell(QColor background, QColor text = Qt::black, std::optional<QFont> font = {})
{
    CellStyle style;
    style.background = background;
    style.text = text;
    style.font = std::move(font);
    return style;
}

} // namespace

const CellStyle& GridStyleSet::rowStyle(int position, bool selected) const
{
    if (selected && selection.isSet())
        return selection;
    const CellStyle& alternate = position % 2 == 1 ? odd : even;
    return alternate.isSet() ? alternate : content;
}

CellStyle GridStyleSet::named(const QString& name)
{
    if (name == QLatin1String("cxStyle1"))
        return cell(QColor(239, 239, 239));
    if (name == QLatin1String("cxStyle2"))
        return cell(Qt::white);
    if (name == QLatin1String("cxStyle3"))
        return cell(QColor(61, 65, 74), Qt::white, headerFont());
    if (name == QLatin1String("cxStyle4"))
        return cell(QColor(210, 240, 249));
    if (name == QLatin1String("cxStyle5"))
        return cell(QColor(66, 66, 66), Qt::white);
    return {};
}

GridStyleSet GridStyleSet::shared(bool whiteOdd)
{
    GridStyleSet s;
    s.content = named(QStringLiteral("cxStyle1"));
    (whiteOdd ? s.odd : s.even) = named(QStringLiteral("cxStyle2"));
    s.header = named(QStringLiteral("cxStyle3"));
    s.selection = named(QStringLiteral("cxStyle4"));
    s.indicator = named(QStringLiteral("cxStyle5"));
    return s;
}

GridStyleSet GridStyleSet::skin(const QString& name)
{
    if (name != QLatin1String("VS2010"))
        return shared(true);
    QFont header(QStringLiteral("Tahoma"));
    header.setPixelSize(12);
    header.setBold(true);
    GridStyleSet s;
    s.content = cell(Qt::white);
    s.odd = cell(QColor(241, 245, 251));
    s.header = cell(QColor(214, 222, 236), QColor(30, 42, 66), header);
    s.selection = cell(QColor(255, 232, 166));
    s.indicator = cell(QColor(188, 199, 216), QColor(30, 42, 66));
    return s;
}
