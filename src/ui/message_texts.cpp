// SPDX-License-Identifier: MIT
#include "ui/message_texts.h"

#include "texts/text_source.h"

namespace ui {
namespace {

std::string fetch(const texts::TextSource& source, texts::StringId id)
{
    std::string text = source.text(id);
    if (text.size() > MaxMessageChars) {
        text.resize(MaxMessageChars);
    }
    return text;
}

} // namespace

std::optional<MessageTexts> warningTexts(const texts::TextSource& source, texts::StringId title, texts::StringId text)
{
    MessageTexts texts{fetch(source, title), fetch(source, text)};
    if (texts.title.empty() || texts.text.empty()) {
        return std::nullopt;
    }
    return texts;
}

MessageTexts saveChangesTexts(const texts::TextSource& source)
{
    return {"Veltrona's Q720 Formwright", fetch(source, texts::sid(2651))};
}

} // namespace ui
