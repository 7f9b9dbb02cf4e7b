#include "AdetKutusu.h"

#include <QLineEdit>

AdetKutusu::AdetKutusu(QWidget* parent) : QSpinBox(parent)
{
    setRange(1, 10000);
    setValue(1);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, &AdetKutusu::yazildi);
}

int AdetKutusu::hesapAdedi() const
{
    bool ok = false;
    const int adet = text().toInt(&ok);
    return ok ? adet : minimum();
}

std::optional<int> AdetKutusu::gecerliAdet() const
{
    bool ok = false;
    const int adet = text().toInt(&ok);
    if (!ok || adet < minimum() || adet > maximum())
        return std::nullopt;
    return adet;
}

QValidator::State AdetKutusu::validate(QString& input, int& position) const
{
    for (const QChar c : input) {
        if (c < u'0' || c > u'9')
            return QValidator::Invalid;
    }
    return QSpinBox::validate(input, position) == QValidator::Acceptable
               ? QValidator::Acceptable
               : QValidator::Intermediate;
}
