// SPDX-License-Identifier: MIT
#include "app/text_validator.h"

#include "app/code_page.h"

namespace app {

QValidator::State TextValidator::validate(QString& input, int& /*position*/) const
{
    for (const QChar character : input) {
        if (!isInCodePage(character)) {
            return Invalid;
        }
    }
    return Acceptable;
}

} // namespace app
