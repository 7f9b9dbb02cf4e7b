#include "TutarKutusu.h"

#include "DisplayFormat.h"

#include <QLocale>
#include <QRegularExpressionValidator>

TutarKutusu::TutarKutusu(QWidget* parent) : QLineEdit(parent)
{
    const QLocale locale;
    // Digits, the locale's separators and a leading minus sign.
    const QString separators =
        QRegularExpression::escape(locale.groupSeparator() + locale.decimalPoint());
    setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9%1]*").arg(separators)), this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(20);
    setFont(font);
    setValue(0);
    connect(this, &QLineEdit::textEdited, this, &TutarKutusu::yazildi);
    connect(this, &QLineEdit::editingFinished, this, [this] { setValue(m_value); });
}

void TutarKutusu::setValue(double value)
{
    m_value = value;
    setText(DisplayFormat::format(QStringLiteral("#,###,##0.00"), value));
}

void TutarKutusu::yazildi(const QString& text)
{
    const QLocale locale;
    QString plain = text;
    plain.remove(locale.groupSeparator());
    m_value = locale.toDouble(plain);
}
