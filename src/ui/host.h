// SPDX-License-Identifier: MIT
// Host: everything a dialog model reaches outside its own controls. The Qt front end implements
// it with message boxes, file dialogs and modal windows (src/app/qt_host.h); tests use the
// recording ScriptedHost of tests/support/ui_harness.h.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "texts/string_id.h"

namespace ui {

class DialogModel;
struct DialogTemplate;

// How a modal dialog ended. The values are the dialog results the terminal's tools know.
enum class DialogResult { Cancel = 0, Ok = 1 };

enum class SaveChangesAnswer { Yes, No, Cancel };

struct FileFilter
{
    std::string description;  // "Q720 program files (*.Q72)"
    std::string patterns;     // "*.Q72", several separated by ';'
};

struct FileChooserRequest
{
    std::string title;  // empty: the chooser's own
    std::vector<FileFilter> filters;
    std::string initialDirectory;
    std::string initialFile;
    std::string defaultExtension;  // without the dot; added when the user types none
};

class Host
{
public:
    virtual ~Host() = default;

    // The warning box: title and text fetched by ID, language entry first; nothing is shown when
    // either text is empty (see warningTexts() in message_texts.h). Returns whether it was shown.
    virtual bool warning(texts::StringId title, texts::StringId text) = 0;

    // "Save current program ?" with Yes, No and Cancel.
    [[nodiscard]] virtual SaveChangesAnswer askSaveChanges() = 0;

    // A path chosen by the user, or nothing when the chooser was cancelled. Paths (these and
    // those of the request) are UTF-8 text, turned into file-system paths only at the disk.
    [[nodiscard]] virtual std::optional<std::string> chooseFileToOpen(const FileChooserRequest& request) = 0;
    [[nodiscard]] virtual std::optional<std::string> chooseFileToSave(const FileChooserRequest& request) = 0;

    // Runs a child dialog modally over the current one and returns how it ended. The child
    // model is opened with this host.
    virtual DialogResult runDialog(const DialogTemplate& dialog, DialogModel& model) = 0;
};

// A host with nobody at the screen (benchmarks, fuzzing): every warning and "Save current
// program ?" get the same answer, no file is ever chosen and every child dialog is cancelled.
class UnattendedHost : public Host
{
public:
    UnattendedHost(bool warningAnswer, SaveChangesAnswer saveChangesAnswer)
        : m_warningAnswer(warningAnswer), m_saveChangesAnswer(saveChangesAnswer)
    {
    }

    bool warning(texts::StringId, texts::StringId) override { return m_warningAnswer; }
    [[nodiscard]] SaveChangesAnswer askSaveChanges() override { return m_saveChangesAnswer; }
    [[nodiscard]] std::optional<std::string> chooseFileToOpen(const FileChooserRequest&) override
    {
        return std::nullopt;
    }
    [[nodiscard]] std::optional<std::string> chooseFileToSave(const FileChooserRequest&) override
    {
        return std::nullopt;
    }
    DialogResult runDialog(const DialogTemplate&, DialogModel&) override { return DialogResult::Cancel; }

private:
    bool m_warningAnswer;
    SaveChangesAnswer m_saveChangesAnswer;
};

}  // namespace ui
