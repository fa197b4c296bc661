// SPDX-License-Identifier: MIT
// DialogModel: the base of every dialog and property-sheet page model.
//
// A model owns the control states of its open dialog (controls() inside the model,
// controlStates() for the drivers) and reacts to user events by control ID. It never sees a
// widget: the Qt view (src/app/dialog_view.h) and the test harness
// (tests/support/ui_harness.h) drive it through the public "driver" functions below and then
// re-read every control. Write a model by overriding the on...() hooks:
//
//     class MenuPage final : public ui::DialogModel {
//         void onInit() override;                      // fill controls from the working copy
//         void onClick(ui::ControlId id) override;     // check boxes: invert, then dependants
//         void onSelectionChange(ui::ControlId id) override;
//         void onTextChange(ui::ControlId id) override;       // user edits only
//         void onEditingFinished(ui::ControlId id) override;  // numeric values are final here
//         bool onApply() override;                     // property-sheet OK: commit
//     };
//
// Names: a page's model is `XxxPage`, a dialog's `XxxDialog`, in the namespace of its folder
// (editor::menus::MenuPage); the control-ID enum of its template is the model's name without
// "Dialog", plus `Id` (MenuPageId, TimestampId for TimestampDialog). ParameterDialogModel is
// the engine behind the parameter dialogs, not a dialog of its own.
//
// Rules the base keeps for every dialog:
//  - Check boxes and radio buttons are plain: a click changes nothing by itself; the model
//    inverts a check box (toggleCheck()) or chooses a radio button itself.
//  - onTextChange() runs only for the user's edits, never for setText() from the model, so a
//    model may rewrite the text it is told about without re-entering itself.
//  - Edit boxes made numeric with makeNumeric() are corrected as numeric_edit.h describes;
//    onEditingFinished() sees the final value.
//  - Editing of the focused box finishes before any click or selection elsewhere, before OK,
//    Apply and leaving a page, so none of them meets an unfinished number.
//  - OK may refuse (onOk() returns false): the dialog stays open.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_id.h"
#include "ui/controls.h"
#include "ui/host.h"
#include "ui/numeric_edit.h"

namespace ui {

struct DialogTemplate;

class DialogModel
{
public:
    DialogModel() = default;
    DialogModel(const DialogModel&) = delete;
    DialogModel& operator=(const DialogModel&) = delete;
    DialogModel(DialogModel&&) = default;
    DialogModel& operator=(DialogModel&&) = delete;
    virtual ~DialogModel() = default;

    // --- Driver side: the view, the harness and the property sheet call these. ---

    // Builds the controls from the template and runs onInit(). A page is opened when it is
    // first shown; a model may be opened again (the controls start afresh).
    void open(const DialogTemplate& dialog, Host& host);
    [[nodiscard]] bool isOpen() const { return m_host != nullptr; }

    // What the dialog shows now; the view and the harness re-read it after every event.
    [[nodiscard]] const Controls& controlStates() const { return m_controls; }

    // A click on a button, check box or radio button; OkButton and CancelButton run OK and
    // Cancel. Disabled or hidden controls ignore clicks.
    void click(ControlId id);
    // The user chose entry `index` of a drop-down list.
    void select(ControlId id, int index);
    // The user changed an edit box's text (typed, pasted, deleted) to `text`.
    void edit(ControlId id, std::string_view text);
    // The edit box lost the focus or the user pressed Enter in it.
    void finishEditing(ControlId id);
    // The user moved the focus (finishes editing of the box that had it).
    void focusChanged(ControlId id);

    // OK: finishes editing, then onOk(); true when the dialog may close.
    bool accept();
    // Cancel (the Cancel button, Esc, the close box): onCancel(), then the dialog closes.
    void reject();
    // How the model asked its dialog to end, once it has (after OK, Cancel or closeDialog()).
    [[nodiscard]] std::optional<DialogResult> result() const { return m_result; }

    // Property-sheet pages.
    void setActive();
    bool killActive(); // false: the page refuses to be left
    bool apply();      // the sheet's OK; false keeps the sheet open on this page
    void cancelPage(); // the sheet's Cancel

protected:
    virtual void onInit() {}
    virtual void onClick(ControlId /*id*/) {}
    virtual void onSelectionChange(ControlId /*id*/) {}
    virtual void onTextChange(ControlId /*id*/) {}
    virtual void onEditingFinished(ControlId /*id*/) {}
    virtual bool onOk() { return true; }
    virtual void onCancel() {}
    virtual void onSetActive() {}
    virtual bool onKillActive() { return true; }
    virtual bool onApply() { return true; }

    [[nodiscard]] Controls& controls() { return m_controls; }
    [[nodiscard]] Host& host() { return *m_host; }

    // Inverts a check box and returns its new state: the plain check box's click.
    bool toggleCheck(ControlId id);
    // Puts the edit box under the numeric mechanism (and takes its digits-only trait from the
    // template or a later setDigitsOnly()).
    void makeNumeric(ControlId id, NumericEditSpec spec);
    // The number an edit box shows, if it shows one.
    [[nodiscard]] std::optional<int> numberIn(ControlId id) const;
    // Ends the dialog from a button other than OK and Cancel.
    void closeDialog(DialogResult result) { m_result = result; }

private:
    struct NumericEdit
    {
        ControlId id;
        NumericEditSpec spec;
    };
    struct PendingEdit
    {
        ControlId id;
        std::string lastAccepted; // the text before the user's first change
    };

    [[nodiscard]] bool isActionable(ControlId id) const;
    [[nodiscard]] const NumericEdit* numericEdit(ControlId id) const;
    void finishAllEditing();

    Controls m_controls;
    Host* m_host = nullptr;
    std::vector<NumericEdit> m_numericEdits;
    std::vector<PendingEdit> m_pendingEdits;
    std::optional<DialogResult> m_result;
};

} // namespace ui
