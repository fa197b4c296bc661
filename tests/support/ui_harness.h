// SPDX-License-Identifier: MIT
// Headless driving of dialog models in tests: a recording, scriptable Host and a harness that
// plays the user. Header-only so every test binary that links formwright_ui can include it.
//
//     ui::testing::DialogHarness dialog(code39Template(), Code39Model(reader));
//     dialog.type(Code39Id::Length1Edit, "40");   // one change per character, as typed
//     dialog.select(Code39Id::LengthModeList, 3);
//     EXPECT_TRUE(dialog.ok());                     // false: the model kept the dialog open
//     EXPECT_EQ(dialog.host().warnings.size(), 0U);
//
// Child dialogs run headless too: script them by template name, or they open and are cancelled.
//
//     dialog.host().onDialog("COUPON_CODE_NOTE", [](ui::testing::DialogHarness& note) {
//         return note.ok() ? ui::DialogResult::Ok : ui::DialogResult::Cancel;
//     });
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "texts/string_id.h"
#include "ui/control_id.h"
#include "ui/controls.h"
#include "ui/dialog_model.h"
#include "ui/dialog_template.h"
#include "ui/host.h"

namespace ui::testing {

class DialogHarness;

struct RecordedWarning
{
    texts::StringId title;
    texts::StringId text;
    friend bool operator==(const RecordedWarning&, const RecordedWarning&) = default;
};

inline void PrintTo(const RecordedWarning& w, std::ostream* os)
{
    *os << "warning(" << texts::value(w.title) << ", " << texts::value(w.text) << ")";
}

// Records every Host call and answers from scripts. Unscripted questions answer Cancel, file
// choosers are cancelled, child dialogs are opened and cancelled.
class ScriptedHost final : public Host
{
public:
    using DialogScript = std::function<DialogResult(DialogHarness& child)>;

    std::vector<RecordedWarning> warnings;
    int saveChangesQuestions = 0;
    std::deque<SaveChangesAnswer> saveChangesAnswers;
    std::vector<FileChooserRequest> openRequests;
    std::vector<FileChooserRequest> saveRequests;
    std::deque<std::optional<std::string>> filesToOpen;
    std::deque<std::optional<std::string>> filesToSave;
    std::vector<std::string> dialogsRun; // template names, in order

    void onDialog(std::string_view templateName, DialogScript script)
    {
        m_scripts[std::string(templateName)] = std::move(script);
    }

    bool warning(texts::StringId title, texts::StringId text) override
    {
        warnings.push_back({title, text});
        return true;
    }

    SaveChangesAnswer askSaveChanges() override
    {
        ++saveChangesQuestions;
        return next(saveChangesAnswers, SaveChangesAnswer::Cancel);
    }

    std::optional<std::string> chooseFileToOpen(const FileChooserRequest& request) override
    {
        openRequests.push_back(request);
        return next(filesToOpen, std::optional<std::string>{});
    }

    std::optional<std::string> chooseFileToSave(const FileChooserRequest& request) override
    {
        saveRequests.push_back(request);
        return next(filesToSave, std::optional<std::string>{});
    }

    DialogResult runDialog(const DialogTemplate& dialog, DialogModel& model) override;

    [[nodiscard]] bool hasWarned(int title, int text) const
    {
        for (const RecordedWarning& w : warnings) {
            if (texts::value(w.title) == title && texts::value(w.text) == text) {
                return true;
            }
        }
        return false;
    }

private:
    template <typename T> static T next(std::deque<T>& queue, T fallback)
    {
        if (queue.empty()) {
            return fallback;
        }
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }

    std::map<std::string, DialogScript> m_scripts;
};

// Plays the user on one dialog model: opens it from its template and sends events by ID. After
// each step it fails the running test if the model addressed a control its template lacks.
class DialogHarness
{
public:
    // Drives a model owned elsewhere, with an outside host.
    DialogHarness(const DialogTemplate& dialog, DialogModel& model, Host& host) : m_model(&model), m_host(&host)
    {
        open(dialog);
    }

    // Owns the model and a ScriptedHost of its own.
    template <typename Model>
    requires std::is_base_of_v<DialogModel, std::decay_t<Model>> &&
        (!std::is_lvalue_reference_v<Model>)DialogHarness(const DialogTemplate& dialog, Model&& model)
        : m_ownedModel(std::make_unique<std::decay_t<Model>>(std::forward<Model>(model))),
          m_ownedHost(std::make_unique<ScriptedHost>()), m_model(m_ownedModel.get()), m_host(m_ownedHost.get())
    {
        open(dialog);
    }

    [[nodiscard]] const Controls& controls() const { return m_model->controlStates(); }
    [[nodiscard]] DialogModel& model() { return *m_model; }
    template <typename Model> [[nodiscard]] Model& modelAs() { return dynamic_cast<Model&>(*m_model); }
    // The harness's own ScriptedHost (only for harnesses that own one).
    [[nodiscard]] ScriptedHost& host()
    {
        EXPECT_NE(m_ownedHost, nullptr) << "this harness drives an outside host";
        return *m_ownedHost;
    }

    [[nodiscard]] const std::string& text(ControlId id) const { return controls().text(id); }
    [[nodiscard]] bool isChecked(ControlId id) const { return controls().isChecked(id); }
    [[nodiscard]] bool isEnabled(ControlId id) const { return controls().isEnabled(id); }
    [[nodiscard]] int selection(ControlId id) const { return controls().selection(id); }

    void click(ControlId id)
    {
        expectUsable(id, "click");
        m_model->click(id);
        checkIds();
    }

    void select(ControlId id, int index)
    {
        expectUsable(id, "select in");
        m_model->select(id, index);
        checkIds();
    }

    // Selects the box's whole text and types `text` over it, one change per character. Editing
    // stays open (the box keeps the focus) until another control is used, finishEditing() or OK.
    void type(ControlId id, std::string_view text)
    {
        expectUsable(id, "type into");
        m_model->focusChanged(id);
        if (text.empty()) {
            m_model->edit(id, "");
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            const std::string next = i == 0 ? std::string(1, text[0]) : controls().text(id) + text[i];
            m_model->edit(id, next);
        }
        checkIds();
    }

    // Replaces the whole text in one change, as a paste or a delete does.
    void paste(ControlId id, std::string_view text)
    {
        expectUsable(id, "paste into");
        m_model->focusChanged(id);
        m_model->edit(id, text);
        checkIds();
    }

    // Moves the focus away from an edit box (or presses Enter in it).
    void finishEditing(ControlId id)
    {
        m_model->finishEditing(id);
        checkIds();
    }

    // The user types and then leaves the box.
    void enter(ControlId id, std::string_view text)
    {
        type(id, text);
        finishEditing(id);
    }

    // Presses OK; true when the dialog closed.
    bool ok()
    {
        const bool isClosed = m_model->accept();
        checkIds();
        return isClosed;
    }

    void cancel()
    {
        m_model->reject();
        checkIds();
    }

    [[nodiscard]] bool isClosed() const { return m_model->result().has_value(); }
    [[nodiscard]] std::optional<DialogResult> result() const { return m_model->result(); }

    // Property-sheet pages.
    void setActive()
    {
        m_model->setActive();
        checkIds();
    }
    bool killActive()
    {
        const bool isLeft = m_model->killActive();
        checkIds();
        return isLeft;
    }
    bool apply()
    {
        const bool isApplied = m_model->apply();
        checkIds();
        return isApplied;
    }
    void cancelPage()
    {
        m_model->cancelPage();
        checkIds();
    }

private:
    void open(const DialogTemplate& dialog)
    {
        m_model->open(dialog, *m_host);
        checkIds();
    }

    void expectUsable(ControlId id, const char* action) const
    {
        EXPECT_TRUE(controls().has(id)) << "cannot " << action << " control " << id.value() << ": not in template";
        EXPECT_TRUE(controls().isEnabled(id) && controls().isVisible(id))
            << "cannot " << action << " control " << id.value() << ": disabled or hidden";
    }

    void checkIds()
    {
        const std::vector<ControlId>& unknown = controls().unknownIds();
        for (; m_reportedUnknownIds < unknown.size(); ++m_reportedUnknownIds) {
            ADD_FAILURE() << "the model used control " << unknown[m_reportedUnknownIds].value()
                          << ", which its template lacks";
        }
    }

    std::unique_ptr<DialogModel> m_ownedModel;
    std::unique_ptr<ScriptedHost> m_ownedHost;
    DialogModel* m_model = nullptr;
    Host* m_host = nullptr;
    std::size_t m_reportedUnknownIds = 0;
};

inline DialogResult ScriptedHost::runDialog(const DialogTemplate& dialog, DialogModel& model)
{
    dialogsRun.emplace_back(dialog.name);
    DialogHarness child(dialog, model, *this);
    const auto script = m_scripts.find(std::string(dialog.name));
    if (script != m_scripts.end()) {
        const DialogResult result = script->second(child);
        return child.result().value_or(result);
    }
    child.cancel();
    return DialogResult::Cancel;
}

} // namespace ui::testing
