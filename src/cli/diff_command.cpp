// SPDX-License-Identifier: MIT
#include "cli/diff_command.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/project_labels.h"
#include "project/disk_file.h"
#include "project/field_map.h"
#include "project/file_format.h"
#include "project/text_tables.h"

namespace cli {

using project::FieldKind;
using project::FieldSpec;
using project::RecordSpec;
namespace {

using Bytes = std::span<const std::uint8_t>;

// Where a run of bytes sits: its block, the block's first byte in the file, and the prefixes of
// its readable name and of its mirror path.
struct Place
{
    int block;
    std::size_t blockStart;  // file offset of the block
    std::string field;       // "form 3 ", "reader ", "texts "
    std::string path;        // "$.forms[2].", "$.readerSettings."
};

class Comparison
{
public:
    Comparison(Bytes oldImage, Bytes newImage) : m_old(oldImage), m_new(newImage) {}

    // Every byte of the run differing between the images, as an unnamed byte.
    void bytes(const Place& place, std::size_t fileOffset, std::size_t count, std::string_view path)
    {
        for (std::size_t i = fileOffset; i < fileOffset + count; ++i) {
            if (m_old[i] == m_new[i]) {
                continue;
            }
            FieldChange change;
            change.kind = FieldChange::Kind::Byte;
            change.block = place.block;
            change.offset = i - place.blockStart;
            change.field = "block " + std::to_string(place.block) + " offset " + std::to_string(change.offset);
            change.path = std::string(path);
            change.oldNumber = m_old[i];
            change.newNumber = m_new[i];
            m_changes.push_back(std::move(change));
        }
    }

    void number(const Place& place, std::size_t fileOffset, std::string_view name)
    {
        if (m_old[fileOffset] == m_new[fileOffset]) {
            return;
        }
        FieldChange change;
        change.block = place.block;
        change.offset = fileOffset - place.blockStart;
        change.field = place.field + std::string(name);
        change.path = place.path + std::string(name);
        change.oldNumber = m_old[fileOffset];
        change.newNumber = m_new[fileOffset];
        m_changes.push_back(std::move(change));
    }

    // The text up to its NUL; the bytes behind the NUL of both texts as unnamed bytes, since the
    // terminal does not show them.
    // `tailPath` is the mirror key of the bytes behind the NUL: the text's own key and "Tail", or
    // `tailKey` itself when it starts with "$".
    void text(const Place& place, std::size_t fileOffset, std::size_t slotBytes, std::string_view name,
              std::string_view tailKey = {})
    {
        const Bytes oldSlot = m_old.subspan(fileOffset, slotBytes);
        const Bytes newSlot = m_new.subspan(fileOffset, slotBytes);
        const std::size_t oldLength = textLength(oldSlot);
        const std::size_t newLength = textLength(newSlot);
        if (oldLength != newLength ||
            !std::equal(oldSlot.begin(), oldSlot.begin() + static_cast<std::ptrdiff_t>(oldLength), newSlot.begin())) {
            FieldChange change;
            change.kind = FieldChange::Kind::Text;
            change.block = place.block;
            change.offset = fileOffset - place.blockStart;
            change.field = place.field + std::string(name);
            change.path = place.path + std::string(name);
            change.oldText = latin1ToUtf8(oldSlot.first(oldLength));
            change.newText = latin1ToUtf8(newSlot.first(newLength));
            m_changes.push_back(std::move(change));
        }
        const std::size_t tail = std::max(oldLength, newLength) + 1;
        if (tail < slotBytes && !std::equal(oldSlot.begin() + static_cast<std::ptrdiff_t>(tail), oldSlot.end(),
                                            newSlot.begin() + static_cast<std::ptrdiff_t>(tail))) {
            const std::string path =
                tailKey.starts_with("$") ? std::string(tailKey) : place.path + std::string(name) + "Tail";
            bytes(place, fileOffset + tail, slotBytes - tail, path);
        }
    }

    void record(const RecordSpec& spec, const Place& place, std::size_t recordStart)
    {
        if (isSame(recordStart, spec.bytes)) {
            return;
        }
        for (const FieldSpec& field : project::complete(spec).fields) {
            const std::size_t at = recordStart + field.offset;
            switch (field.kind) {
            case FieldKind::Byte:
                number(place, at, field.name);
                break;
            case FieldKind::Text:
                text(place, at, field.bytes, field.name);
                break;
            case FieldKind::Hex:
                hex(spec, field, place, at);
                break;
            }
        }
        const std::string slotWord(spec.slotsKey.substr(0, spec.slotsKey.empty() ? 0 : spec.slotsKey.size() - 1));
        for (int i = 0; i < spec.slotCount; ++i) {
            const Place slot{place.block, place.blockStart, place.field + slotWord + " " + std::to_string(i + 1) + " ",
                             place.path + std::string(spec.slotsKey) + "[" + std::to_string(i) + "]."};
            for (const FieldSpec& column : spec.columns) {
                const std::size_t at = recordStart + column.offset + static_cast<std::size_t>(i) * column.bytes;
                if (column.kind == FieldKind::Text) {
                    text(slot, at, column.bytes, column.name);
                } else {
                    number(slot, at, column.name);
                }
            }
        }
    }

    [[nodiscard]] bool isSameRun(std::size_t fileOffset, std::size_t count) const { return isSame(fileOffset, count); }

    [[nodiscard]] std::vector<FieldChange> take() { return std::move(m_changes); }

private:
    [[nodiscard]] bool isSame(std::size_t fileOffset, std::size_t count) const
    {
        return std::memcmp(m_old.data() + fileOffset, m_new.data() + fileOffset, count) == 0;
    }

    static std::size_t textLength(Bytes slot)
    {
        return static_cast<std::size_t>(std::find(slot.begin(), slot.end(), std::uint8_t{0}) - slot.begin());
    }

    // A named run of raw bytes (the code IDs) byte by byte under its name; the bytes the
    // editor gives no name by block and offset.
    void hex(const RecordSpec& spec, const FieldSpec& field, const Place& place, std::size_t at)
    {
        const bool isNamed = std::any_of(spec.fields.begin(), spec.fields.end(),
                                         [&](const FieldSpec& f) { return f.offset == field.offset; });
        if (!isNamed) {
            if (!isSame(at, field.bytes)) {
                bytes(place, at, field.bytes, place.path + std::string(field.name));
            }
            return;
        }
        for (std::size_t i = 0; i < field.bytes; ++i) {
            const std::string name = std::string(field.name) + "[" + std::to_string(i) + "]";
            if (m_old[at + i] != m_new[at + i]) {
                number(place, at + i, name);
                m_changes.back().path = place.path + std::string(field.name);
            }
        }
    }

    Bytes m_old;
    Bytes m_new;
    std::vector<FieldChange> m_changes;
};

void compareRecords(Comparison& comparison, const RecordSpec& spec, int block, std::size_t blockStart, int count,
                    const char* label, const char* key)
{
    for (int i = 0; i < count; ++i) {
        const Place place{block, blockStart, std::string(label) + " " + std::to_string(i + 1) + " ",
                          std::string("$.") + key + "[" + std::to_string(i) + "]."};
        comparison.record(spec, place, blockStart + static_cast<std::size_t>(i) * spec.bytes);
    }
}

// The name of a list entry, for the lists whose number alone says little.
std::string entryName(const FieldChange& change, int value)
{
    const auto code = static_cast<project::Byte>(value);
    const auto endsWith = [&](std::string_view suffix) { return change.field.ends_with(suffix); };
    if (endsWith(" lineType")) {
        return lineTypeName(code);
    }
    if (endsWith(" recordAction")) {
        return recordActionName(code);
    }
    if (change.field.starts_with("lookup ") && endsWith(" type")) {
        return lookupFieldTypeName(code);
    }
    if (endsWith(" readerType")) {
        return readerTypeName(code);
    }
    if (endsWith(" escTarget") || endsWith(" nextTarget") || (change.field.starts_with("menu ") && endsWith(" next"))) {
        return targetName(code);
    }
    return {};
}

std::string quoted(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 32 || u == 127) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", u);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string hexByte(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", value);
    return text;
}

std::string numberWithName(const FieldChange& change, int value)
{
    const std::string name = entryName(change, value);
    return name.empty() ? std::to_string(value) : std::to_string(value) + " (" + name + ")";
}

project::FileMagic magicOf(Bytes image)
{
    project::FileMagic magic;
    std::memcpy(magic.chars.data(), image.data(), magic.chars.size());
    return magic;
}

// The model a file of the current version was saved for, to upgrade the other file alike.
std::optional<project::Model> stampedModel(Bytes image)
{
    if (!magicOf(image).isAtLeast(project::Version::Current)) {
        return std::nullopt;
    }
    const std::uint8_t stamp = image[project::DeviceBlockOffset + offsetof(project::DeviceSettings, modelStamp)];
    if (stamp > 1) {
        return std::nullopt;
    }
    return stamp == 1 ? project::Model::Q720PPC : project::Model::Q720CE;
}

}  // namespace

std::vector<FieldChange> compareImages(Bytes oldImage, Bytes newImage)
{
    using namespace project;
    const FileMagic magic = magicOf(oldImage);
    Comparison comparison(oldImage, newImage);
    comparison.text({0, 0, "", "$."}, 0, MagicBytes, "version");
    compareRecords(comparison, menuSpec(), 1, MenuBlockOffset, MaxMenus, "menu", "menus");
    compareRecords(comparison, formSpec(), 2, FormBlockOffset, MaxForms, "form", "forms");
    compareRecords(comparison, lookupSpec(), 3, LookupBlockOffset, MaxLookups, "lookup", "lookups");
    comparison.record(readerSpec(), {4, ReaderBlockOffset, "reader ", "$.readerSettings."}, ReaderBlockOffset);
    comparison.record(deviceSpec(), {5, DeviceBlockOffset, "system settings ", "$.systemSettings."}, DeviceBlockOffset);
    comparison.bytes({6, ReservedBlockOffset, "", ""}, ReservedBlockOffset, ReservedBlockBytes, "$.reservedBlock");
    const std::size_t textBytes = textBytesForVersion(magic);
    for (const TextTableSpec& table : textTables) {
        const std::size_t start = TextBlockOffset + textTableOffset(table.block);
        if (textTableOffset(table.block) + textTableBytes(table) > textBytes) {
            continue;
        }
        const Place place{table.block, start, "texts ", "$.texts."};
        if (comparison.isSameRun(start, textTableBytes(table))) {
            continue;
        }
        for (int i = 0; i < table.count; ++i) {
            const std::string id = std::to_string(table.firstId + i);
            comparison.text(place, start + static_cast<std::size_t>(i * table.width),
                            static_cast<std::size_t>(table.width), id, "$.textTails." + id);
        }
    }
    if (magic.isAtLeast(Version::V1_14)) {
        comparison.record(transactionSpec(), {61, TransactionBlockOffset, "transaction file ", "$.transactionFile."},
                          TransactionBlockOffset);
    }
    return comparison.take();
}

std::string describe(const FieldChange& change)
{
    switch (change.kind) {
    case FieldChange::Kind::Number:
        return change.field + ": " + numberWithName(change, change.oldNumber) + " -> " +
               numberWithName(change, change.newNumber);
    case FieldChange::Kind::Text:
        return change.field + ": " + quoted(change.oldText) + " -> " + quoted(change.newText);
    case FieldChange::Kind::Byte:
        return change.field + ": " + hexByte(change.oldNumber) + " -> " + hexByte(change.newNumber);
    }
    return change.field;
}

Json toJson(const FieldChange& change)
{
    Json out = Json::object();
    out["field"] = change.field;
    out["path"] = change.path;
    out["block"] = change.block;
    out["offset"] = change.offset;
    if (change.kind == FieldChange::Kind::Text) {
        out["old"] = change.oldText;
        out["new"] = change.newText;
    } else {
        out["old"] = change.oldNumber;
        out["new"] = change.newNumber;
    }
    return out;
}

int runDiff(const DiffOptions& options, std::ostream& out, std::ostream& err)
{
    InputImage inputs[] = {readProjectImage(options.oldFile), readProjectImage(options.newFile)};
    const std::filesystem::path* paths[] = {&options.oldFile, &options.newFile};
    for (int i = 0; i < 2; ++i) {
        if (!inputs[i].ok) {
            reportError(err, *paths[i], inputs[i].error);
            return ExitFailure;
        }
        // Bytes behind the version's layout are not part of the project.
        inputs[i].bytes.resize(inputs[i].layoutBytes);
    }
    const project::FileMagic magics[] = {magicOf(inputs[0].bytes), magicOf(inputs[1].bytes)};

    // Files of different versions: each older one as the designer's Open and Save leave it.
    std::string header;
    if (!(magics[0] == magics[1])) {
        const TextSourceResult texts = makeTextSource(options.language);
        if (!texts.source) {
            reportError(err, *options.language, texts.error);
            return ExitFailure;
        }
        const project::Model model =
            options.model.has_value() ? *options.model
                                      : stampedModel(inputs[0].bytes)
                                            .value_or(stampedModel(inputs[1].bytes).value_or(project::Model::Q720CE));
        for (int i = 0; i < 2; ++i) {
            if (magics[i].isAtLeast(project::Version::Current)) {
                continue;
            }
            UpgradedImage upgraded = upgradeImage(inputs[i].bytes, *texts.source, model);
            if (!upgraded.load.ok) {
                reportError(err, *paths[i], project::describe(upgraded.load.failure));
                return ExitFailure;
            }
            inputs[i].bytes = std::move(upgraded.image);
            header += (header.empty() ? "" : "; ") + project::utf8Of(*paths[i]) + " is version " + magics[i].printable() +
                      ": compared as the designer upgrades it to " + project::Version::Current.printable() +
                      " (model " + modelName(model) + ")";
        }
    }
    std::vector<FieldChange> changes = compareImages(inputs[0].bytes, inputs[1].bytes);
    if (!(magics[0] == magics[1])) {
        // The upgrade makes both magics current; the versions the files carry are what differs.
        FieldChange version;
        version.kind = FieldChange::Kind::Text;
        version.field = "version";
        version.path = "$.version";
        version.oldText = magics[0].printable();
        version.newText = magics[1].printable();
        changes.insert(changes.begin(), std::move(version));
    }

    if (options.json) {
        Json array = Json::array();
        for (const FieldChange& change : changes) {
            array.push_back(toJson(change));
        }
        if (!header.empty()) {
            array.front()["note"] = header;
        }
        out << array.dump(2) << '\n';
    } else {
        if (!header.empty()) {
            out << header << '\n';
        }
        for (const FieldChange& change : changes) {
            out << describe(change) << '\n';
        }
    }
    return changes.empty() ? ExitSuccess : ExitFindings;
}

}  // namespace cli
