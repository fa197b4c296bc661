// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <memory>

#include "cli/commands.h"
#include "cli_fixtures.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/runtime_texts.h"
#include "texts/language.h"

namespace cli {
namespace {

using testing::Outcome;

// The designer's start-up and New, then Save, written out with the core's own calls.
std::vector<std::uint8_t> designerNewAndSave(project::Model model, const texts::TextSource& texts)
{
    auto p = std::make_unique<project::Project>(project::zeroProject());
    project::fillAllTables(*p, texts);
    project::resetProject(*p, texts, model);
    return project::saveProject(*p, model);
}

Outcome runNew(const NewOptions& options)
{
    return testing::run([&](std::ostream& o, std::ostream& e) { return cli::runNew(options, o, e); });
}

TEST(NewCommand, WritesWhatTheDesignerSavesAfterNewForEitherModel)
{
    const testing::ScratchFolder folder;
    const texts::BuiltinTextSource builtin;
    for (const project::Model model : {project::Model::Q720CE, project::Model::Q720PPC}) {
        SCOPED_TRACE(static_cast<int>(model));
        const Outcome r = runNew({folder.file("a.Q72"), model, std::nullopt});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.err.empty());
        const auto image = testing::readBytes(folder.file("a.Q72"));
        ASSERT_EQ(image.size(), project::CurrentFileBytes);
        EXPECT_EQ(image[project::DeviceBlockOffset + offsetof(project::DeviceSettings, modelStamp)],
                  static_cast<int>(model));
        EXPECT_EQ(image, designerNewAndSave(model, builtin));
    }
}

TEST(NewCommand, TakesTextsAndDefaultNamesFromTheLanguageFile)
{
    const testing::ScratchFolder folder;
    const auto language = folder.write("de.lng", "Deutsch\r\n10=Maske \r\n3001=Hauptmenue\r\n");
    const Outcome r = runNew({folder.file("de.Q72"), project::Model::Q720CE, language});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto image = testing::readBytes(folder.file("de.Q72"));
    const std::size_t exportName = project::FormBlockOffset + offsetof(project::FormDef, exportName);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data() + exportName)), "Maske 01");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data() + project::TextBlockOffset)), "Hauptmenue");

    texts::LanguageTable table;
    table.apply(texts::parseLanguageFile(testing::readBytes(language)));
    EXPECT_EQ(image, designerNewAndSave(project::Model::Q720CE, table));
}

TEST(NewCommand, UnwritableOutputFails)
{
    const testing::ScratchFolder folder;
    const Outcome r = runNew({folder.file("missing/x.Q72"), project::Model::Q720CE, std::nullopt});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("x.Q72: cannot write the file"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace cli
