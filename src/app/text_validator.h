// SPDX-License-Identifier: MIT
#pragma once

#include <QValidator>

namespace app {

// Keystroke filter of every edit box: refuses characters the core's code page cannot hold.
// (Digits-only boxes are the model's: it drops other characters and the view shows the result.)
class TextValidator final : public QValidator
{
    Q_OBJECT

public:
    explicit TextValidator(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int& position) const override;
};

} // namespace app
