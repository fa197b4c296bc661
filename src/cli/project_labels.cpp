// SPDX-License-Identifier: MIT
#include "cli/project_labels.h"
#include "cli/field_maps.h"

#include <array>

#include "project/file_format.h"

namespace cli {
namespace {

template <std::size_t N>
std::string nameIn(const std::array<const char*, N>& names, project::Byte code)
{
    return code < N ? names[code] : "code " + std::to_string(code);
}

}  // namespace

std::string lineTypeName(project::Byte code)
{
    static constexpr std::array<const char*, 17> names = {
        "nil",       "text",       "integer", "real",      "letter", "auto(+/-)", "boolean", "lookup", "fixed data",
        "prompt",    "counter",    "pass down", "extension", "pause", "alphameric", "image", "MSQI"};
    return nameIn(names, code);
}

std::string recordActionName(project::Byte code)
{
    static constexpr std::array<const char*, 4> names = {"save", "update lookup", "save & update", "pass down"};
    return nameIn(names, code);
}

std::string lookupFieldTypeName(project::Byte code)
{
    static constexpr std::array<const char*, 6> names = {"text", "integer", "real", "letter", "boolean", "image"};
    return nameIn(names, code);
}

std::string readerTypeName(project::Byte code)
{
    static constexpr std::array<const char*, 4> names = {"", "1D Laser / CCD Reader", "1D (Extra) Long Range Reader",
                                                         "2D Reader"};
    const int units = code % 10;
    if (code > 13 || units < 1 || units > 3) {
        return "unknown reader type " + std::to_string(code);
    }
    return std::string(names[static_cast<std::size_t>(units)]) + (code > 10 ? " with RFID reader" : "");
}

std::string targetName(project::Byte code)
{
    if (code == project::TargetMain) {
        return "main";
    }
    if (project::isFormTarget(code)) {
        return "form " + std::to_string(code);
    }
    if (code >= project::FirstMenuTarget && code <= project::LastMenuTarget) {
        return "menu " + std::to_string(code - project::FirstMenuTarget + 1);
    }
    return "code " + std::to_string(code);
}

std::string placeOf(const RecordSpec& spec, std::string_view label, int number, std::size_t offset)
{
    std::string head(label);
    if (number > 0) {
        head += " " + std::to_string(number);
    }
    for (const FieldSpec& column : spec.columns) {
        const std::size_t end = column.offset + column.bytes * static_cast<std::size_t>(spec.slotCount);
        if (offset >= column.offset && offset < end) {
            const std::string slotWord(spec.slotsKey.substr(0, spec.slotsKey.size() - 1));
            const std::size_t slot = (offset - column.offset) / column.bytes;
            return head + " " + slotWord + " " + std::to_string(slot + 1) + " " + std::string(column.name);
        }
    }
    return head + " " + fieldAt(spec, offset);
}

std::string placeInFile(std::size_t fileOffset)
{
    using namespace project;
    struct Block
    {
        std::size_t offset;
        const RecordSpec* spec;
        const char* label;
        int count;
    };
    const Block blocks[] = {
        {MenuBlockOffset, &menuSpec(), "menu", MaxMenus},
        {FormBlockOffset, &formSpec(), "form", MaxForms},
        {LookupBlockOffset, &lookupSpec(), "lookup", MaxLookups},
        {ReaderBlockOffset, &readerSpec(), "reader settings", 1},
        {DeviceBlockOffset, &deviceSpec(), "system settings", 1},
        {TransactionBlockOffset, &transactionSpec(), "transaction file", 1},
    };
    for (const Block& block : blocks) {
        const std::size_t size = block.spec->bytes * static_cast<std::size_t>(block.count);
        if (fileOffset >= block.offset && fileOffset < block.offset + size) {
            const std::size_t inBlock = fileOffset - block.offset;
            const int number = block.count > 1 ? static_cast<int>(inBlock / block.spec->bytes) + 1 : 0;
            return placeOf(*block.spec, block.label, number, inBlock % block.spec->bytes);
        }
    }
    if (fileOffset >= TextBlockOffset && fileOffset < TransactionBlockOffset) {
        const std::size_t inArea = fileOffset - TextBlockOffset;
        for (const auto& table : textTables) {
            const std::size_t start = textTableOffset(table.block);
            if (inArea >= start && inArea < start + textTableBytes(table)) {
                const auto slot = static_cast<int>((inArea - start) / static_cast<std::size_t>(table.width));
                return "text " + std::to_string(table.firstId + slot);
            }
        }
    }
    return fileOffset < MagicBytes ? "version magic" : "reserved block";
}

}  // namespace cli
