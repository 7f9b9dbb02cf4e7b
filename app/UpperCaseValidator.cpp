#include "UpperCaseValidator.h"

QValidator::State UpperCaseValidator::validate(QString& input, int& position) const
{
    const qsizetype before = input.size();
    input = input.toUpper();
    // A letter whose capital is longer (ß → SS) moves the cursor with the text.
    position += static_cast<int>(input.size() - before);
    return Acceptable;
}
