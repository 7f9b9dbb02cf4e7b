#pragma once

#include <QValidator>

/// Keeps an edit's text in upper case: every letter typed or pasted is turned into its
/// capital as it arrives, like an edit box with upper-case input.
class UpperCaseValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
