// SPDX-License-Identifier: MIT
#include "app/dialog_screenshot.h"

#include <QPainter>
#include <QPixmap>

#include "app/character_grid_widget.h"
#include "app/dialog_window.h"

namespace app {

QImage renderDialog(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host, qreal devicePixelRatio,
                    const std::function<void(DialogView&)>& prepare)
{
    DialogWindow window(dialog, model, host, nullptr, characterGridWidgets);
    if (prepare) {
        prepare(window.view());
    }
    window.adjustSize();
    window.ensurePolished();
    QImage image(window.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(window.palette().color(QPalette::Window));
    QPainter painter(&image);
    window.render(&painter);
    return image;
}

bool saveDialogScreenshot(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host, const QString& path,
                          qreal devicePixelRatio, const std::function<void(DialogView&)>& prepare)
{
    return renderDialog(dialog, model, host, devicePixelRatio, prepare).save(path, "PNG");
}

} // namespace app
