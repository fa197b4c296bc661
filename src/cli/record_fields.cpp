// SPDX-License-Identifier: MIT
#include "cli/record_fields.h"

#include <algorithm>
#include <deque>
#include <map>

#include "project/records.h"
#include "cli/field_table_builders.h"

namespace cli {
namespace {

constexpr FieldSpec formFields[] = {
    byteField("escTarget", 0, 30),         byteField("nextTarget", 1, 30),
    byteField("lookupFile", 2, 5),         byteField("recordAction", 3, 3),
    byteField("indexLine", 4, 12),         byteField("stampPosition", 5, 2),
    byteField("stampSplit", 6, 1),         byteField("dateYearOn", 7, 1),
    byteField("yearDigits", 8, 1),         byteField("dateMonthOn", 9, 1),
    byteField("dateDayOn", 10, 1),         byteField("dateSeparatorOn", 11, 1),
    textField("dateSeparator", 12, 2),     byteField("dateOrder", 14, 2),
    byteField("timeHourOn", 15, 1),        byteField("timeMinuteOn", 16, 1),
    byteField("timeSecondOn", 17, 1),      byteField("timeSeparatorOn", 18, 1),
    textField("timeSeparator", 19, 2),     byteField("fieldCount", 21),
    byteField("recordLengthCheck", 22),    byteField("keyFieldCount", 23),
    byteField("menuDataField", 24, 1),     byteField("autoKey", 25, 1),
    byteField("readOnce", 26, 1),          byteField("exportNameOn", 27, 1),
    textField("exportName", 28, 21),       byteField("lastInputLine", 1474, 12),
    byteField("autoExport", 1521, 1),      byteField("exportMode", 1522, 1),
    byteField("msqiEnabled", 1532, 1),
};

// Line n of a form is slot n - 1 of each column.
constexpr FieldSpec formLineColumns[] = {
    byteField("lineType", 49),             textField("prompt", 64, 31),
    byteField("inputSource", 529, 4),      byteField("minLength", 544),
    byteField("maxLength", 559),           byteField("lookupLink", 574, 36),
    byteField("dataLength", 589),          byteField("fixedLengthOn", 604, 1),
    byteField("alignment", 619, 3),        byteField("fixedLength", 634),
    byteField("initialValueOn", 649, 1),   textField("initialValue", 664, 11),
    byteField("prefixOn", 829, 1),         textField("prefix", 844, 11),
    byteField("suffixOn", 1009, 1),        textField("suffix", 1024, 11),
    byteField("inputMark", 1189),          byteField("decimalPlaces", 1204, 6),
    byteField("partialOn", 1219, 1),       byteField("partialStart", 1234, 99),
    byteField("partialLength", 1249, 160), byteField("leadingCheckOn", 1264, 1),
    textField("leadingCode", 1279, 11),    byteField("checkDigitMethod", 1444, 8),
    byteField("autoEnter", 1459, 2),       byteField("imageEditPath", 1476, 1),
    byteField("imageSavePath", 1491, 1),   byteField("imageCheckPath", 1506, 1),
};

constexpr FieldSpec menuFields[] = {
    byteField("captionOn", 0, 1),          textField("caption", 1, 31),
    byteField("escTarget", 497, 30),       byteField("saveCaption", 513, 1),
    byteField("saveSelectedItem", 514, 1), byteField("itemCount", 515, 15),
};

constexpr FieldSpec menuItemColumns[] = {
    textField("name", 32, 31),
    byteField("next", 498, 30),
};

constexpr FieldSpec lookupFields[] = {
    byteField("numFields", 0, 12),         byteField("lengthCheck", 1),
    byteField("keyField", 2, 11),          byteField("exportNameOn", 3, 1),
    textField("exportName", 4, 21),        byteField("delimiter", 520),
    byteField("noMatchAction", 521, 5),    byteField("badFormatAction", 522, 2),
    byteField("autoExport", 523, 1),       byteField("exportMode", 524, 1),
};

constexpr FieldSpec lookupFieldColumns[] = {
    byteField("type", 25, 5),
    textField("name", 40, 31),
    byteField("length", 505),
};

constexpr FieldSpec deviceFields[] = {
    byteField("startFrom", 1, 1),          byteField("readerType", 2),
    byteField("codeIdOn", 3, 1),           hexField("codeIds", 4, 60),
    byteField("delimiter1", 64),           byteField("delimiter2", 65),
    byteField("autoPreload", 66, 1),       byteField("dataDeletion", 67, 2),
    byteField("entryOptions", 68, 2),      byteField("promptStay", 69, 99),
    byteField("sound", 70, 9),             byteField("vibratorDuration", 71, 9),
    textField("password", 72, 11),         byteField("protectOpen", 84, 1),
    byteField("protectImport", 85, 1),    byteField("protectExport", 86, 1),
    byteField("protectEditData", 87, 1),  byteField("protectDeleteData", 88, 1),
    byteField("protectSettings", 89, 1),  byteField("protectAutoPreload", 90, 1),
    byteField("protectDataDeletion", 91, 1), byteField("protectEntryOptions", 92, 1),
    byteField("protectVibrator", 94, 1),  byteField("protectImageCapture", 95, 1),
    textField("exportStore", 115, 261),    byteField("autoRun", 424, 1),
    byteField("modelStamp", 425, 1),       byteField("autoImageFileName", 426, 1),
    textField("imageStorePath", 427, 261), byteField("gs1Separator", 688),
    textField("fileTitle", 689, 6),        byteField("defaultNamingRule", 695, 1),
    byteField("deleteDatabaseOnOpen", 696, 1),
};

constexpr FieldSpec transactionFields[] = {
    byteField("oneDataFile", 0, 1),        byteField("changeExportName", 2, 1),
    textField("exportName", 3, 21),        byteField("autoExport", 24, 1),
    byteField("saveMode", 25, 1),
};

constexpr RecordSpec formRecord{"form", sizeof(project::FormDef), formFields, "lines", project::LineSlots,
                                formLineColumns};
constexpr RecordSpec menuRecord{"menu", sizeof(project::MenuDef), menuFields, "items", project::MenuItemSlots,
                                menuItemColumns};
constexpr RecordSpec lookupRecord{"lookup", sizeof(project::LookupDef), lookupFields, "fields",
                                  project::LookupFieldSlots, lookupFieldColumns};
constexpr RecordSpec deviceRecord{"systemSettings", sizeof(project::DeviceSettings), deviceFields, {}, 0, {}};
constexpr RecordSpec transactionRecord{"transactionFile", sizeof(project::TransactionFileSettings),
                                       transactionFields, {}, 0, {}};

// Fills the bytes that no field or column claims with Hex fields named after their offset.
CompleteSpec buildComplete(const RecordSpec& spec, std::deque<std::string>& names)
{
    std::vector<bool> claimed(spec.bytes, false);
    for (const FieldSpec& f : spec.fields) {
        std::fill_n(claimed.begin() + static_cast<std::ptrdiff_t>(f.offset), f.bytes, true);
    }
    for (const FieldSpec& c : spec.columns) {
        std::fill_n(claimed.begin() + static_cast<std::ptrdiff_t>(c.offset),
                    c.bytes * static_cast<std::size_t>(spec.slotCount), true);
    }
    CompleteSpec out;
    out.record = &spec;
    out.fields.assign(spec.fields.begin(), spec.fields.end());
    std::size_t i = 0;
    while (i < spec.bytes) {
        if (claimed[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < spec.bytes && !claimed[end]) {
            ++end;
        }
        names.push_back("bytes" + std::to_string(i));
        out.fields.push_back(hexField(names.back(), i, end - i));
        i = end;
    }
    std::stable_sort(out.fields.begin(), out.fields.end(),
                     [](const FieldSpec& a, const FieldSpec& b) { return a.offset < b.offset; });
    return out;
}

}  // namespace

const RecordSpec& menuSpec() { return menuRecord; }
const RecordSpec& formSpec() { return formRecord; }
const RecordSpec& lookupSpec() { return lookupRecord; }
const RecordSpec& deviceSpec() { return deviceRecord; }
const RecordSpec& transactionSpec() { return transactionRecord; }

const CompleteSpec& complete(const RecordSpec& spec)
{
    // Built once per record on first use; the CLI is single-threaded, statics keep it simple.
    static std::deque<std::string> names;
    static std::map<const RecordSpec*, CompleteSpec> cache;
    auto it = cache.find(&spec);
    if (it == cache.end()) {
        it = cache.emplace(&spec, buildComplete(spec, names)).first;
    }
    return it->second;
}

std::string fieldAt(const RecordSpec& spec, std::size_t offset)
{
    for (const FieldSpec& c : spec.columns) {
        const std::size_t end = c.offset + c.bytes * static_cast<std::size_t>(spec.slotCount);
        if (offset >= c.offset && offset < end) {
            const std::size_t slot = (offset - c.offset) / c.bytes;
            return std::string(spec.slotsKey) + "[" + std::to_string(slot) + "]." + std::string(c.name);
        }
    }
    for (const FieldSpec& f : complete(spec).fields) {
        if (offset >= f.offset && offset < f.offset + f.bytes) {
            return offset > f.offset && f.kind == FieldKind::Hex
                       ? std::string(f.name) + "+" + std::to_string(offset - f.offset)
                       : std::string(f.name);
        }
    }
    return "byte " + std::to_string(offset);
}

}  // namespace cli
