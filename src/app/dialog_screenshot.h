// SPDX-License-Identifier: MIT
// Renders a dialog offscreen to a PNG for the screenshots tool and the documentation.
#pragma once

#include <QImage>
#include <QString>

#include "app/dialog_view.h"

namespace app {

// Opens the model on the template in a DialogWindow that is never shown, and grabs it at the
// given device pixel ratio (1 for 100 %, 2 for 200 %). `prepare` may drive the model first
// (type a value, choose a list entry) through the view.
[[nodiscard]] QImage renderDialog(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host,
                                  qreal devicePixelRatio = 1.0, const std::function<void(DialogView&)>& prepare = {});

// renderDialog() written to `path` as PNG; false when the file cannot be written.
[[nodiscard]] bool saveDialogScreenshot(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host,
                                        const QString& path, qreal devicePixelRatio = 1.0,
                                        const std::function<void(DialogView&)>& prepare = {});

} // namespace app
