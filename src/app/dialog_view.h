// SPDX-License-Identifier: MIT
// DialogView: the one generic Qt view of every dialog and property-sheet page. It lays out a
// template (dialog units to pixels with the dialog font's metrics), forwards each user event to
// the model as (control ID, event) and then re-reads every control from the model. It holds no
// rule of its own: enabling, clamping and storing are the model's.
//
// A page inside a property sheet is a DialogView in a QTabWidget, created when the page is
// first shown; the sheet sends the page notifications through the view so it re-syncs:
//     view->send([](ui::DialogModel& page) { page.setActive(); });
// A modal dialog is a DialogView inside a DialogWindow (dialog_window.h).
#pragma once

#include <QFont>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

#include "ui/control_id.h"
#include "ui/dialog_template.h"
#include "ui/host.h"

namespace ui {
class DialogModel;
struct ControlState;
} // namespace ui

namespace app {

// Builds the widget of a custom-drawn control (character grid, panel preview); it re-reads its
// state from the model through the view's modelChanged() signal.
using CustomWidgetFactory = std::function<QWidget*(ui::ControlId id, QWidget* parent)>;

// Dialog units to pixels for one font: a quarter of the average character width across, an
// eighth of the character height down.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);
    [[nodiscard]] int x(int dialogUnits) const;
    [[nodiscard]] int y(int dialogUnits) const;
    [[nodiscard]] QRect rect(const ui::DialogRect& r) const;

private:
    int m_baseWidth = 1;
    int m_baseHeight = 1;
};

// The dialog font: the application's font family at the template's point size.
[[nodiscard]] QFont dialogFont(const ui::DialogTemplate& dialog);

class DialogView final : public QWidget
{
    Q_OBJECT

public:
    // Opens the model on the template (its onInit() runs), builds the widgets and shows the
    // model's state. A property sheet creates a page's view when the page is first shown.
    DialogView(const ui::DialogTemplate& dialog, ui::DialogModel& model, ui::Host& host, QWidget* parent = nullptr,
               const CustomWidgetFactory& customWidgets = {});

    [[nodiscard]] ui::DialogModel& model() { return m_model; }
    [[nodiscard]] QWidget* widgetFor(ui::ControlId id) const;

    // Re-reads every control from the model. The property sheet calls it after notifying a page.
    void syncFromModel();

    // For custom widgets: sends one event to the model (`[](ui::DialogModel& m) { m.click(id); }`)
    // and re-syncs every control afterwards.
    void send(const std::function<void(ui::DialogModel&)>& event);

signals:
    // The model ended the dialog (OK accepted, Cancel, or a button of its own).
    void closeRequested(ui::DialogResult result);
    // The dialog title the model shows now.
    void titleChanged(const QString& title);
    // After every event and re-sync; custom widgets repaint from the model on it.
    void modelChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createWidget(const ui::ControlTemplate& control, const CustomWidgetFactory& customWidgets);
    void connectWidget(ui::ControlId id, QWidget* widget);
    void syncWidget(const ui::ControlState& state, QWidget* widget);
    // Runs one model call, then re-syncs; nested events (a message box taking the focus while
    // the model runs) are dropped, as the model is not re-entrant.
    void dispatch(const std::function<void()>& call);

    ui::DialogModel& m_model;
    std::map<ui::ControlId, QWidget*> m_widgets;
    QString m_title;
    int m_seenFocusRequests = 0;
    bool m_isDispatching = false;
    bool m_isSyncing = false;
    bool m_isCloseReported = false;
};

} // namespace app
