// SPDX-License-Identifier: MIT
// The painted controls of the character grid dialog (GRIDDLG): the 17 x 17 grid of codes and the
// resulting text. They paint what the model (editor::settings::CharacterGridDialog) holds and report a
// click as the cell under the pointer; every rule stays in the model.
#pragma once

#include <QWidget>

#include "app/dialog_view.h"

namespace editor::settings {
class CharacterGridDialog;
}

namespace app {

class CharacterGridWidget final : public QWidget
{
    Q_OBJECT

public:
    CharacterGridWidget(DialogView& view, const editor::settings::CharacterGridDialog& grid);

    // The cell (header-inclusive column and row, 0 to 16) under a point of the widget.
    [[nodiscard]] QPoint cellAt(QPoint position) const;
    [[nodiscard]] QRect cellRect(int column, int row) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    DialogView& m_view;
    const editor::settings::CharacterGridDialog& m_grid;
};

// The widgets of the character grid dialog's painted controls, for CustomWidgetFactory; nullptr
// for a control of any other dialog.
[[nodiscard]] QWidget* characterGridWidgets(ui::ControlId id, QWidget* parent);

} // namespace app
