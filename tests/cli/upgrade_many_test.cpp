// SPDX-License-Identifier: MIT
// upgrade --in-place / --output-dir and check over many files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "cli/commands.h"
#include "cli_fixtures.h"
#include "project/defaults.h"
#include "project/document_io.h"

namespace cli {
namespace {

namespace fs = std::filesystem;
using testing::Outcome;
using testing::upgrade;

// Open after a reset, then Save, written out with the core's own calls.
std::vector<std::uint8_t> designerOpenAndSave(const std::vector<std::uint8_t>& file, project::Model model)
{
    const texts::BuiltinTextSource texts;
    auto p = project::startedProject(texts, model);
    const project::LoadResult loaded = project::loadProject(file, *p, {texts, model});
    EXPECT_TRUE(loaded.ok);
    return project::saveProject(*p, loaded.adoptedModel.value_or(model));
}

// One folder of inputs: a file of every version (any content) and the bad ones.
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
        for (std::size_t i = 0; i < testing::AllVersions.size(); ++i) {
            const char* version = testing::AllVersions[i];
            const auto image = testing::randomImage(version, static_cast<std::uint32_t>(i));
            m_good.push_back(m_folder.write("in/" + std::string(version) + ".Q72", image));
            m_expected.push_back(designerOpenAndSave(image, project::Model::Q720PPC));
        }
        auto rejected = testing::newImage();
        std::memcpy(rejected.data(), "Q721", 4);
        m_rejected = m_folder.write("in/rejected.Q72", rejected);
        auto truncated = testing::newImage();
        truncated.resize(60000);
        m_truncated = m_folder.write("in/truncated.Q72", truncated);
    }

    Outcome upgradeMany(const std::vector<fs::path>& inputs, bool isInPlace) const
    {
        UpgradeManyOptions options;
        options.inputs = inputs;
        if (!isInPlace) {
            options.outputFolder = m_folder.file("out");
        }
        options.model = project::Model::Q720PPC;
        return testing::run([&](auto& o, auto& e) { return runUpgradeMany(options, o, e); });
    }

    testing::ScratchFolder m_folder;
    std::vector<fs::path> m_good;
    std::vector<std::vector<std::uint8_t>> m_expected;
    fs::path m_rejected;
    fs::path m_truncated;
};

TEST_F(UpgradeMany, GoodFilesAreUpgradedAsAloneAndBadOnesAreNamedAndLeftAlone)
{
    for (const bool isInPlace : {true, false}) {
        SCOPED_TRACE(isInPlace ? "in place" : "output folder");
        makeFiles();
        std::vector<fs::path> inputs = m_good;
        inputs.insert(inputs.begin() + 2, m_rejected);
        inputs.insert(inputs.begin() + 5, m_truncated);
        // Unwritable: the output's name is taken by a folder (in place, an input always has a file).
        fs::path unwritable;
        if (!isInPlace) {
            unwritable = m_folder.write("in/unwritable.Q72", testing::newImage());
            fs::create_directories(m_folder.file("out/unwritable.Q72/keep"));
            inputs.push_back(unwritable);
        }
        const auto rejectedBytes = testing::readBytes(m_rejected);
        const auto truncatedBytes = testing::readBytes(m_truncated);

        const Outcome r = upgradeMany(inputs, isInPlace);

        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(m_rejected.string() + ": not a Q720 project file\n"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(m_truncated.string() + ": file is truncated: 60000 of 67205 bytes\n"), std::string::npos)
            << r.err;
        EXPECT_EQ(testing::readBytes(m_rejected), rejectedBytes);
        EXPECT_EQ(testing::readBytes(m_truncated), truncatedBytes);
        if (!isInPlace) {
            EXPECT_NE(r.err.find((m_folder.file("out") / "unwritable.Q72").string() + ": cannot write the file: "),
                      std::string::npos)
                << r.err;
            EXPECT_TRUE(fs::is_directory(m_folder.file("out/unwritable.Q72/keep")));
            EXPECT_FALSE(fs::exists(m_folder.file("out/rejected.Q72")));
            EXPECT_FALSE(fs::exists(m_folder.file("out/truncated.Q72")));
        }
        for (std::size_t i = 0; i < m_good.size(); ++i) {
            const fs::path written = isInPlace ? m_good[i] : m_folder.file("out") / m_good[i].filename();
            EXPECT_EQ(testing::readBytes(written), m_expected[i]) << written;
        }
        const auto lines = std::count(r.err.begin(), r.err.end(), '\n');
        EXPECT_EQ(lines, isInPlace ? 2 : 3) << r.err;
        for (const auto& entry : fs::directory_iterator(m_folder.file(isInPlace ? "in" : "out"))) {
            EXPECT_NE(entry.path().filename().string().front(), '.') << "temporary file left: " << entry.path();
        }
    }
}

TEST_F(UpgradeMany, DuplicateInputOrOutputIsRefusedBeforeAnythingIsWritten)
{
    fs::create_directories(m_folder.file("other"));
    const fs::path sameName = m_folder.write("other/" + m_good[0].filename().string(), testing::newImage());
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
            before.push_back(testing::readBytes(input));
        }
        const Outcome r = upgradeMany(c.inputs, c.isInPlace);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.inputs.back().string()), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.reason), std::string::npos) << r.err;
        for (std::size_t i = 0; i < c.inputs.size(); ++i) {
            EXPECT_EQ(testing::readBytes(c.inputs[i]), before[i]) << c.inputs[i];
        }
        EXPECT_TRUE(fs::is_empty(m_folder.file("out")));
    }
}

// A finding in one file gives 1 and a file that fails gives 2; each finding names its file.
TEST(CheckMany, WorstFileSetsTheStatusAndFindingsNameTheirFile)
{
    const testing::ScratchFolder folder;
    auto broken = testing::newImage();
    broken[project::FormBlockOffset + 2 * sizeof(project::FormDef) + offsetof(project::FormDef, nextTarget)] = 31;
    const fs::path clean = folder.write("clean.Q72", testing::newImage());
    const fs::path finding = folder.write("finding.Q72", broken);
    const fs::path missing = folder.file("missing.Q72");
    for (const int status : {1, 2}) {
        const std::vector<fs::path> inputs = {clean, finding, status == 2 ? missing : clean};
        const Outcome r = testing::run([&](auto& o, auto& e) { return runCheck(std::span(inputs), o, e); });
        EXPECT_EQ(r.status, status) << r.out << r.err;
        EXPECT_EQ(r.out.rfind(finding.string() + ": form 3 nextTarget (block 2 offset 3953): ", 0), 0u) << r.out;
        EXPECT_EQ(r.err.rfind(missing.string() + ": cannot open the file", 0), status == 2 ? 0u : std::string::npos);
    }
}

// Any content of every version, to another file and in place.
TEST(UpgradeCommand, EveryVersionBecomesTheDesignersSave)
{
    const testing::ScratchFolder folder;
    for (const char* version : testing::AllVersions) {
        SCOPED_TRACE(version);
        const auto old = testing::randomImage(version, 7);
        const auto in = folder.write("in.Q72", old);
        ASSERT_EQ(upgrade(in, folder.file("out.Q72"), project::Model::Q720CE).status, 0);
        EXPECT_EQ(testing::readBytes(folder.file("out.Q72")), designerOpenAndSave(old, project::Model::Q720CE));
        ASSERT_EQ(upgrade(in, in, project::Model::Q720PPC).status, 0);
        EXPECT_EQ(testing::readBytes(in), designerOpenAndSave(old, project::Model::Q720PPC));
    }
}

}  // namespace
}  // namespace cli
