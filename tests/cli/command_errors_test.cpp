// SPDX-License-Identifier: MIT
// Exit statuses and the one-line messages of rejected inputs, across the commands.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "cli/commands.h"
#include "cli_fixtures.h"

namespace cli {
namespace {

std::vector<std::uint8_t> newImage()
{
    const texts::BuiltinTextSource texts;
    return newProjectImage(texts, project::Model::Q720CE);
}

struct Outcome
{
    int status;
    std::string out;
    std::string err;
};

template <typename Command>
Outcome run(Command command)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = command(out, err);
    return {status, out.str(), err.str()};
}

Outcome info(const std::filesystem::path& path)
{
    return run([&](std::ostream& o, std::ostream& e) { return runInfo(path, o, e); });
}

TEST(CommandErrors, MissingFile)
{
    const testing::ScratchFolder folder;
    const Outcome r = info(folder.file("none.Q72"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, folder.file("none.Q72").string() + ": cannot open the file: No such file or directory\n");
}

TEST(CommandErrors, WrongMagic)
{
    const testing::ScratchFolder folder;
    auto image = newImage();
    std::memcpy(image.data(), "ZIP!", 4);
    const auto path = folder.write("zip.Q72", image);
    const Outcome r = info(path);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, path.string() + ": not a Q720 project file\n");
}

TEST(CommandErrors, TruncatedFile)
{
    const testing::ScratchFolder folder;
    auto image = testing::asVersion(newImage(), "Q720-1.02");
    image.resize(60000);
    const auto path = folder.write("cut.Q72", image);
    const Outcome r = info(path);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, path.string() + ": file is truncated: 60000 of 61229 bytes\n");
}

TEST(CommandErrors, ExportOfARejectedFileWritesNothing)
{
    const testing::ScratchFolder folder;
    auto image = newImage();
    image[8] = '9';
    const auto path = folder.write("newer.Q72", image);
    const Outcome r = run([&](std::ostream& o, std::ostream& e) {
        return runExport({path, folder.file("out.json")}, o, e);
    });
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, path.string() + ": version Q720-1.19 is newer than this program supports\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.json")));
}

TEST(CommandErrors, MalformedJson)
{
    const testing::ScratchFolder folder;
    const auto json = folder.writeText("bad.json", "{\"version\": ");
    const Outcome r = run([&](std::ostream& o, std::ostream& e) { return runImport(json, folder.file("o.Q72"), o, e); });
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind(json.string() + ": malformed JSON: ", 0), 0u) << r.err;
    EXPECT_FALSE(std::filesystem::exists(folder.file("o.Q72")));
}

TEST(CommandErrors, ImportNamesTheJsonPath)
{
    const testing::ScratchFolder folder;
    const auto json = folder.writeText("v.json", "{\"version\": 114}");
    const Outcome r = run([&](std::ostream& o, std::ostream& e) { return runImport(json, folder.file("o.Q72"), o, e); });
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, json.string() + ": $.version: expected a string\n");
}

TEST(CommandErrors, ExportThenImportGivesTheFileBackThroughTheDisk)
{
    const testing::ScratchFolder folder;
    for (const char* version : testing::AllVersions) {
        auto image = testing::randomImage(version, 11);
        const auto in = folder.write("in.Q72", image);
        image.resize(project::fileSizeForVersion(project::FileMagic::of(version)));
        const Outcome exported = run([&](std::ostream& o, std::ostream& e) {
            return runExport({in, folder.file("m.json")}, o, e);
        });
        ASSERT_EQ(exported.status, 0) << exported.err;
        const Outcome imported = run([&](std::ostream& o, std::ostream& e) {
            return runImport(folder.file("m.json"), folder.file("back.Q72"), o, e);
        });
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(testing::readAll(folder.file("back.Q72")), image) << version;
    }
}

TEST(CommandErrors, ExportIgnoresBytesBehindTheLayout)
{
    const testing::ScratchFolder folder;
    auto image = testing::asVersion(newImage(), "Q720-1.11");
    const auto clean = image;
    image.insert(image.end(), {1, 2, 3});
    const auto in = folder.write("long.Q72", image);
    const Outcome exported = run([&](std::ostream& o, std::ostream& e) { return runExport({in, std::nullopt}, o, e); });
    ASSERT_EQ(exported.status, 0);
    const auto json = folder.writeText("m.json", exported.out);
    const Outcome imported = run([&](std::ostream& o, std::ostream& e) {
        return runImport(json, folder.file("back.Q72"), o, e);
    });
    ASSERT_EQ(imported.status, 0);
    EXPECT_EQ(testing::readAll(folder.file("back.Q72")), clean);
}

TEST(InfoCommand, SummarisesFormsMenusAndLookups)
{
    const testing::ScratchFolder folder;
    auto image = newImage();
    const std::size_t form2 = project::FormBlockOffset + sizeof(project::FormDef);
    image[form2 + offsetof(project::FormDef, lineType)] = 1;
    image[form2 + offsetof(project::FormDef, lineType) + 1] = 2;
    image[form2 + offsetof(project::FormDef, recordAction)] = 2;
    const std::size_t menu = project::MenuBlockOffset;
    std::memcpy(image.data() + menu + offsetof(project::MenuDef, caption), "Main", 5);
    std::memcpy(image.data() + menu + offsetof(project::MenuDef, itemName), "Receive", 8);
    image[menu + offsetof(project::MenuDef, itemNext)] = 2;
    const std::size_t lookup = project::LookupBlockOffset;
    image[lookup + offsetof(project::LookupDef, numFields)] = 1;
    std::memcpy(image.data() + lookup + offsetof(project::LookupDef, fieldName), "Item", 5);
    image[lookup + offsetof(project::LookupDef, fieldLength)] = 13;
    const Outcome r = info(folder.write("i.Q72", image));
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("version: Q720-1.14\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("model: Q720CE"), std::string::npos);
    EXPECT_NE(r.out.find("reader: 1D Laser / CCD Reader\n"), std::string::npos);
    EXPECT_NE(r.out.find("start: form 1\n"), std::string::npos);
    EXPECT_NE(r.out.find("  form 2 \"Form  02\": save & update, next form 2\n    lines: 1 text, 2 integer\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("  menu 1 \"Main\": \"Receive\" -> form 2\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  lookup 1 \"1st lookup file\": 1 fields, key field 1\n    fields: \"Item\" text(13)\n"),
              std::string::npos)
        << r.out;
}

}  // namespace
}  // namespace cli
