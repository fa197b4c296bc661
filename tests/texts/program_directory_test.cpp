// SPDX-License-Identifier: MIT
#include "texts/program_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace texts {
namespace {

TEST(ProgramDirectory, IsTheFolderOfTheRunningExecutableUnlessOverridden)
{
    setProgramDirectoryOverride("/opt/formwright/share");
    EXPECT_EQ(programDirectory(), std::filesystem::path("/opt/formwright/share"));
    setProgramDirectoryOverride({});
    const std::filesystem::path dir = programDirectory();
    EXPECT_TRUE(dir.is_absolute());
#if defined(_WIN32)
    EXPECT_TRUE(std::filesystem::exists(dir / "core_tests.exe"));
#else
    EXPECT_TRUE(std::filesystem::exists(dir / "core_tests"));
#endif
}

}  // namespace
}  // namespace texts
