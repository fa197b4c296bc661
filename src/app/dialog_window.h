// SPDX-License-Identifier: MIT
// DialogWindow: a modal dialog around one DialogView. Esc and the close box run the model's
// Cancel; the window closes when the model ends the dialog.
#pragma once

#include <QDialog>

#include "app/dialog_view.h"

namespace app {

class DialogWindow final : public QDialog
{
    Q_OBJECT

public:
    DialogWindow(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host, QWidget* parent = nullptr,
                 const CustomWidgetFactory& customWidgets = {});

    [[nodiscard]] DialogView& view() { return *m_view; }

    void reject() override; // Esc, the close box

private:
    DialogView* m_view = nullptr;
};

// Runs the model in a modal DialogWindow over `parent` and returns how it ended.
ui::DialogResult runModalDialog(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host,
                                QWidget* parent, const CustomWidgetFactory& customWidgets = {});

} // namespace app
