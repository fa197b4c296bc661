// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "cli/commands.h"
#include "cli_fixtures.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "texts/language.h"
#include "texts/runtime_texts.h"

namespace cli {
namespace {

// The designer's start-up and New, then Save, written out with the core's own calls.
std::vector<std::uint8_t> designerNewAndSave(project::Model model, const texts::TextSource& texts)
{
    auto p = std::make_unique<project::Project>(project::zeroProject());
    texts::fillAllTables(*p, texts);
    project::resetProject(*p, texts, model);
    return project::saveProject(*p, model);
}

TEST(NewCommand, WritesWhatTheDesignerSavesAfterNew)
{
    const testing::ScratchFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runNew({folder.file("a.Q72"), project::Model::Q720CE, std::nullopt}, out, err), 0) << err.str();
    const texts::BuiltinTextSource builtin;
    EXPECT_EQ(testing::readAll(folder.file("a.Q72")), designerNewAndSave(project::Model::Q720CE, builtin));
    EXPECT_TRUE(err.str().empty());
}

TEST(NewCommand, StampsTheChosenModel)
{
    const testing::ScratchFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runNew({folder.file("p.Q72"), project::Model::Q720PPC, std::nullopt}, out, err), 0);
    const auto image = testing::readAll(folder.file("p.Q72"));
    ASSERT_EQ(image.size(), project::CurrentFileBytes);
    EXPECT_EQ(image[project::DeviceBlockOffset + offsetof(project::DeviceSettings, modelStamp)], 1);
    const texts::BuiltinTextSource builtin;
    EXPECT_EQ(image, designerNewAndSave(project::Model::Q720PPC, builtin));
}

TEST(NewCommand, TakesTextsAndDefaultNamesFromTheLanguageFile)
{
    const testing::ScratchFolder folder;
    const auto language = folder.writeText("de.lng", "Deutsch\r\n10=Maske \r\n3001=Hauptmenue\r\n");
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runNew({folder.file("de.Q72"), project::Model::Q720CE, language}, out, err), 0) << err.str();
    const auto image = testing::readAll(folder.file("de.Q72"));
    const std::size_t exportName = project::FormBlockOffset + offsetof(project::FormDef, exportName);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data() + exportName)), "Maske 01");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data() + project::TextBlockOffset)), "Hauptmenue");

    texts::LanguageTable table;
    table.apply(texts::parseLanguageFile(testing::readAll(language)));
    EXPECT_EQ(image, designerNewAndSave(project::Model::Q720CE, table));
}

TEST(NewCommand, MissingLanguageFileFailsAndWritesNothing)
{
    const testing::ScratchFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runNew({folder.file("x.Q72"), project::Model::Q720CE, folder.file("none.lng")}, out, err), 2);
    EXPECT_NE(err.str().find("none.lng: cannot open the file"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(folder.file("x.Q72")));
}

TEST(NewCommand, UnwritableOutputFails)
{
    const testing::ScratchFolder folder;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runNew({folder.file("missing/x.Q72"), project::Model::Q720CE, std::nullopt}, out, err), 2);
    EXPECT_NE(err.str().find("x.Q72: cannot write the file"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace cli
