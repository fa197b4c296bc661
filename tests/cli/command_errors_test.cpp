// SPDX-License-Identifier: MIT
// Exit statuses and the one-line messages of rejected inputs, across the commands.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "cli/commands.h"
#include "cli_fixtures.h"

namespace cli {
namespace {

using testing::newImage;
using testing::Outcome;
using testing::run;

Outcome info(const std::filesystem::path& path)
{
    return run([&](std::ostream& o, std::ostream& e) { return runInfo(path, o, e); });
}

Outcome exportTo(const std::filesystem::path& in, const std::optional<std::filesystem::path>& json)
{
    return run([&](std::ostream& o, std::ostream& e) { return runExport({in, json}, o, e); });
}

Outcome import(const std::filesystem::path& json, const std::filesystem::path& out)
{
    return run([&](std::ostream& o, std::ostream& e) { return runImport(json, out, o, e); });
}

TEST(CommandErrors, UnreadableInputFailsWithOneLineNamingFileAndReason)
{
    struct Case
    {
        const char* name;
        std::function<std::vector<std::uint8_t>()> image;  // no file at all when empty
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"none.Q72", nullptr, "cannot open the file: No such file or directory"},
        {"zip.Q72",
         [] {
             auto image = newImage();
             std::memcpy(image.data(), "ZIP!", 4);
             return image;
         },
         "not a Q720 project file"},
        {"cut.Q72",
         [] {
             auto image = testing::asVersion(newImage(), "Q720-1.02");
             image.resize(60000);
             return image;
         },
         "file is truncated: 60000 of 61229 bytes"},
    };
    const testing::ScratchFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = c.image ? folder.write(c.name, c.image()) : folder.file(c.name);
        const Outcome r = info(path);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, path.string() + ": " + c.reason + "\n");
    }
}

TEST(CommandErrors, ExportOfARejectedFileWritesNothing)
{
    const testing::ScratchFolder folder;
    auto image = newImage();
    image[8] = '9';
    const auto path = folder.write("newer.Q72", image);
    const Outcome r = exportTo(path, folder.file("out.json"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, path.string() + ": version Q720-1.19 is newer than this program supports\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.json")));
}

TEST(CommandErrors, RejectedJsonNamesFileAndPlaceAndWritesNothing)
{
    const testing::ScratchFolder folder;
    const auto malformed = folder.writeText("bad.json", "{\"version\": ");
    Outcome r = import(malformed, folder.file("o.Q72"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err.rfind(malformed.string() + ": malformed JSON: ", 0), 0U) << r.err;

    const auto mistyped = folder.writeText("v.json", "{\"version\": 114}");
    r = import(mistyped, folder.file("o.Q72"));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, mistyped.string() + ": $.version: expected a string\n");
    EXPECT_FALSE(std::filesystem::exists(folder.file("o.Q72")));
}

TEST(CommandErrors, ExportIgnoresBytesBehindTheLayout)
{
    const testing::ScratchFolder folder;
    auto image = testing::asVersion(newImage(), "Q720-1.11");
    const auto clean = image;
    image.insert(image.end(), {1, 2, 3});
    const Outcome exported = exportTo(folder.write("long.Q72", image), std::nullopt);
    ASSERT_EQ(exported.status, 0);
    ASSERT_EQ(import(folder.writeText("m.json", exported.out), folder.file("back.Q72")).status, 0);
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
    for (const char* part : {"version: Q720-1.14\n", "model: Q720CE", "reader: 1D Laser / CCD Reader\n",
                             "start: form 1\n",
                             "  form 2 \"Form  02\": save & update, next form 2\n    lines: 1 text, 2 integer\n",
                             "  menu 1 \"Main\": \"Receive\" -> form 2\n",
                             "  lookup 1 \"1st lookup file\": 1 fields, key field 1\n    fields: \"Item\" text(13)\n"}) {
        EXPECT_NE(r.out.find(part), std::string::npos) << "missing: " << part << "\nin:\n" << r.out;
    }
}

}  // namespace
}  // namespace cli
