// SPDX-License-Identifier: MIT
// The commands of one file each: new, info, check, the language commands, the example, and the
// exit statuses and one-line messages of rejected inputs across them; diff and the JSON mirror.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/diff_command.h"
#include "cli/json_mirror.h"
#include "project/document_io.h"
#include "project/file_format.h"
#include "project/file_version.h"
#include "project/record_fields.h"
#include "project/text_tables.h"
#include "support/project_fixtures.h"
#include "support/temp_folder.h"
#include "texts/language.h"
#include "texts/language_check.h"
#include "texts/text_source.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using namespace project;

// A new project as the designer saves it.
std::vector<std::uint8_t> newImage(Model model = Model::Q720CE)
{
    const texts::BuiltinTextSource texts;
    return newProjectImage(texts, model);
}

// What a command returned and printed.
struct Outcome
{
    int status;
    std::string out;
    std::string err;
};

template <typename Command> Outcome run(Command command)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(out, err);
    return {status, out.str(), err.str()};
}

Outcome info(const fs::path& in)
{
    return run([&](auto& o, auto& e) { return runInfo(in, o, e); });
}
Outcome check(const fs::path& in)
{
    return run([&](auto& o, auto& e) { return runCheck(in, o, e); });
}
Outcome exportTo(const fs::path& in, const std::optional<fs::path>& out)
{
    return run([&](auto& o, auto& e) { return runExport({in, out}, o, e); });
}
Outcome import(const fs::path& in, const fs::path& out)
{
    return run([&](auto& o, auto& e) { return runImport(in, out, o, e); });
}
Outcome diff(const fs::path& a, const fs::path& b, bool json = false)
{
    return run([&](auto& o, auto& e) { return runDiff({a, b, json, {}, {}}, o, e); });
}
Outcome upgrade(const fs::path& in, const fs::path& out, Model model)
{
    return run([&](auto& o, auto& e) { return runUpgrade({in, out, model, std::nullopt}, o, e); });
}

// Every version a file may carry, one per layout and the gates in between.
const std::array<const char*, 9> AllVersions = {"Q720-1.00", "Q720-1.01", "Q720-1.02", "Q720-1.05", "Q720-1.09",
                                                "Q720-1.11", "Q720-1.12", "Q720-1.13", "Q720-1.14"};

using testing_support::asVersion;

// Every byte random: the mirror must carry any content, not only what the editor writes.
std::vector<std::uint8_t> randomImage(const char* version, std::uint32_t seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> image(CurrentFileBytes);
    for (auto& b : image) {
        b = static_cast<std::uint8_t>(random());
    }
    return asVersion(std::move(image), version);
}

using ScratchFolder = testing_support::TempFolder;
using testing_support::readBytes;
using testing_support::readText;

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
    expectFindings(check(folder.write("c.Q72", image)),
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
    expectFindings(check(folder.write("c.Q72", image)),
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
    EXPECT_EQ(check(folder.write("c.Q72", image)).out.find("RFID"), std::string::npos);
}

TEST(CheckCommand, ReportsWrongSizeForTheVersion)
{
    const ScratchFolder folder;
    const auto image = asVersion(newImage(), "Q720-1.09");
    for (const std::size_t size : {image.size() + 1, std::size_t{60000}}) {
        auto resized = image;
        resized.resize(size);
        expectFindings(check(folder.write("c.Q72", resized)),
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

// diff and the JSON mirror.
using Image = std::vector<std::uint8_t>;

std::size_t blockStart(int block)
{
    const std::size_t starts[] = {0,
                                  MenuBlockOffset,
                                  FormBlockOffset,
                                  LookupBlockOffset,
                                  ReaderBlockOffset,
                                  DeviceBlockOffset,
                                  ReservedBlockOffset};
    return block <= 6 ? starts[block] : block == 61 ? TransactionBlockOffset : TextBlockOffset + textTableOffset(block);
}

// Form 3, line 2 of a column of the line table.
std::size_t lineByte(std::string_view column)
{
    const auto spec = std::find_if(std::begin(formLineColumns), std::end(formLineColumns),
                                   [&](const FieldSpec& s) { return s.name == column; });
    return FormBlockOffset + 2 * sizeof(FormDef) + spec->offset + spec->bytes;
}

void put(Image& image, std::size_t at, std::string_view text, std::size_t slotBytes)
{
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(at), slotBytes, std::uint8_t{0});
    std::memcpy(image.data() + at, text.data(), text.size());
}

using Change = std::function<void(Image& before, Image& after)>;

Change bytePair(std::size_t at, std::uint8_t before, std::uint8_t after)
{
    return [=](Image& a, Image& b) {
        a[at] = before;
        b[at] = after;
    };
}

// One change of each kind of field: the line it gives, where it sits, and what the JSON holds.
TEST(DiffCommand, EachKindOfFieldGivesOneLineWithItsPlaceAndAFileAgainstItselfNone)
{
    const std::size_t caption = MenuBlockOffset + offsetof(MenuDef, caption);
    const std::size_t captionBytes = sizeof(MenuDef::caption);
    TextSlotRef slot;
    ASSERT_TRUE(findTextSlot(3541, slot));
    const std::size_t text =
        blockStart(slot.block) + static_cast<std::size_t>(slot.index * textTable(slot.block).width);
    const struct
    {
        Change change;
        std::string line;
        std::size_t at;  // in the file
        const char* path;
    } rows[] = {
        {bytePair(lineByte("maxLength"), 20, 30), "form 3 line 2 maxLength: 20 -> 30", lineByte("maxLength"),
         "$.forms[2].lines[1].maxLength"},
        {bytePair(ReaderBlockOffset + 218, 4, 10), "reader imagerCode39Length1: 4 -> 10", ReaderBlockOffset + 218,
         "$.readerSettings.imagerCode39Length1"},
        {bytePair(FormBlockOffset + offsetof(FormDef, autoKey), 0, 1), "form 1 autoKey: 0 -> 1",
         FormBlockOffset + offsetof(FormDef, autoKey), "$.forms[0].autoKey"},
        {[&](Image& a, Image& b) {
             put(a, caption, "Main", captionBytes);
             put(b, caption, "Stock \"taking\"", captionBytes);
         },
         R"(menu 1 caption: "Main" -> "Stock \"taking\"")", caption, "$.menus[0].caption"},
        {bytePair(lineByte("lineType"), 2, 7), "form 3 line 2 lineType: 2 (integer) -> 7 (lookup)",
         lineByte("lineType"), "$.forms[2].lines[1].lineType"},
        {bytePair(ReaderBlockOffset + 373, 0, 1), "block 4 offset 373: 0x00 -> 0x01", ReaderBlockOffset + 373,
         "$.readerSettings.bytes346"},
        {[&](Image& a, Image& b) {
             put(a, text, "Scan item", 31);
             put(b, text, "Scan article", 31);
         },
         R"(texts 3541: "Scan item" -> "Scan article")", text, "$.texts.3541"},
        {[&](Image& a, Image& b) {  // a byte behind a text's NUL
             put(a, caption, "Main", captionBytes);
             put(b, caption, "Main", captionBytes);
             b[caption + 20] = 0x41;
         },
         "block 1 offset " + std::to_string(offsetof(MenuDef, caption) + 20) + ": 0x00 -> 0x41", caption + 20,
         "$.menus[0].captionTail"},
    };
    ScratchFolder folder;
    const auto same = folder.write("same.Q72", newImage());
    EXPECT_EQ(diff(same, same).status, ExitSuccess);
    EXPECT_EQ(diff(same, same).out, "");
    EXPECT_EQ(diff(same, same, true).out, "[]\n");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path);
        Image before = newImage();
        Image after = before;
        row.change(before, after);
        const auto a = folder.write("a.Q72", before);
        const auto b = folder.write("b.Q72", after);
        EXPECT_EQ(diff(a, b).status, ExitFindings);
        EXPECT_EQ(diff(a, b).out, row.line + "\n");
        const Json changes = Json::parse(diff(a, b, true).out);
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(blockStart(changes[0]["block"]) + changes[0]["offset"].get<std::size_t>(), row.at);
        EXPECT_EQ(changes[0]["path"], row.path);
        EXPECT_TRUE(row.line.starts_with(changes[0]["field"].get<std::string>() + ": "));
    }
}

// The older file is compared as the designer upgrades it: against its own upgrade only the
// version differs, and an edit made after the upgrade still shows as itself.
TEST(DiffCommand, AnOlderVersionAgainstItsUpgradeShowsOnlyTheVersionAndLaterEdits)
{
    ScratchFolder folder;
    const texts::BuiltinTextSource texts;
    for (const char* version : AllVersions) {
        if (FileMagic::of(version) == Version::Current) {
            continue;
        }
        SCOPED_TRACE(version);
        const Image older = randomImage(version, 5);
        UpgradedImage upgraded = upgradeImage(older, texts, Model::Q720CE);
        ASSERT_TRUE(upgraded.load.ok);
        const std::size_t at = lineByte("maxLength");
        const int before = upgraded.image[at];
        upgraded.image[at] = static_cast<std::uint8_t>(before ^ 0x40);
        const auto a = folder.write("old.Q72", older);
        const auto b = folder.write("new.Q72", upgraded.image);
        const bool isPpc = upgraded.image[DeviceBlockOffset + offsetof(DeviceSettings, modelStamp)] == 1;
        const std::string edit =
            "form 3 line 2 maxLength: " + std::to_string(before) + " -> " + std::to_string(before ^ 0x40) + "\n";
        EXPECT_EQ(diff(a, b).out, a.string() + " is version " + version +
                                      ": compared as the designer upgrades it to Q720-1.14 (model " +
                                      (isPpc ? "Q720PPC" : "Q720CE") + ")\nversion: \"" + version +
                                      "\" -> \"Q720-1.14\"\n" + edit);
        const Json changes = Json::parse(diff(b, a, true).out);
        ASSERT_EQ(changes.size(), 2u);
        EXPECT_EQ(changes[0]["new"], version);
        EXPECT_NE(changes[0]["note"].get<std::string>().find("compared as the designer upgrades it"),
                  std::string::npos);
    }
}

// Every byte of every layout is compared, once: flipping bytes further apart than the longest
// text slot (the 261-byte storage paths) gives one change per flipped byte, at that byte or at
// the start of its text.
TEST(DiffCommand, EveryByteOfEveryLayoutShowsAsExactlyOneChange)
{
    constexpr std::size_t Stride = 262;
    for (const char* version : {"Q720-1.00", "Q720-1.01", "Q720-1.02", "Q720-1.09", "Q720-1.11", "Q720-1.14"}) {
        const Image before = randomImage(version, 11);
        for (std::size_t phase = 0; phase < Stride; ++phase) {
            Image after = before;
            std::vector<std::size_t> flipped;
            for (std::size_t i = phase; i < after.size(); i += Stride) {
                after[i] ^= 0x24;
                flipped.push_back(i);
            }
            std::vector<std::pair<std::size_t, bool>> found;  // where, and whether a text
            for (const FieldChange& change : compareImages(before, after)) {
                found.emplace_back(blockStart(change.block) + change.offset, change.kind == FieldChange::Kind::Text);
            }
            ASSERT_EQ(found.size(), flipped.size()) << version << " phase " << phase;
            std::sort(found.begin(), found.end());
            for (std::size_t k = 0; k < flipped.size(); ++k) {
                const auto [at, isText] = found[k];
                EXPECT_TRUE(at == flipped[k] || (isText && at < flipped[k] && flipped[k] - at < Stride))
                    << version << ": byte " << flipped[k] << " reported at " << at;
            }
        }
    }
}

std::vector<std::uint8_t> roundTrip(const std::vector<std::uint8_t>& image)
{
    // Through the text, as a user's editor and version control would see it.
    const std::string text = mirrorOf(image).dump(2);
    const ImageFromMirror back = imageFromMirror(Json::parse(text));
    EXPECT_TRUE(back.ok) << back.error;
    return back.image;
}

// New and random images of every version, and the bytes a text slot or the magic may hide:
// every one comes back byte for byte.
TEST(JsonMirror, ImagesOfEveryVersionComeBackByteForByte)
{
    for (const char* version : AllVersions) {
        SCOPED_TRACE(version);
        const auto fresh = asVersion(newImage(), version);
        EXPECT_EQ(roundTrip(fresh), fresh);
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            const auto image = randomImage(version, seed);
            EXPECT_EQ(roundTrip(image), image) << "seed " << seed;
        }
    }

    auto image = newImage();
    const std::size_t prompt = FormBlockOffset + offsetof(FormDef, prompt);
    std::memcpy(image.data() + prompt, "Qty\0\x01\x02", 6);
    std::memset(image.data() + FormBlockOffset + offsetof(FormDef, exportName), 'X', 21);
    std::memcpy(image.data() + MenuBlockOffset + offsetof(MenuDef, caption), "Men\xFC \xE9t\xE9", 9);
    image[9] = 0x7F;  // no NUL at all
    const Json mirror = mirrorOf(image);
    const Json& line = mirror["forms"][0]["lines"][0];
    EXPECT_EQ(line["prompt"], "Qty");
    EXPECT_EQ(line["promptTail"], "0102" + std::string(2 * (31 - 6), '0'));
    EXPECT_FALSE(mirror["forms"][0]["lines"][1].contains("promptTail"));
    EXPECT_EQ(mirror["forms"][0]["exportName"], std::string(21, 'X'));
    EXPECT_EQ(mirror["menus"][0]["caption"], "Men\u00FC \u00E9t\u00E9");
    EXPECT_EQ(mirror["version"], "Q720-1.14\x7F");
    EXPECT_EQ(roundTrip(image), image);

    auto old = asVersion(newImage(), "Q720-1.00");
    old[8] = 0;  // "Q720-1.0" and a NUL sorts before "Q720-1.00"
    old[9] = 0x41;
    EXPECT_EQ(mirrorOf(old)["version"], "Q720-1.0");
    EXPECT_EQ(mirrorOf(old)["versionTail"], "41");
    EXPECT_EQ(roundTrip(old), old);
}

TEST(JsonMirror, RejectsBadMirrorsNamingThePlace)
{
    const std::vector<std::pair<std::function<void(Json&)>, std::string>> cases = {
        {[](Json& m) { m["forms"][2]["lines"][0]["colour"] = 1; }, "$.forms[2].lines[0].colour: unknown key"},
        {[](Json& m) { m["menus"][1]["escTarget"] = "menu 2"; }, "$.menus[1].escTarget: expected an integer"},
        {[](Json& m) { m["forms"][0]["lines"][3]["maxLength"] = 300; },
         "$.forms[0].lines[3].maxLength: 300 is not a byte (0..255)"},
        {[](Json& m) { m["forms"][0]["lines"][3]["maxLength"] = -1; },
         "$.forms[0].lines[3].maxLength: -1 is not a byte (0..255)"},
        {[](Json& m) { m["forms"][0]["lines"][3]["maxLength"] = 1.5; },
         "$.forms[0].lines[3].maxLength: expected an integer"},
        {[](Json& m) { m["systemSettings"].erase("password"); }, "$.systemSettings.password: missing"},
        {[](Json& m) { m["forms"][0]["exportName"] = std::string(22, 'A'); },
         "$.forms[0].exportName: is 22 characters long; the slot holds 21"},
        {[](Json& m) {
             m["forms"][0]["exportName"] = std::string(21, 'A');
             m["forms"][0]["exportNameTail"] = "";
         },
         "$.forms[0].exportNameTail: not allowed: the text fills its slot and has no NUL"},
        {[](Json& m) { m["texts"]["3001"] = "\u20AC"; },
         "$.texts.3001: has a character outside Latin-1 (single-byte texts only)"},
        {[](Json& m) { m["texts"]["3001"] = std::string("a\0b", 3); }, "$.texts.3001: contains a NUL character"},
        {[](Json& m) {
             m["textTails"] = Json::object({{"3001", "00"}});
         },
         "$.textTails.3001: expected 0 hex digits, found 2"},
        {[](Json& m) {
             m["version"] = "Q720-1.00";
             m.erase("transactionFile");
         },
         "$.texts.3061: unknown key"},
        {[](Json& m) { m["version"] = "Q720-1.11"; }, "$.transactionFile: unknown key"},
        {[](Json& m) { m["version"] = "Q720-1.15"; },
         "$.version: version Q720-1.15 is newer than this program supports"},
        {[](Json& m) { m["version"] = "Q820-1.14"; }, "$.version: not a Q720 project version"},
        {[](Json& m) { m["forms"].erase(19); }, "$.forms: expected an array of 20 objects"},
        {[](Json& m) {
             std::string reserved(400, '0');
             reserved[5] = 'g';
             m["reservedBlock"] = reserved;
         },
         "$.reservedBlock: not a hex digit at position 5"},
    };
    const Json fresh = mirrorOf(newImage());
    for (const auto& [spoil, error] : cases) {
        Json mirror = fresh;
        spoil(mirror);
        const ImageFromMirror result = imageFromMirror(mirror);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.error, error);
    }
}

// Inputs that once made `import` leave with an exception (found by the cli_import fuzzer), and a
// number beyond a double.
TEST(JsonMirror, KeptFuzzInputsGiveAReasonInsteadOfThrowing)
{
    std::vector<testing_support::KeptInput> inputs = testing_support::keptFuzzInputs("cli_import");
    ASSERT_FALSE(inputs.empty());
    const std::string huge = R"({"version": "Q720-1.14", "forms": [1e400]})";
    inputs.push_back({"huge number", {huge.begin(), huge.end()}});
    for (const testing_support::KeptInput& input : inputs) {
        SCOPED_TRACE(input.name);
        std::string error;
        std::optional<Json> mirror;
        ASSERT_NO_THROW(mirror = parseMirrorText(std::string(input.bytes.begin(), input.bytes.end()), error));
        if (mirror) {
            ImageFromMirror built;
            ASSERT_NO_THROW(built = imageFromMirror(*mirror));
            EXPECT_TRUE(built.ok || !built.error.empty());
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
    std::string error;
    EXPECT_FALSE(parseMirrorText(huge, error).has_value());
    EXPECT_TRUE(error.starts_with("malformed JSON: ")) << error;
}

}  // namespace
}  // namespace cli
