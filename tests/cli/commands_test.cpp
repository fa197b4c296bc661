// SPDX-License-Identifier: MIT
// Exit statuses and the one-line messages of rejected inputs, across the commands.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "cli/commands.h"
#include "cli/command_support.h"
#include "cli/diff_command.h"
#include "cli_fixtures.h"

namespace cli {
namespace {

using testing::newImage;
using testing::Outcome;
using testing::run;
namespace fs = std::filesystem;

Outcome info(const fs::path& path)
{
    return run([&](std::ostream& o, std::ostream& e) { return runInfo(path, o, e); });
}

Outcome exportTo(const fs::path& in, const std::optional<fs::path>& json)
{
    return run([&](std::ostream& o, std::ostream& e) { return runExport({in, json}, o, e); });
}

Outcome import(const fs::path& json, const fs::path& out)
{
    return run([&](std::ostream& o, std::ostream& e) { return runImport(json, out, o, e); });
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
    const struct
    {
        const char* command;
        fs::path input;
        std::function<Outcome(const fs::path&)> run;
        std::string reason;  // a whole line, or its start when it ends in ": "
    } cases[] = {
        {"info", folder.file("none.Q72"), info, "cannot open the file: No such file or directory"},
        {"info", folder.write("zip.Q72", zip), info, "not a Q720 project file"},
        {"info", folder.write("cut.Q72", cut), info, "file is truncated: 60000 of 61229 bytes"},
        {"export", folder.write("newer.Q72", newer), [&](const fs::path& in) { return exportTo(in, out); },
         "version Q720-1.19 is newer than this program supports"},
        {"import", folder.write("bad.json", "{\"version\": "), [&](const fs::path& in) { return import(in, out); },
         "malformed JSON: "},
        {"import", folder.write("v.json", "{\"version\": 114}"), [&](const fs::path& in) { return import(in, out); },
         "$.version: expected a string"},
        {"check", folder.write("zip.Q72", zip),
         [](const fs::path& in) { return run([&](std::ostream& o, std::ostream& e) { return runCheck(in, o, e); }); },
         "not a Q720 project file"},
        {"new (language)", folder.file("none.lng"),
         [&](const fs::path& in) {
             return run([&](std::ostream& o, std::ostream& e) { return runNew({out, project::Model::Q720CE, in}, o, e); });
         },
         "cannot open the file: "},
        {"upgrade", folder.write("newer.Q72", newer),
         [&](const fs::path& in) {
             return run([&](std::ostream& o, std::ostream& e) {
                 return runUpgrade({in, out, project::Model::Q720CE, std::nullopt}, o, e);
             });
         },
         "version Q720-1.19 is newer than this program supports"},
        {"diff", folder.write("notes.Q72", "just some text, long enough to have a magic"),
         [&](const fs::path& in) {
             return run([&](std::ostream& o, std::ostream& e) { return runDiff({in, good, false, {}, {}}, o, e); });
         },
         "not a Q720 project file"},
        {"diff (second file)", folder.file("missing.Q72"),
         [&](const fs::path& in) {
             return run([&](std::ostream& o, std::ostream& e) { return runDiff({good, in, false, {}, {}}, o, e); });
         },
         "cannot open the file: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.input.filename().string());
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

TEST(CommandErrors, ExportIgnoresBytesBehindTheLayout)
{
    const testing::ScratchFolder folder;
    auto image = testing::asVersion(newImage(), "Q720-1.11");
    const auto clean = image;
    image.insert(image.end(), {1, 2, 3});
    const Outcome exported = exportTo(folder.write("long.Q72", image), std::nullopt);
    ASSERT_EQ(exported.status, 0);
    ASSERT_EQ(import(folder.write("m.json", exported.out), folder.file("back.Q72")).status, 0);
    EXPECT_EQ(testing::readBytes(folder.file("back.Q72")), clean);
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
