// SPDX-License-Identifier: MIT
// The commands of one file each: new, info, check, the language commands, the example, and the
// exit statuses and one-line messages of rejected inputs across them.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/diff_command.h"
#include "cli_fixtures.h"
#include "project/defaults.h"
#include "project/document_io.h"
#include "project/runtime_texts.h"
#include "texts/language.h"
#include "texts/language_check.h"

namespace cli {
namespace {

using testing::newImage;
using testing::Outcome;
using testing::run;
namespace fs = std::filesystem;
using project::Model;

Outcome info(const fs::path& in) { return run([&](auto& o, auto& e) { return runInfo(in, o, e); }); }
Outcome check(const fs::path& in) { return run([&](auto& o, auto& e) { return runCheck(in, o, e); }); }
Outcome exportTo(const fs::path& in, const std::optional<fs::path>& out)
{
    return run([&](auto& o, auto& e) { return runExport({in, out}, o, e); });
}
Outcome import(const fs::path& in, const fs::path& out)
{
    return run([&](auto& o, auto& e) { return runImport(in, out, o, e); });
}
Outcome diffOf(const fs::path& a, const fs::path& b)
{
    return run([&](auto& o, auto& e) { return runDiff({a, b, false, {}, {}}, o, e); });
}
Outcome newFile(const fs::path& out, Model model, std::optional<fs::path> language = std::nullopt)
{
    return run([&](auto& o, auto& e) { return runNew({out, model, language}, o, e); });
}

// Each rejected input gives exit status 2, one line naming the file and the reason, and no
// output file.
TEST(CommandErrors, RejectedInputFailsWithOneLineNamingFileAndReasonAndWritesNothing)
{
    const testing::ScratchFolder folder;
    auto zip = newImage();
    std::memcpy(zip.data(), "ZIP!", 4);
    auto cut = testing::asVersion(newImage(), "Q720-1.02");
    cut.resize(60000);
    auto newer = newImage();
    newer[8] = '9';
    const fs::path out = folder.file("out");
    const fs::path good = folder.write("good.Q72", newImage());
    const auto toOut = [&](auto command) { return [&, command](const fs::path& in) { return command(in, out); }; };
    const struct
    {
        fs::path input;
        std::function<Outcome(const fs::path&)> run;
        std::string reason;  // a whole line, or its start when it ends in ": "
    } cases[] = {
        {folder.file("none.Q72"), info, "cannot open the file: No such file or directory"},
        {folder.write("zip.Q72", zip), info, "not a Q720 project file"},
        {folder.write("cut.Q72", cut), info, "file is truncated: 60000 of 61229 bytes"},
        {folder.write("zip.Q72", zip), check, "not a Q720 project file"},
        {folder.write("newer.Q72", newer), toOut(exportTo), "version Q720-1.19 is newer than this program supports"},
        {folder.write("bad.json", "{\"version\": "), toOut(import), "malformed JSON: "},
        {folder.write("v.json", "{\"version\": 114}"), toOut(import), "$.version: expected a string"},
        {folder.file("none.lng"), [&](const fs::path& in) { return newFile(out, Model::Q720CE, in); },
         "cannot open the file: "},
        {folder.write("newer.Q72", newer),
         [&](const fs::path& in) {
             return run([&](auto& o, auto& e) { return runUpgrade({in, out, Model::Q720CE, std::nullopt}, o, e); });
         },
         "version Q720-1.19 is newer than this program supports"},
        {folder.write("notes.Q72", "just some text, long enough to have a magic"),
         [&](const fs::path& in) { return diffOf(in, good); },
         "not a Q720 project file"},
        {folder.file("missing.Q72"),  // the second file of a diff
         [&](const fs::path& in) { return diffOf(good, in); },
         "cannot open the file: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.filename().string() + " " + c.reason);
        const Outcome r = c.run(c.input);
        EXPECT_EQ(r.status, ExitFailure);
        EXPECT_EQ(r.out, "");
        const std::string expected = c.input.string() + ": " + c.reason;
        if (c.reason.ends_with(": ")) {
            EXPECT_TRUE(r.err.starts_with(expected)) << r.err;
        } else {
            EXPECT_EQ(r.err, expected + "\n");
        }
        EXPECT_FALSE(fs::exists(out));
    }
}

TEST(InfoCommand, SummarisesFormsMenusAndLookups)
{
    const testing::ScratchFolder folder;
    auto image = newImage();
    const std::size_t form2 = project::FormBlockOffset + sizeof(project::FormDef);
    image[form2 + offsetof(project::FormDef, lineType)] = 1;
    image[form2 + offsetof(project::FormDef, lineType) + 1] = 2;
    image[form2 + offsetof(project::FormDef, recordAction)] = 2;
    std::memcpy(image.data() + project::MenuBlockOffset + offsetof(project::MenuDef, itemName), "Receive", 8);
    image[project::MenuBlockOffset + offsetof(project::MenuDef, itemNext)] = 2;
    const Outcome r = info(folder.write("i.Q72", image));
    EXPECT_EQ(r.status, 0);
    for (const char* part : {"version: Q720-1.14\n", "model: Q720CE", "reader: 1D Laser / CCD Reader\nstart: form 1\n",
                             "  form 2 \"Form  02\": save & update, next form 2\n    lines: 1 text, 2 integer\n",
                             "  menu 1 \"\": \"Receive\" -> form 2\n"}) {
        EXPECT_NE(r.out.find(part), std::string::npos) << "missing: " << part << "\nin:\n" << r.out;
    }
}

// new writes what the designer's start-up and New, then Save, write, with the texts and default
// names of the language file given.
TEST(NewCommand, WritesWhatTheDesignerSavesAfterNewForEitherModelAndLanguage)
{
    const testing::ScratchFolder folder;
    const auto language = folder.write("de.lng", "Deutsch\r\n10=Maske \r\n3001=Hauptmenue\r\n");
    texts::LanguageTable german;
    german.apply(texts::parseLanguageFile(testing::readBytes(language)));
    const texts::BuiltinTextSource builtin;
    for (const Model model : {Model::Q720CE, Model::Q720PPC}) {
        for (const bool isGerman : {false, true}) {
            SCOPED_TRACE(static_cast<int>(model) * 10 + isGerman);
            const Outcome r = newFile(folder.file("a.Q72"), model, isGerman ? std::optional(language) : std::nullopt);
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_TRUE(r.err.empty());
            const texts::TextSource& texts = isGerman ? static_cast<const texts::TextSource&>(german) : builtin;
            auto p = std::make_unique<project::Project>(project::zeroProject());
            project::fillAllTables(*p, texts);
            project::resetProject(*p, texts, model);
            EXPECT_EQ(testing::readBytes(folder.file("a.Q72")), project::saveProject(*p, model));
        }
    }
    const auto image = testing::readBytes(folder.file("a.Q72"));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(image.data() + project::TextBlockOffset)), "Hauptmenue");
}

TEST(LanguageCommands, TemplateIsWrittenAndChecksCleanFaultsGiveOneLineEachAndExitOne)
{
    const testing::ScratchFolder folder;
    const auto languageCheck = [](const fs::path& in) {
        return run([&](auto& o, auto& e) { return runLanguageCheck(in, o, e); });
    };
    const auto templateTo = [](const fs::path& out) {
        return run([&](auto& o, auto& e) { return runLanguageTemplate(out, o, e); });
    };
    const auto templateFile = folder.file("English.lng");
    ASSERT_EQ(templateTo(templateFile).status, ExitSuccess);
    EXPECT_EQ(testing::readBytes(templateFile), texts::languageTemplate());
    Outcome r = languageCheck(templateFile);
    EXPECT_EQ(r.status, ExitSuccess);
    EXPECT_EQ(r.out, "");

    const auto faulty = folder.write("faulty.lng", "\r\n2601=Fehler\r\n2601=Fehler\r\n");
    r = languageCheck(faulty);
    EXPECT_EQ(r.status, ExitFindings);
    EXPECT_EQ(r.out, faulty.string() + ":1: the first line, the language's name, is empty\n" + faulty.string() +
                         ":3: ID 2601 is given again (first on line 2); this later text is the one used\n");
    EXPECT_TRUE(languageCheck(folder.file("none.lng")).err.starts_with(folder.file("none.lng").string() +
                                                                       ": cannot open the file"));
    r = templateTo(folder.file("missing") / "x.lng");
    EXPECT_EQ(r.status, ExitFailure);
    EXPECT_NE(r.err.find("cannot write the file"), std::string::npos) << r.err;
}

// The example is kept as its mirror: it builds into a project that check finds nothing in, that
// the designer's Open and Save leave as it is, and whose export is the mirror again, byte for byte.
TEST(ExampleProject, ImportsChecksCleanAndRoundTripsByteForByte)
{
    const fs::path example = fs::path(FORMWRIGHT_EXAMPLES) / "stock-taking.json";
    const testing::ScratchFolder folder;
    const auto project = folder.file("stock-taking.Q72");
    ASSERT_EQ(import(example, project).status, ExitSuccess);
    EXPECT_EQ(check(project).status, ExitSuccess);
    const Outcome exported = exportTo(project, std::nullopt);
    EXPECT_TRUE(exported.out == testing::readText(example)) << "the export differs from " << example;
    const std::vector<std::uint8_t> image = testing::readBytes(project);
    const UpgradedImage saved = upgradeImage(image, texts::BuiltinTextSource{}, Model::Q720CE);
    ASSERT_TRUE(saved.load.ok);
    EXPECT_TRUE(saved.image == image) << "Open and Save in the designer change the example";
}

}  // namespace
}  // namespace cli
