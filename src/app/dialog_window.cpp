// SPDX-License-Identifier: MIT
#include "app/dialog_window.h"

#include <QVBoxLayout>

#include "ui/dialog_model.h"

namespace app {

DialogWindow::DialogWindow(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host, QWidget* parent,
                           const CustomWidgetFactory& customWidgets)
    : QDialog(parent)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_view = new DialogView(dialog, model, host, this, customWidgets);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setWindowTitle(m_view->windowTitle());
    connect(m_view, &DialogView::titleChanged, this, &QWidget::setWindowTitle);
    connect(m_view, &DialogView::closeRequested, this,
            [this](ui::DialogResult result) { done(static_cast<int>(result)); });
}

void DialogWindow::reject()
{
    if (m_view->model().result()) {
        QDialog::reject();
        return;
    }
    m_view->send([](ui::DialogModel& model) { model.reject(); });
}

ui::DialogResult runModalDialog(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host,
                                QWidget* parent, const CustomWidgetFactory& customWidgets)
{
    DialogWindow window(dialog, model, host, parent, customWidgets);
    // A model that ends during its opening (nothing to edit) never shows a window.
    if (const auto result = model.result()) {
        return *result;
    }
    window.exec();
    return model.result().value_or(ui::DialogResult::Cancel);
}

} // namespace app
