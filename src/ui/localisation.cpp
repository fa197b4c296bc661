// SPDX-License-Identifier: MIT
#include "ui/localisation.h"

#include "texts/language.h"
#include "texts/text_source.h"
#include "ui/controls.h"

#include <utility>

namespace ui {

std::string captionText(const texts::TextSource& source, LanguageState language, texts::StringId entry,
                        std::string_view ownText)
{
    if (language != LanguageState::Loaded) {
        return std::string(ownText);
    }
    std::string text = source.text(entry);
    return text.empty() ? std::string(ownText) : text;
}

void replaceCaptionTexts(Controls& controls, const texts::TextSource& source, LanguageState language,
                         const CaptionTexts& captions)
{
    if (language != LanguageState::Loaded) {
        return;
    }
    if (captions.title) {
        controls.setTitle(captionText(source, language, *captions.title, controls.title()));
    }
    const auto replace = [&](ControlId id, texts::StringId entry) {
        controls.setText(id, captionText(source, language, entry, controls.text(id)));
    };
    for (const TextReplacement& run : captions.controls) {
        for (int i = 0; i < run.count; ++i) {
            replace(ControlId(run.control.value() + i), texts::sid(texts::value(run.entry) + i));
        }
    }
    for (const auto& [button, entry] : {std::pair{OkButton, texts::OkText}, std::pair{CancelButton, texts::CancelText}}) {
        if (controls.has(button)) {
            replace(button, entry);
        }
    }
}

void replaceCaptionTexts(Controls& controls, const texts::LanguageTable& language, const CaptionTexts& captions)
{
    replaceCaptionTexts(controls, language, language.isLoaded() ? LanguageState::Loaded : LanguageState::BuiltinOnly,
                        captions);
}

std::vector<std::string> listTexts(const texts::TextSource& source, texts::StringId first, int count)
{
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) {
        items.push_back(source.text(texts::sid(texts::value(first) + i)));
    }
    return items;
}

void fillList(Controls& controls, ControlId list, const texts::TextSource& source, texts::StringId first, int count)
{
    controls.setItems(list, listTexts(source, first, count));
}

} // namespace ui
