// SPDX-License-Identifier: MIT
#include "project/file_format.h"

#include <cstring>

namespace project {

// Where the terminal finds each block.
static_assert(MenuBlockOffset == 10);
static_assert(FormBlockOffset == 7180);
static_assert(LookupBlockOffset == 46700);
static_assert(ReaderBlockOffset == 50815);
static_assert(DeviceBlockOffset == 51216);
static_assert(ReservedBlockOffset == 51939);
static_assert(TextBlockOffset == 52139);
static_assert(TransactionBlockOffset == 67160);
static_assert(CurrentFileBytes == 67205);

std::size_t textBytesForVersion(const FileMagic& magic)
{
    if (magic.isAtLeast(Version::V1_11)) {
        return TextAreaBytes;
    }
    if (magic.isAtLeast(Version::V1_09)) {
        return textTableOffset(47);
    }
    if (magic.isAtLeast(Version::V1_02)) {
        return textTableOffset(45);
    }
    if (magic.isAtLeast(Version::V1_01)) {
        return textTableOffset(44);
    }
    return textTableOffset(43);
}

std::size_t fileSizeForVersion(const FileMagic& magic)
{
    const std::size_t size = TextBlockOffset + textBytesForVersion(magic);
    return magic.isAtLeast(Version::V1_14) ? size + sizeof(TransactionFileSettings) : size;
}

std::string describe(const ReadFailure& failure)
{
    switch (failure.error) {
    case ReadError::CannotOpen:
        return failure.detail.empty() ? "cannot open the file" : "cannot open the file: " + failure.detail;
    case ReadError::NotAProject:
        return "not a Q720 project file";
    case ReadError::TooNew:
        return "version " + failure.magic.printable() + " is newer than this program supports";
    case ReadError::Truncated:
        return "file is truncated: " + std::to_string(failure.haveBytes) + " of " + std::to_string(failure.needBytes) +
               " bytes";
    }
    return "unknown error";
}

namespace {

template <typename Block>
void copyIn(Block& block, std::span<const std::uint8_t> file, std::size_t offset, std::size_t size = sizeof(Block))
{
    std::memcpy(&block, file.data() + offset, size);
}

template <typename Block>
void copyOut(std::vector<std::uint8_t>& out, std::size_t offset, const Block& block, std::size_t size = sizeof(Block))
{
    std::memcpy(out.data() + offset, &block, size);
}

}  // namespace

ParseResult parseProjectImage(std::span<const std::uint8_t> file, Project& project)
{
    ParseResult result;
    if (file.size() < MagicBytes) {
        result.failure.error = file.size() >= 4 && std::memcmp(file.data(), "Q720", 4) == 0 ? ReadError::Truncated
                                                                                            : ReadError::NotAProject;
        result.failure.haveBytes = file.size();
        result.failure.needBytes = MagicBytes;
        return result;
    }
    std::memcpy(result.magic.chars.data(), file.data(), result.magic.chars.size());
    result.failure.magic = result.magic;
    if (!result.magic.hasModelPrefix()) {
        result.failure.error = ReadError::NotAProject;
        return result;
    }
    if (result.magic.compare(Version::Current) > 0) {
        result.failure.error = ReadError::TooNew;
        return result;
    }
    const std::size_t need = fileSizeForVersion(result.magic);
    if (file.size() < need) {
        result.failure.error = ReadError::Truncated;
        result.failure.haveBytes = file.size();
        result.failure.needBytes = need;
        return result;
    }

    copyIn(project.menus, file, MenuBlockOffset);
    copyIn(project.forms, file, FormBlockOffset);
    copyIn(project.lookups, file, LookupBlockOffset);
    copyIn(project.reader, file, ReaderBlockOffset);
    copyIn(project.device, file, DeviceBlockOffset);
    copyIn(project.texts, file, TextBlockOffset, textBytesForVersion(result.magic));
    if (result.magic.isAtLeast(Version::V1_14)) {
        copyIn(project.transaction, file, TransactionBlockOffset);
    }
    result.ok = true;
    return result;
}

std::vector<std::uint8_t> serialiseProject(const Project& project)
{
    std::vector<std::uint8_t> out;
    serialiseProject(project, out);
    return out;
}

void serialiseProject(const Project& project, std::vector<std::uint8_t>& out)
{
    // Appended block by block: each byte is written once, with no zero fill before the copy.
    out.clear();
    out.reserve(CurrentFileBytes);
    auto append = [&out](const auto& block) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(&block);
        out.insert(out.end(), bytes, bytes + sizeof(block));
    };
    append(Version::Current.chars);
    out.push_back(0);  // the magic's NUL
    append(project.menus);
    append(project.forms);
    append(project.lookups);
    append(project.reader);
    append(project.device);
    out.insert(out.end(), ReservedBlockBytes, 0);
    append(project.texts);
    append(project.transaction);
}

}  // namespace project
