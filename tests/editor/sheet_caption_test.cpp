// SPDX-License-Identifier: MIT
#include "editor/sheet_caption.h"

#include <gtest/gtest.h>

#include <map>

#include "texts/text_source.h"

namespace editor {
namespace {

// A language that translates some IDs; the rest fall back to the built-in strings.
class TranslatedTexts final : public texts::TextSource
{
public:
    explicit TranslatedTexts(std::map<int, std::string> entries) : m_entries(std::move(entries)) {}

    std::string text(texts::StringId id) const override
    {
        const auto found = m_entries.find(texts::value(id));
        if (found != m_entries.end() && !found->second.empty()) {
            return found->second;
        }
        return texts::BuiltinTextSource().text(id);
    }

private:
    std::map<int, std::string> m_entries;
};

TEST(SheetCaption, NewProjectShowsNewFile)
{
    EXPECT_EQ(sheetCaption(texts::BuiltinTextSource(), project::Model::Q720CE, ""), "Q720CE Formwright - [ New file ]");
}

TEST(SheetCaption, SavedProjectShowsFullPath)
{
    EXPECT_EQ(sheetCaption(texts::BuiltinTextSource(), project::Model::Q720PPC, "/home/ann/stock/count.Q72"),
              "Q720PPC Formwright - [ /home/ann/stock/count.Q72 ]");
}

TEST(SheetCaption, UnknowPathCountsAsNoFile)
{
    EXPECT_EQ(sheetCaption(texts::BuiltinTextSource(), project::Model::Q720CE, "Unknow"),
              "Q720CE Formwright - [ New file ]");
}

TEST(SheetCaption, TranslatedPartsComeFromTheLanguage)
{
    const TranslatedTexts texts({{1, "Formulaire"}, {2, "Nouveau"}, {1311, ""}});
    EXPECT_EQ(sheetCaption(texts, project::Model::Q720CE, ""), "Q720CE Formulaire - [ Nouveau ]");
}

} // namespace
} // namespace editor
