// SPDX-License-Identifier: MIT
#include "editor/target_list.h"

#include "editor/number_texts.h"
#include "project/records.h"
#include "texts/text_source.h"

namespace editor {
namespace {

constexpr texts::StringId MainText = texts::sid(1301);
constexpr texts::StringId FormPrefix = texts::sid(1302);
constexpr texts::StringId MenuPrefix = texts::sid(1303);

void appendNumbered(std::vector<std::string>& entries, const std::string& prefix, int count)
{
    for (int n = 1; n <= count; ++n) {
        entries.push_back(prefix + std::string(numberText(n)));
    }
}

} // namespace

std::vector<std::string> targetListEntries(const texts::TextSource& texts)
{
    std::vector<std::string> entries;
    entries.reserve(TargetEntryCount);
    entries.push_back(texts.text(MainText));
    appendNumbered(entries, texts.text(FormPrefix), project::MaxForms);
    appendNumbered(entries, texts.text(MenuPrefix), project::MaxMenus);
    return entries;
}

std::vector<std::string> menuListEntries(const texts::TextSource& texts)
{
    std::vector<std::string> entries;
    appendNumbered(entries, texts.text(MenuPrefix), project::MaxMenus);
    return entries;
}

} // namespace editor
