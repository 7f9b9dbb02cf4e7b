#pragma once

#include <QLineEdit>

/// An amount box: holds a number and shows it with "#,###,##0.00" in the user's locale.
/// When it is editable it takes a typed amount (thousands separators allowed), and shows the
/// amount formatted again when the editing ends. The number keeps its full precision; only
/// its display is rounded. Tahoma 20 pixels, right-aligned.
class TutarKutusu : public QLineEdit
{
    Q_OBJECT

public:
    explicit TutarKutusu(QWidget* parent = nullptr);

    /// The amount; a typed text that is no number counts as 0.
    double value() const { return m_value; }
    void setValue(double value);

private:
    void yazildi(const QString& text);

    double m_value = 0;
};
