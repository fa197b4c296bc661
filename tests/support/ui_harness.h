// SPDX-License-Identifier: MIT
// Headless driving of dialog models in tests: a recording, scriptable Host and a harness that
// plays the user, sending events by control ID. Child dialogs run headless too: script them by
// template name with ScriptedHost::onDialog, or they open and are cancelled.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
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

    std::optional<std::string> chooseFileToOpen(const FileChooserRequest&) override
    {
        return next(filesToOpen, std::optional<std::string>{});
    }
    std::optional<std::string> chooseFileToSave(const FileChooserRequest&) override
    {
        return next(filesToSave, std::optional<std::string>{});
    }

    DialogResult runDialog(const DialogTemplate& dialog, DialogModel& model) override;
    // A script that presses OK, for child dialogs that need nothing else.
    static DialogResult pressOk(DialogHarness& child);

    [[nodiscard]] bool hasWarned(int title, int text) const
    {
        return std::ranges::any_of(warnings, [&](const RecordedWarning& w) {
            return texts::value(w.title) == title && texts::value(w.text) == text;
        });
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
        step([&] { m_model->click(id); });
    }
    void select(ControlId id, int index)
    {
        expectUsable(id, "select in");
        step([&] { m_model->select(id, index); });
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
        step([&] {
            m_model->focusChanged(id);
            m_model->edit(id, text);
        });
    }
    // Moves the focus away from an edit box (or presses Enter in it).
    void finishEditing(ControlId id) { step([&] { m_model->finishEditing(id); }); }
    // The user types and then leaves the box.
    void enter(ControlId id, std::string_view text)
    {
        type(id, text);
        finishEditing(id);
    }
    // Presses OK; true when the dialog closed.
    bool ok() { return step([&] { return m_model->accept(); }); }
    void cancel() { step([&] { m_model->reject(); }); }
    [[nodiscard]] bool isClosed() const { return m_model->result().has_value(); }
    [[nodiscard]] std::optional<DialogResult> result() const { return m_model->result(); }

    // Property-sheet pages.
    void setActive() { step([&] { m_model->setActive(); }); }
    bool killActive() { return step([&] { return m_model->killActive(); }); }
    bool apply() { return step([&] { return m_model->apply(); }); }

private:
    void open(const DialogTemplate& dialog) { step([&] { m_model->open(dialog, *m_host); }); }

    // Runs one user action, then fails the test if the model used a control its template lacks.
    template <typename Action> std::invoke_result_t<Action&> step(Action action)
    {
        if constexpr (std::is_void_v<decltype(action())>) {
            action();
            checkIds();
        } else {
            const auto result = action();
            checkIds();
            return result;
        }
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

inline DialogResult ScriptedHost::pressOk(DialogHarness& child)
{
    return child.ok() ? DialogResult::Ok : DialogResult::Cancel;
}

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
