// SPDX-License-Identifier: MIT
// A project file from anywhere is opened in the editor: every page fills its controls from
// the file's bytes, whatever codes they hold. Opening every page, choosing every entry of its
// lists, pressing its buttons and closing the sheet with OK must not crash, and the project
// must still save and read back.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/property_sheet_model.h"
#include "fuzz_check.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "project/project.h"
#include "project/runtime_texts.h"
#include "texts/text_source.h"
#include "ui/dialog_model.h"
#include "ui/dialog_template.h"
#include "ui/host.h"

namespace {

using project::Model;
using project::Project;

// A user who cancels every question and file chooser and confirms every child dialog.
class ConfirmingHost final : public ui::UnattendedHost
{
public:
    ConfirmingHost() : ui::UnattendedHost(true, ui::SaveChangesAnswer::Cancel) {}

    ui::DialogResult runDialog(const ui::DialogTemplate& dialog, ui::DialogModel& model) override
    {
        // A child dialog may open another; one level is enough to reach every dialog once.
        if (m_depth > 0) {
            return ui::DialogResult::Cancel;
        }
        ++m_depth;
        model.open(dialog, *this);
        const bool isAccepted = model.accept();
        if (!isAccepted) {
            model.reject();
        }
        --m_depth;
        return isAccepted ? ui::DialogResult::Ok : ui::DialogResult::Cancel;
    }

private:
    int m_depth = 0;
};

const texts::BuiltinTextSource& builtinTexts()
{
    static const texts::BuiltinTextSource source;
    return source;
}

const Project& startedProject()
{
    static const std::unique_ptr<Project> started = project::startedProject(builtinTexts(), Model::Q720CE);
    return *started;
}

// Chooses every entry of every list the page offers, then presses every push button but OK
// and Cancel. Controls are looked up again after each event: an event may refill the page.
void playWithPage(ui::DialogModel& page)
{
    std::vector<ui::ControlState> controls = page.controlStates().all();
    for (const ui::ControlState& control : controls) {
        if (control.kind != ui::ControlKind::DropDownList) {
            continue;
        }
        for (int index = 0;; ++index) {
            const ui::ControlState& now = page.controlStates().state(control.id);
            if (!now.isEnabled || !now.isVisible || index >= static_cast<int>(now.items.size())) {
                break;
            }
            page.select(control.id, index);
        }
    }
    for (const ui::ControlState& control : controls) {
        if (control.kind == ui::ControlKind::PushButton && control.id != ui::OkButton &&
            control.id != ui::CancelButton) {
            page.click(control.id);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto p = std::make_unique<Project>(startedProject());
    const project::LoadResult loaded = project::loadProject(std::span(data, size), *p, {builtinTexts(), Model::Q720CE});
    if (!loaded.ok) {
        return 0;
    }
    const Model model = loaded.adoptedModel.value_or(Model::Q720CE);

    ConfirmingHost host;
    bool isModified = false;
    {
        editor::PropertySheetModel sheet(*p, builtinTexts(), ui::LanguageState::BuiltinOnly, model, isModified, "",
                                         host);
        for (int index = 0; index < sheet.pageCount(); ++index) {
            if (!sheet.showPage(index)) {
                continue;
            }
            if (ui::DialogModel* page = sheet.pageModel(index)) {
                playWithPage(*page);
            }
        }
        if (!sheet.ok()) {
            sheet.cancel();
        }
    }

    const std::vector<std::uint8_t> image = project::saveProject(*p, model);
    auto reread = std::make_unique<Project>(startedProject());
    FUZZ_CHECK(project::loadProject(image, *reread, {builtinTexts(), model}).ok,
               "a project edited in the sheet is refused on reading");
    return 0;
}
