#pragma once

#include <QSpinBox>

#include <optional>

/// The quantity box: a whole-number spin box from 1 to 10000. While the user types, any
/// run of digits (also 0, also none) stays as typed; the box brings its value back into
/// range when it loses the focus.
class AdetKutusu : public QSpinBox
{
    Q_OBJECT

public:
    explicit AdetKutusu(QWidget* parent = nullptr);

    /// The typed text as a whole number; the lower bound when it is none.
    int hesapAdedi() const;
    /// The typed quantity when it is a whole number within the range, else nothing.
    std::optional<int> gecerliAdet() const;

signals:
    /// The typed text changed, whether or not it is a quantity yet.
    void yazildi();

protected:
    QValidator::State validate(QString& input, int& position) const override;
};
