// SPDX-License-Identifier: MIT
#include "editor/sheet_caption.h"

#include <gtest/gtest.h>

#include "support/project_fixtures.h"
#include "texts/text_source.h"

namespace editor {
namespace {

std::string joined(const std::vector<texts::EncodedText>& parts)
{
    std::string text;
    for (const texts::EncodedText& part : parts) {
        text += part.bytes;
    }
    return text;
}

TEST(SheetCaption, NamesTheModelAndTheFileOrNewFile)
{
    struct Case
    {
        project::Model model;
        const char* path;
        const char* caption;
    };
    const Case cases[] = {
        {project::Model::Q720CE, "", "Q720CE Formwright - [ New file ]"},
        {project::Model::Q720CE, "Unknow", "Q720CE Formwright - [ New file ]"},
        {project::Model::Q720PPC, "/home/ann/stock/count.Q72", "Q720PPC Formwright - [ /home/ann/stock/count.Q72 ]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const auto caption = sheetCaption(texts::BuiltinTextSource(), c.model, c.path);
        EXPECT_EQ(joined(caption), c.caption);
        // Only the path is in the file system's encoding; the texts are in the code page.
        for (const texts::EncodedText& part : caption) {
            EXPECT_EQ(part.encoding == texts::TextEncoding::FileSystem, part.bytes == c.path) << part.bytes;
        }
    }
}

TEST(SheetCaption, TranslatedPartsComeFromTheLanguage)
{
    testing_support::OverrideTextSource texts;
    texts.set(1, "Formulaire");
    texts.set(2, "Nouveau");
    texts.set(1311, "");
    EXPECT_EQ(joined(sheetCaption(texts, project::Model::Q720CE, "")), "Q720CE Formulaire - [ Nouveau ]");
}

} // namespace
} // namespace editor
