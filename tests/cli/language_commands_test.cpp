// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli_fixtures.h"
#include "texts/language_check.h"

namespace cli {
namespace {

using testing::Outcome;

TEST(LanguageCommands, TemplateIsWrittenAndChecksCleanFaultsGiveOneLineEachAndExitOne)
{
    const testing::ScratchFolder folder;
    const auto templateFile = folder.file("English.lng");
    Outcome r = testing::run([&](std::ostream& o, std::ostream& e) { return runLanguageTemplate(templateFile, o, e); });
    ASSERT_EQ(r.status, ExitSuccess) << r.err;
    EXPECT_EQ(testing::readBytes(templateFile), texts::languageTemplate());

    r = testing::run([&](std::ostream& o, std::ostream& e) { return runLanguageCheck(templateFile, o, e); });
    EXPECT_EQ(r.status, ExitSuccess);
    EXPECT_EQ(r.out, "");

    const auto faulty = folder.write("faulty.lng", "\r\n2601=Fehler\r\n2601=Fehler\r\n");
    r = testing::run([&](std::ostream& o, std::ostream& e) { return runLanguageCheck(faulty, o, e); });
    EXPECT_EQ(r.status, ExitFindings);
    EXPECT_EQ(r.out, faulty.string() + ":1: the first line, the language's name, is empty\n" + faulty.string() +
                         ":3: ID 2601 is given again (first on line 2); this later text is the one used\n");

    r = testing::run([&](std::ostream& o, std::ostream& e) { return runLanguageCheck(folder.file("none.lng"), o, e); });
    EXPECT_EQ(r.status, ExitFailure);
    EXPECT_NE(r.err.find("none.lng: cannot open the file"), std::string::npos) << r.err;

    r = testing::run(
        [&](std::ostream& o, std::ostream& e) { return runLanguageTemplate(folder.file("missing") / "x.lng", o, e); });
    EXPECT_EQ(r.status, ExitFailure);
    EXPECT_NE(r.err.find("cannot write the file"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace cli
