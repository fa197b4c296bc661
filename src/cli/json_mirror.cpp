// SPDX-License-Identifier: MIT
#include "cli/json_mirror.h"

#include <algorithm>
#include <cstring>
#include <set>
#include <stdexcept>

#include "cli/field_maps.h"
#include "project/file_format.h"

namespace cli {
namespace {

using Bytes = std::span<const std::uint8_t>;

constexpr const char* TailSuffix = "Tail";

std::string toHex(Bytes bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const std::uint8_t b : bytes) {
        out.push_back(digits[b >> 4]);
        out.push_back(digits[b & 15]);
    }
    return out;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A rejected mirror; caught at the boundary of imageFromMirror and turned into its message.
struct MirrorError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

[[noreturn]] void reject(const std::string& path, const std::string& why) { throw MirrorError(path + ": " + why); }

// ---- export ------------------------------------------------------------------------------

void exportText(Json& out, std::string_view name, Bytes slot)
{
    const auto nul = std::find(slot.begin(), slot.end(), std::uint8_t{0});
    const auto length = static_cast<std::size_t>(nul - slot.begin());
    out[std::string(name)] = latin1ToUtf8(slot.first(length));
    if (length < slot.size()) {
        const Bytes tail = slot.subspan(length + 1);
        if (std::any_of(tail.begin(), tail.end(), [](std::uint8_t b) { return b != 0; })) {
            out[std::string(name) + TailSuffix] = toHex(tail);
        }
    }
}

void exportField(Json& out, const FieldSpec& field, Bytes bytes)
{
    const Bytes own = bytes.subspan(field.offset, field.bytes);
    switch (field.kind) {
    case FieldKind::Byte:
        out[std::string(field.name)] = own[0];
        break;
    case FieldKind::Text:
        exportText(out, field.name, own);
        break;
    case FieldKind::Hex:
        out[std::string(field.name)] = toHex(own);
        break;
    }
}

Json exportRecord(const RecordSpec& spec, Bytes record)
{
    Json out = Json::object();
    for (const FieldSpec& field : complete(spec).fields) {
        exportField(out, field, record);
    }
    if (spec.slotCount > 0) {
        Json slots = Json::array();
        for (int i = 0; i < spec.slotCount; ++i) {
            Json slot = Json::object();
            for (const FieldSpec& column : spec.columns) {
                FieldSpec one = column;
                one.offset = column.offset + static_cast<std::size_t>(i) * column.bytes;
                exportField(slot, one, record);
            }
            slots.push_back(std::move(slot));
        }
        out[std::string(spec.slotsKey)] = std::move(slots);
    }
    return out;
}

Json exportRecords(const RecordSpec& spec, Bytes block, int count)
{
    Json out = Json::array();
    for (int i = 0; i < count; ++i) {
        out.push_back(exportRecord(spec, block.subspan(static_cast<std::size_t>(i) * spec.bytes, spec.bytes)));
    }
    return out;
}

// ---- import ------------------------------------------------------------------------------

using MutableBytes = std::span<std::uint8_t>;

const Json& member(const Json& object, const std::string& key, const std::string& path)
{
    const auto it = object.find(key);
    if (it == object.end()) {
        reject(path + "." + key, "missing");
    }
    return *it;
}

void requireObject(const Json& value, const std::string& path)
{
    if (!value.is_object()) {
        reject(path, "expected an object");
    }
}

void requireOnlyKeys(const Json& object, const std::set<std::string>& allowed, const std::string& path)
{
    for (const auto& [key, value] : object.items()) {
        if (!allowed.contains(key)) {
            reject(path + "." + key, "unknown key");
        }
    }
}

void readHex(const Json& value, MutableBytes out, const std::string& path)
{
    if (!value.is_string()) {
        reject(path, "expected a string of hex digits");
    }
    const auto& text = value.get_ref<const std::string&>();
    if (text.size() != out.size() * 2) {
        reject(path, "expected " + std::to_string(out.size() * 2) + " hex digits, found " +
                         std::to_string(text.size()));
    }
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int high = hexDigit(text[2 * i]);
        const int low = hexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) {
            reject(path, "not a hex digit at position " + std::to_string(2 * i + (high < 0 ? 0 : 1)));
        }
        out[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
}

void readByte(const Json& value, std::uint8_t& out, const std::string& path)
{
    if (!value.is_number_integer()) {
        reject(path, "expected an integer");
    }
    if (value.is_number_unsigned() ? value.get<std::uint64_t>() > 255 : value.get<std::int64_t>() < 0 ||
                                                                           value.get<std::int64_t>() > 255) {
        reject(path, value.dump() + " is not a byte (0..255)");
    }
    out = static_cast<std::uint8_t>(value.get<std::int64_t>());
}

// Reads a text and its optional tail (the bytes behind the NUL) into a slot.
void readTextValue(const Json& value, const Json* tail, MutableBytes slot, const std::string& textPath,
                   const std::string& tailPath)
{
    if (!value.is_string()) {
        reject(textPath, "expected a string");
    }
    std::vector<std::uint8_t> text;
    if (!utf8ToLatin1(value.get_ref<const std::string&>(), text)) {
        reject(textPath, "has a character outside Latin-1 (single-byte texts only)");
    }
    if (std::find(text.begin(), text.end(), std::uint8_t{0}) != text.end()) {
        reject(textPath, "contains a NUL character");
    }
    if (text.size() > slot.size()) {
        reject(textPath, "is " + std::to_string(text.size()) + " characters long; the slot holds " +
                             std::to_string(slot.size()));
    }
    std::fill(slot.begin(), slot.end(), std::uint8_t{0});
    std::copy(text.begin(), text.end(), slot.begin());
    if (tail == nullptr) {
        return;
    }
    if (text.size() == slot.size()) {
        reject(tailPath, "not allowed: the text fills its slot and has no NUL");
    }
    readHex(*tail, slot.subspan(text.size() + 1), tailPath);
}

// Reads `name` and the optional `nameTail` of `object` into a text slot.
void readText(const Json& object, const std::string& name, MutableBytes slot, const std::string& path)
{
    const std::string tailName = name + TailSuffix;
    const auto tail = object.find(tailName);
    readTextValue(member(object, name, path), tail == object.end() ? nullptr : &*tail, slot, path + "." + name,
                  path + "." + tailName);
}

void addAllowedKeys(std::set<std::string>& allowed, const FieldSpec& field)
{
    allowed.insert(std::string(field.name));
    if (field.kind == FieldKind::Text) {
        allowed.insert(std::string(field.name) + TailSuffix);
    }
}

void importField(const Json& object, const FieldSpec& field, MutableBytes record, const std::string& path)
{
    const MutableBytes own = record.subspan(field.offset, field.bytes);
    const std::string name(field.name);
    switch (field.kind) {
    case FieldKind::Byte:
        readByte(member(object, name, path), own[0], path + "." + name);
        break;
    case FieldKind::Text:
        readText(object, name, own, path);
        break;
    case FieldKind::Hex:
        readHex(member(object, name, path), own, path + "." + name);
        break;
    }
}

void importRecord(const RecordSpec& spec, const Json& object, MutableBytes record, const std::string& path)
{
    requireObject(object, path);
    std::set<std::string> allowed;
    for (const FieldSpec& field : complete(spec).fields) {
        addAllowedKeys(allowed, field);
        importField(object, field, record, path);
    }
    if (spec.slotCount > 0) {
        const std::string key(spec.slotsKey);
        allowed.insert(key);
        const Json& slots = member(object, key, path);
        const std::string slotsPath = path + "." + key;
        if (!slots.is_array() || slots.size() != static_cast<std::size_t>(spec.slotCount)) {
            reject(slotsPath, "expected an array of " + std::to_string(spec.slotCount) + " objects");
        }
        std::set<std::string> slotKeys;
        for (const FieldSpec& column : spec.columns) {
            addAllowedKeys(slotKeys, column);
        }
        for (int i = 0; i < spec.slotCount; ++i) {
            const std::string slotPath = slotsPath + "[" + std::to_string(i) + "]";
            const Json& slot = slots[static_cast<std::size_t>(i)];
            requireObject(slot, slotPath);
            for (const FieldSpec& column : spec.columns) {
                FieldSpec one = column;
                one.offset = column.offset + static_cast<std::size_t>(i) * column.bytes;
                importField(slot, one, record, slotPath);
            }
            requireOnlyKeys(slot, slotKeys, slotPath);
        }
    }
    requireOnlyKeys(object, allowed, path);
}

void importRecords(const RecordSpec& spec, const Json& array, MutableBytes block, int count, const std::string& path)
{
    if (!array.is_array() || array.size() != static_cast<std::size_t>(count)) {
        reject(path, "expected an array of " + std::to_string(count) + " objects");
    }
    for (int i = 0; i < count; ++i) {
        importRecord(spec, array[static_cast<std::size_t>(i)],
                     block.subspan(static_cast<std::size_t>(i) * spec.bytes, spec.bytes),
                     path + "[" + std::to_string(i) + "]");
    }
}

// The tables a file of this version holds, in file order.
template <typename Visit>
void forEachTextSlot(const project::FileMagic& magic, Visit visit)
{
    // By the version's layout rather than each table's first version: the first group is in
    // every file, even one whose magic sorts before "Q720-1.00".
    const std::size_t present = project::textBytesForVersion(magic);
    for (const auto& table : project::textTables) {
        if (project::textTableOffset(table.block) + project::textTableBytes(table) > present) {
            continue;
        }
        for (int i = 0; i < table.count; ++i) {
            const std::size_t offset =
                project::textTableOffset(table.block) + static_cast<std::size_t>(i * table.width);
            visit(table.firstId + i, offset, static_cast<std::size_t>(table.width));
        }
    }
}

Json exportTexts(Bytes area, const project::FileMagic& magic, Json& tails)
{
    Json texts = Json::object();
    forEachTextSlot(magic, [&](int id, std::size_t offset, std::size_t width) {
        Json one = Json::object();
        exportText(one, "t", area.subspan(offset, width));
        texts[std::to_string(id)] = one["t"];
        if (one.contains("tTail")) {
            tails[std::to_string(id)] = one["tTail"];
        }
    });
    return texts;
}

void importTexts(const Json& root, MutableBytes area, const project::FileMagic& magic)
{
    const Json& texts = member(root, "texts", "$");
    requireObject(texts, "$.texts");
    Json noTails = Json::object();
    const auto tailsIt = root.find("textTails");
    const Json& tails = tailsIt == root.end() ? noTails : *tailsIt;
    requireObject(tails, "$.textTails");
    std::set<std::string> ids;
    forEachTextSlot(magic, [&](int id, std::size_t offset, std::size_t width) {
        const std::string key = std::to_string(id);
        ids.insert(key);
        const auto tail = tails.find(key);
        readTextValue(member(texts, key, "$.texts"), tail == tails.end() ? nullptr : &*tail,
                      area.subspan(offset, width), "$.texts." + key, "$.textTails." + key);
    });
    requireOnlyKeys(texts, ids, "$.texts");
    requireOnlyKeys(tails, ids, "$.textTails");
}

void importBlocks(const Json& root, std::vector<std::uint8_t>& image, const project::FileMagic& magic)
{
    using namespace project;
    const MutableBytes all(image);
    importRecords(formSpec(), member(root, "forms", "$"), all.subspan(FormBlockOffset, sizeof(Project::forms)),
                  MaxForms, "$.forms");
    importRecords(menuSpec(), member(root, "menus", "$"), all.subspan(MenuBlockOffset, sizeof(Project::menus)),
                  MaxMenus, "$.menus");
    importRecords(lookupSpec(), member(root, "lookups", "$"),
                  all.subspan(LookupBlockOffset, sizeof(Project::lookups)), MaxLookups, "$.lookups");
    importRecord(deviceSpec(), member(root, "systemSettings", "$"),
                 all.subspan(DeviceBlockOffset, sizeof(DeviceSettings)), "$.systemSettings");
    if (magic.isAtLeast(Version::V1_14)) {
        importRecord(transactionSpec(), member(root, "transactionFile", "$"),
                     all.subspan(TransactionBlockOffset, sizeof(TransactionFileSettings)), "$.transactionFile");
    }
    importRecord(readerSpec(), member(root, "readerSettings", "$"),
                 all.subspan(ReaderBlockOffset, sizeof(ReaderSettings)), "$.readerSettings");
    importTexts(root, all.subspan(TextBlockOffset, textBytesForVersion(magic)), magic);
    readHex(member(root, "reservedBlock", "$"), all.subspan(ReservedBlockOffset, ReservedBlockBytes),
            "$.reservedBlock");
}

}  // namespace

std::string latin1ToUtf8(std::span<const std::uint8_t> bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const std::uint8_t b : bytes) {
        if (b < 0x80) {
            out.push_back(static_cast<char>(b));
        } else {
            out.push_back(static_cast<char>(0xC0 | (b >> 6)));
            out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
        }
    }
    return out;
}

bool utf8ToLatin1(const std::string& text, std::vector<std::uint8_t>& out)
{
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        if (c < 0x80) {
            out.push_back(c);
            continue;
        }
        // Only the two-byte forms of U+0080..U+00FF are single-byte characters.
        if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size()) {
            const auto next = static_cast<std::uint8_t>(text[i + 1]);
            if ((next & 0xC0) == 0x80) {
                out.push_back(static_cast<std::uint8_t>(((c & 0x03) << 6) | (next & 0x3F)));
                ++i;
                continue;
            }
        }
        return false;
    }
    return true;
}

Json mirrorOf(std::span<const std::uint8_t> image)
{
    using namespace project;
    FileMagic magic;
    std::memcpy(magic.chars.data(), image.data(), magic.chars.size());

    Json root = Json::object();
    exportText(root, "version", image.first(MagicBytes));
    root["forms"] = exportRecords(formSpec(), image.subspan(FormBlockOffset), MaxForms);
    root["menus"] = exportRecords(menuSpec(), image.subspan(MenuBlockOffset), MaxMenus);
    root["lookups"] = exportRecords(lookupSpec(), image.subspan(LookupBlockOffset), MaxLookups);
    root["systemSettings"] = exportRecord(deviceSpec(), image.subspan(DeviceBlockOffset, sizeof(DeviceSettings)));
    if (magic.isAtLeast(Version::V1_14)) {
        root["transactionFile"] =
            exportRecord(transactionSpec(), image.subspan(TransactionBlockOffset, sizeof(TransactionFileSettings)));
    }
    root["readerSettings"] = exportRecord(readerSpec(), image.subspan(ReaderBlockOffset, sizeof(ReaderSettings)));
    Json tails = Json::object();
    root["texts"] = exportTexts(image.subspan(TextBlockOffset, textBytesForVersion(magic)), magic, tails);
    if (!tails.empty()) {
        root["textTails"] = std::move(tails);
    }
    root["reservedBlock"] = toHex(image.subspan(ReservedBlockOffset, ReservedBlockBytes));
    return root;
}

std::optional<Json> parseMirrorText(const std::string& text, std::string& error)
{
    try {
        return Json::parse(text);
    } catch (const Json::exception& e) {
        // Not only parse errors: a number beyond the range of a double throws out_of_range.
        error = std::string("malformed JSON: ") + e.what();
        return std::nullopt;
    }
}

ImageFromMirror imageFromMirror(const Json& mirror)
{
    using namespace project;
    ImageFromMirror result;
    try {
        requireObject(mirror, "$");
        std::vector<std::uint8_t> magicBytes(MagicBytes, 0);
        readText(mirror, "version", magicBytes, "$");
        FileMagic magic;
        std::memcpy(magic.chars.data(), magicBytes.data(), magic.chars.size());
        if (!magic.hasModelPrefix()) {
            reject("$.version", "not a Q720 project version");
        }
        if (magic.compare(Version::Current) > 0) {
            reject("$.version", "version " + magic.printable() + " is newer than this program supports");
        }
        std::vector<std::uint8_t> image(fileSizeForVersion(magic), 0);
        std::copy(magicBytes.begin(), magicBytes.end(), image.begin());
        importBlocks(mirror, image, magic);

        std::set<std::string> allowed = {"version", "versionTail", "forms", "menus", "lookups", "systemSettings",
                                         "readerSettings", "texts", "textTails", "reservedBlock"};
        if (magic.isAtLeast(Version::V1_14)) {
            allowed.insert("transactionFile");
        }
        requireOnlyKeys(mirror, allowed, "$");
        result.image = std::move(image);
        result.ok = true;
    } catch (const MirrorError& e) {
        result.error = e.what();
    }
    return result;
}

}  // namespace cli
