// SPDX-License-Identifier: MIT
// The commands of one file each: new, info, check, the language commands, the example, and the
// exit statuses and one-line messages of rejected inputs across them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/diff_command.h"
#include "cli_fixtures.h"
#include "project/document_io.h"
#include "texts/language.h"
#include "texts/language_check.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using namespace project;

using namespace testing;

Outcome newFile(const fs::path& out, Model model, std::optional<fs::path> language = std::nullopt)
{
    return run([&](auto& o, auto& e) { return runNew({out, model, language}, o, e); });
}

// Each rejected input gives exit status 2, one line naming the file and the reason, and no
// output file.
TEST(CommandErrors, RejectedInputFailsWithOneLineNamingFileAndReasonAndWritesNothing)
{
    const ScratchFolder folder;
    auto zip = newImage();
    std::memcpy(zip.data(), "ZIP!", 4);
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
        {folder.write("newer.Q72", newer), toOut(exportTo), "version Q720-1.19 is newer than this program supports"},
        {folder.write("bad.json", "{\"version\": "), toOut(import), "malformed JSON: "},
        {folder.write("v.json", "{\"version\": 114}"), toOut(import), "$.version: expected a string"},
        {folder.file("none.lng"), [&](const fs::path& in) { return newFile(out, Model::Q720CE, in); },
         "cannot open the file: "},
        {folder.write("newer.Q72", newer), [&](const fs::path& in) { return upgrade(in, out, Model::Q720CE); },
         "version Q720-1.19 is newer than this program supports"},
        {folder.write("notes.Q72", "just some text, long enough to have a magic"),
         [&](const fs::path& in) { return diff(in, good); }, "not a Q720 project file"},
        {folder.file("missing.Q72"),  // the second file of a diff
         [&](const fs::path& in) { return diff(good, in); }, "cannot open the file: "},
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
    const ScratchFolder folder;
    auto image = newImage();
    const std::size_t form2 = FormBlockOffset + sizeof(FormDef);
    image[form2 + offsetof(FormDef, lineType)] = 1;
    image[form2 + offsetof(FormDef, lineType) + 1] = 2;
    image[form2 + offsetof(FormDef, recordAction)] = 2;
    std::memcpy(image.data() + MenuBlockOffset + offsetof(MenuDef, itemName), "Receive", 8);
    image[MenuBlockOffset + offsetof(MenuDef, itemNext)] = 2;
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
    const ScratchFolder folder;
    const auto language = folder.write("de.lng", "Deutsch\r\n10=Maske \r\n3001=Hauptmenue\r\n");
    texts::LanguageTable german;
    german.apply(texts::parseLanguageFile(readBytes(language)));
    const texts::BuiltinTextSource builtin;
    for (const Model model : {Model::Q720CE, Model::Q720PPC}) {
        for (const bool isGerman : {false, true}) {
            SCOPED_TRACE(static_cast<int>(model) * 10 + isGerman);
            const Outcome r = newFile(folder.file("a.Q72"), model, isGerman ? std::optional(language) : std::nullopt);
            ASSERT_EQ(r.status, 0) << r.err;
            EXPECT_TRUE(r.err.empty());
            const texts::TextSource& texts = isGerman ? static_cast<const texts::TextSource&>(german) : builtin;
            EXPECT_EQ(readBytes(folder.file("a.Q72")), saveProject(*startedProject(texts, model), model));
        }
    }
}

TEST(LanguageCommands, TemplateIsWrittenAndChecksCleanFaultsGiveOneLineEachAndExitOne)
{
    const ScratchFolder folder;
    const auto languageCheck = [](const fs::path& in) {
        return run([&](auto& o, auto& e) { return runLanguageCheck(in, o, e); });
    };
    const auto templateTo = [](const fs::path& out) {
        return run([&](auto& o, auto& e) { return runLanguageTemplate(out, o, e); });
    };
    const auto templateFile = folder.file("English.lng");
    ASSERT_EQ(templateTo(templateFile).status, ExitSuccess);
    EXPECT_EQ(readBytes(templateFile), texts::languageTemplate());
    Outcome r = languageCheck(templateFile);
    EXPECT_EQ(r.status, ExitSuccess);
    EXPECT_EQ(r.out, "");

    const auto faulty = folder.write("faulty.lng", "\r\n2601=Fehler\r\n2601=Fehler\r\n");
    r = languageCheck(faulty);
    EXPECT_EQ(r.status, ExitFindings);
    EXPECT_EQ(r.out, faulty.string() + ":1: the first line, the language's name, is empty\n" + faulty.string() +
                         ":3: ID 2601 is given again (first on line 2); this later text is the one used\n");
    EXPECT_TRUE(languageCheck(folder.file("none.lng"))
                    .err.starts_with(folder.file("none.lng").string() + ": cannot open the file"));
    r = templateTo(folder.file("missing") / "x.lng");
    EXPECT_EQ(r.status, ExitFailure);
    EXPECT_NE(r.err.find("cannot write the file"), std::string::npos) << r.err;
}

// The example is kept as its mirror: it builds into a project that check finds nothing in, that
// the designer's Open and Save leave as it is, and whose export is the mirror again, byte for byte.
TEST(ExampleProject, ImportsChecksCleanAndRoundTripsByteForByte)
{
    const fs::path example = fs::path(FORMWRIGHT_EXAMPLES) / "stock-taking.json";
    const ScratchFolder folder;
    const auto project = folder.file("stock-taking.Q72");
    ASSERT_EQ(import(example, project).status, ExitSuccess);
    EXPECT_EQ(check(project).status, ExitSuccess);
    const Outcome exported = exportTo(project, std::nullopt);
    EXPECT_TRUE(exported.out == readText(example)) << "the export differs from " << example;
    const std::vector<std::uint8_t> image = readBytes(project);
    const UpgradedImage saved = upgradeImage(image, texts::BuiltinTextSource{}, Model::Q720CE);
    ASSERT_TRUE(saved.load.ok);
    EXPECT_TRUE(saved.image == image) << "Open and Save in the designer change the example";
}

Outcome check(const ScratchFolder& folder, const std::vector<std::uint8_t>& image)
{
    return testing::check(folder.write("c.Q72", image));
}

std::size_t formByte(int form, std::size_t field, int line = 1)
{
    return FormBlockOffset + static_cast<std::size_t>(form - 1) * sizeof(FormDef) + field +
           static_cast<std::size_t>(line - 1);
}

// Each expected finding must appear as a whole line of the report, and nothing about `absent`.
void expectFindings(const Outcome& run, const std::vector<std::string>& expected, std::string_view absent = {})
{
    EXPECT_EQ(run.status, 1);
    for (const std::string& line : expected) {
        EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << "missing: " << line << "\nin:\n" << run.out;
    }
    if (!absent.empty()) {
        EXPECT_EQ(run.out.find(absent), std::string::npos) << run.out;
    }
}

TEST(CheckCommand, ReportsEachBrokenByteWithItsPlace)
{
    const ScratchFolder folder;
    auto image = newImage();
    image[formByte(3, offsetof(FormDef, nextTarget))] = 31;
    image[formByte(2, offsetof(FormDef, lineType), 4)] = 17;
    image[formByte(2, offsetof(FormDef, lineType), 5)] = 16;
    image[formByte(2, offsetof(FormDef, inputSource), 5)] = 3;
    image[formByte(1, offsetof(FormDef, maxLength), 2)] = 200;
    image[formByte(1, offsetof(FormDef, minLength), 3)] = 170;
    image[formByte(5, offsetof(FormDef, lineType))] = 7;  // a lookup line may exceed 160
    image[formByte(5, offsetof(FormDef, maxLength))] = 201;
    image[formByte(4, offsetof(FormDef, lookupFile))] = 6;
    image[MenuBlockOffset + offsetof(MenuDef, itemNext) + 2] = 40;
    image[LookupBlockOffset + offsetof(LookupDef, numFields)] = 13;
    image[LookupBlockOffset + sizeof(LookupDef) + offsetof(LookupDef, numFields)] = 2;
    image[LookupBlockOffset + sizeof(LookupDef) + offsetof(LookupDef, keyField)] = 2;
    image[LookupBlockOffset + offsetof(LookupDef, delimiter)] = 13;
    image[DeviceBlockOffset + offsetof(DeviceSettings, delimiter2)] = 13;
    std::memcpy(image.data() + DeviceBlockOffset + offsetof(DeviceSettings, password), "ab-1", 5);
    image[DeviceBlockOffset + offsetof(DeviceSettings, dataDeletion)] = 3;
    // A stamp outside 0..1: the next save writes the model preference there (any derived byte
    // that a save would change is reported so).
    image[DeviceBlockOffset + offsetof(DeviceSettings, modelStamp)] = 5;
    expectFindings(check(folder, image),
                   {
                       "form 3 nextTarget (block 2 offset 3953): 31 is outside its list (0..30)",
                       "form 2 line 4 lineType (block 2 offset 2028): line type 17 is above 16",
                       "form 2 line 5 lineType (block 2 offset 2029): line type MSQI exists only on lines 1 and 2 "
                       "of a form in MSQI mode",
                       "form 1 line 2 maxLength (block 2 offset 560): maxLength 200 is above 160",
                       "form 1 line 3 minLength (block 2 offset 546): minLength 170 is above maxLength 160",
                       "form 4 lookupFile (block 2 offset 5930): 6 is outside its list (0..5)",
                       "menu 1 item 3 next (block 1 offset 500): 40 is outside its list (0..30)",
                       "lookup 1 numFields (block 3 offset 0): 13 is outside its list (0..12)",
                       "lookup 1 delimiter (block 3 offset 520): delimiter 13 (carriage return)",
                       "lookup 2 keyField (block 3 offset 825): key field index 2 is beyond the 2 fields",
                       "system settings delimiter2 (block 5 offset 65): delimiter 13 (carriage return)",
                       "system settings password (block 5 offset 72): password has characters other than ASCII "
                       "letters and digits",
                       "system settings dataDeletion (block 5 offset 67): 3 is outside its list (0..2)",
                       "system settings modelStamp (block 5 offset 425): stale: holds 5, a save computes 0",
                       "form 2 line 5 inputSource (block 2 offset 2509): input source 3 (RFID) while the RFID "
                       "reader is off",
                   },
                   "maxLength 201");
}

// Link codes out of range for the line; an RFID input source is fine with an RFID reader.
TEST(CheckCommand, LinkCodesOutOfRangeForTheLine)
{
    const ScratchFolder folder;
    auto image = newImage();
    image[formByte(1, offsetof(FormDef, lookupFile))] = 1;
    image[LookupBlockOffset + offsetof(LookupDef, numFields)] = 2;
    image[formByte(1, offsetof(FormDef, lineType), 1)] = 1;     // text
    image[formByte(1, offsetof(FormDef, lookupLink), 1)] = 14;  // -field 2
    image[formByte(1, offsetof(FormDef, lineType), 2)] = 2;     // integer
    image[formByte(1, offsetof(FormDef, lookupLink), 2)] = 3;   // field 3 of 2
    image[formByte(1, offsetof(FormDef, lineType), 3)] = 9;     // prompt
    image[formByte(1, offsetof(FormDef, lookupLink), 3)] = 1;
    image[formByte(1, offsetof(FormDef, lineType), 4)] = 1;     // text
    image[formByte(1, offsetof(FormDef, lookupLink), 4)] = 12;  // field 12, the last plain field
    image[formByte(2, offsetof(FormDef, inputSource), 5)] = 3;
    image[DeviceBlockOffset + offsetof(DeviceSettings, readerType)] = 11;  // the lowest RFID type
    expectFindings(check(folder, image),
                   {
                       "form 1 line 1 lookupLink (block 2 offset 574): link code 14 (-field/+field) on a text "
                       "line; only integer, real and auto(+/-) lines take it",
                       "form 1 line 2 lookupLink (block 2 offset 575): link code 3 names field 3 of lookup file 1, "
                       "which has 2 fields",
                       "form 1 line 3 lookupLink (block 2 offset 576): link code 1 on a prompt line, which takes "
                       "no link",
                       "form 1 line 4 lookupLink (block 2 offset 577): link code 12 names field 12 of lookup file 1, "
                       "which has 2 fields",
                   },
                   "link code 12 (-field/+field)");
    EXPECT_EQ(check(folder, image).out.find("RFID"), std::string::npos);
}

TEST(CheckCommand, ReportsWrongSizeForTheVersion)
{
    const ScratchFolder folder;
    const auto image = asVersion(newImage(), "Q720-1.09");
    for (const std::size_t size : {image.size() + 1, std::size_t{60000}}) {
        auto resized = image;
        resized.resize(size);
        expectFindings(check(folder, resized),
                       {"wrong size for version Q720-1.09: " + std::to_string(size) + " bytes, expected 61694"});
    }
}

// upgrade --in-place / --output-dir and check over many files.
// Open after a reset, then Save, written out with the core's own calls.
std::vector<std::uint8_t> designerOpenAndSave(const std::vector<std::uint8_t>& file, Model model)
{
    const texts::BuiltinTextSource texts;
    auto p = startedProject(texts, model);
    const LoadResult loaded = loadProject(file, *p, {texts, model});
    EXPECT_TRUE(loaded.ok);
    return saveProject(*p, loaded.adoptedModel.value_or(model));
}

// One folder of inputs: a file of every version (any content) and one that is no project.
class UpgradeMany : public ::testing::Test
{
protected:
    void SetUp() override { makeFiles(); }

    void makeFiles()
    {
        m_good.clear();
        m_expected.clear();
        for (const char* sub : {"in", "out"}) {
            fs::remove_all(m_folder.file(sub));
            fs::create_directories(m_folder.file(sub));
        }
        for (std::size_t i = 0; i < AllVersions.size(); ++i) {
            const char* version = AllVersions[i];
            const auto image = randomImage(version, static_cast<std::uint32_t>(i));
            m_good.push_back(m_folder.write("in/" + std::string(version) + ".Q72", image));
            m_expected.push_back(designerOpenAndSave(image, Model::Q720PPC));
        }
        auto rejected = newImage();
        std::memcpy(rejected.data(), "Q721", 4);
        m_rejected = m_folder.write("in/rejected.Q72", rejected);
    }

    Outcome upgradeMany(const std::vector<fs::path>& inputs, bool isInPlace) const
    {
        UpgradeManyOptions options;
        options.inputs = inputs;
        if (!isInPlace) {
            options.outputFolder = m_folder.file("out");
        }
        options.model = Model::Q720PPC;
        return run([&](auto& o, auto& e) { return runUpgradeMany(options, o, e); });
    }

    ScratchFolder m_folder;
    std::vector<fs::path> m_good;
    std::vector<std::vector<std::uint8_t>> m_expected;
    fs::path m_rejected;
};

TEST_F(UpgradeMany, GoodFilesAreUpgradedAsAloneAndBadOnesAreNamedAndLeftAlone)
{
    for (const bool isInPlace : {true, false}) {
        SCOPED_TRACE(isInPlace ? "in place" : "output folder");
        makeFiles();
        std::vector<fs::path> inputs = m_good;
        inputs.insert(inputs.begin() + 2, m_rejected);
        // Unwritable: the output's name is taken by a folder (in place, an input always has a file).
        fs::path unwritable;
        if (!isInPlace) {
            unwritable = m_folder.write("in/unwritable.Q72", newImage());
            fs::create_directories(m_folder.file("out/unwritable.Q72/keep"));
            inputs.push_back(unwritable);
        }
        const auto rejectedBytes = readBytes(m_rejected);

        const Outcome r = upgradeMany(inputs, isInPlace);

        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(m_rejected.string() + ": not a Q720 project file\n"), std::string::npos) << r.err;
        EXPECT_EQ(readBytes(m_rejected), rejectedBytes);
        if (!isInPlace) {
            EXPECT_NE(r.err.find((m_folder.file("out") / "unwritable.Q72").string() + ": cannot write the file: "),
                      std::string::npos)
                << r.err;
            EXPECT_TRUE(fs::is_directory(m_folder.file("out/unwritable.Q72/keep")));
            EXPECT_FALSE(fs::exists(m_folder.file("out/rejected.Q72")));
        }
        for (std::size_t i = 0; i < m_good.size(); ++i) {
            const fs::path written = isInPlace ? m_good[i] : m_folder.file("out") / m_good[i].filename();
            EXPECT_EQ(readBytes(written), m_expected[i]) << written;
        }
        const auto lines = std::count(r.err.begin(), r.err.end(), '\n');
        EXPECT_EQ(lines, isInPlace ? 1 : 2) << r.err;
    }
}

TEST_F(UpgradeMany, DuplicateInputOrOutputIsRefusedBeforeAnythingIsWritten)
{
    fs::create_directories(m_folder.file("other"));
    const fs::path sameName = m_folder.write("other/" + m_good[0].filename().string(), newImage());
    struct Case
    {
        const char* name;
        bool isInPlace;
        std::vector<fs::path> inputs;
        std::string reason;
    };
    const Case cases[] = {
        {"the same input twice",
         true,
         {m_good[0], m_good[1], m_folder.file("in/../in/" + m_good[1].filename().string())},
         ": named twice (also as " + m_good[1].string() + ")\n"},
        {"two inputs, one output", false, {m_good[0], m_good[1], sameName}, ", as " + m_good[0].string() + " does\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::vector<std::uint8_t>> before;
        for (const fs::path& input : c.inputs) {
            before.push_back(readBytes(input));
        }
        const Outcome r = upgradeMany(c.inputs, c.isInPlace);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.inputs.back().string()), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        for (std::size_t i = 0; i < c.inputs.size(); ++i) {
            EXPECT_EQ(readBytes(c.inputs[i]), before[i]) << c.inputs[i];
        }
        EXPECT_TRUE(fs::is_empty(m_folder.file("out")));
    }
}

// A finding in one file gives 1 and a file that fails gives 2; each finding names its file.
TEST(CheckMany, WorstFileSetsTheStatusAndFindingsNameTheirFile)
{
    const ScratchFolder folder;
    auto broken = newImage();
    broken[FormBlockOffset + 2 * sizeof(FormDef) + offsetof(FormDef, nextTarget)] = 31;
    const fs::path clean = folder.write("clean.Q72", newImage());
    const fs::path finding = folder.write("finding.Q72", broken);
    const fs::path missing = folder.file("missing.Q72");
    for (const int status : {1, 2}) {
        const std::vector<fs::path> inputs = {clean, finding, status == 2 ? missing : clean};
        const Outcome r = run([&](auto& o, auto& e) { return runCheck(std::span(inputs), o, e); });
        EXPECT_EQ(r.status, status) << r.out << r.err;
        EXPECT_EQ(r.out.rfind(finding.string() + ": form 3 nextTarget (block 2 offset 3953): ", 0), 0u) << r.out;
        EXPECT_EQ(r.err.rfind(missing.string() + ": cannot open the file", 0), status == 2 ? 0u : std::string::npos);
    }
}

// Any content of every version, to another file and in place.
TEST(UpgradeCommand, EveryVersionBecomesTheDesignersSave)
{
    const ScratchFolder folder;
    for (const char* version : AllVersions) {
        SCOPED_TRACE(version);
        const auto old = randomImage(version, 7);
        const auto in = folder.write("in.Q72", old);
        ASSERT_EQ(upgrade(in, folder.file("out.Q72"), Model::Q720CE).status, 0);
        EXPECT_EQ(readBytes(folder.file("out.Q72")), designerOpenAndSave(old, Model::Q720CE));
        ASSERT_EQ(upgrade(in, in, Model::Q720PPC).status, 0);
        EXPECT_EQ(readBytes(in), designerOpenAndSave(old, Model::Q720PPC));
    }
}

}  // namespace
}  // namespace cli
