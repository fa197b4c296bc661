// SPDX-License-Identifier: MIT
// Language hooks shared by every dialog, page and menu: caption texts replaced by language
// entries with fixed IDs, and lists filled from runs of string IDs.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "texts/string_id.h"
#include "ui/control_id.h"

namespace texts {
class LanguageTable;
class TextSource;
} // namespace texts

namespace ui {

class Controls;

// Whether the user's language file is loaded: only then are captions replaced.
enum class LanguageState { BuiltinOnly, Loaded };

// `count` controls with consecutive IDs from `control` take the entries from `entry` on, in order:
// {Code39Id::ConvertCheck, sid(1012), 5} gives 101..105 the entries 1012..1016.
struct TextReplacement
{
    ControlId control;
    texts::StringId entry;
    int count = 1;
};



// A dialog's caption texts: its title entry (if it has one) and one entry per static text.
struct CaptionTexts
{
    std::optional<texts::StringId> title;
    std::span<const TextReplacement> controls;
};

// With a language loaded, gives the title, each listed control and the OK and Cancel buttons (when
// the dialog has them) the text of its entry. An entry that is missing or empty keeps the
// template's own text, so a partial language file never blanks out a label.
void replaceCaptionTexts(Controls& controls, const texts::TextSource& source, LanguageState language,
                         const CaptionTexts& captions);

// The same with the program's language table, which knows whether a language is loaded.
void replaceCaptionTexts(Controls& controls, const texts::LanguageTable& language, const CaptionTexts& captions);

// The same rule for one text outside a dialog (a popup-menu item, a tab title).
[[nodiscard]] std::string captionText(const texts::TextSource& source, LanguageState language, texts::StringId entry,
                                      std::string_view ownText);

// `count` entries from consecutive string IDs starting at `first`, language entry first: the
// texts of a list whose stored value is the list position.
[[nodiscard]] std::vector<std::string> listTexts(const texts::TextSource& source, texts::StringId first, int count);

// Fills a drop-down list with listTexts() (the selection is cleared).
void fillList(Controls& controls, ControlId list, const texts::TextSource& source, texts::StringId first, int count);

} // namespace ui
