// SPDX-License-Identifier: MIT
// check: what a terminal or the designer would trip over, one line per finding.
#include <algorithm>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "cli/command_support.h"
#include "cli/commands.h"
#include "cli/project_labels.h"
#include "cli/field_maps.h"
#include "project/disk_file.h"
#include "project/derivation.h"
#include "project/file_format.h"

namespace cli {
namespace {

using project::Byte;

struct Finding
{
    std::size_t fileOffset;
    std::string problem;
};

class Findings
{
public:
    void add(std::size_t fileOffset, std::string problem) { m_items.push_back({fileOffset, std::move(problem)}); }

    void print(std::ostream& out, const std::string& linePrefix) const
    {
        for (const Finding& f : m_items) {
            out << linePrefix << placeInFile(f.fileOffset) << " (" << blockAndOffset(f.fileOffset) << "): " << f.problem << '\n';
        }
    }
    [[nodiscard]] bool isEmpty() const { return m_items.empty(); }

private:
    static std::string blockAndOffset(std::size_t fileOffset)
    {
        using namespace project;
        struct Start
        {
            int block;
            std::size_t offset;
        };
        static constexpr Start starts[] = {{61, TransactionBlockOffset}, {7, TextBlockOffset},
                                           {6, ReservedBlockOffset},     {5, DeviceBlockOffset},
                                           {4, ReaderBlockOffset},       {3, LookupBlockOffset},
                                           {2, FormBlockOffset},         {1, MenuBlockOffset},
                                           {0, 0}};
        for (const Start& s : starts) {
            if (fileOffset >= s.offset) {
                return "block " + std::to_string(s.block) + " offset " + std::to_string(fileOffset - s.offset);
            }
        }
        return {};
    }

    std::vector<Finding> m_items;
};

// Fields whose rule is more than a list bound are checked by their own functions below.
bool hasOwnRule(const FieldSpec& field)
{
    return field.name == "keyField";
}

void checkListBytes(const RecordSpec& spec, std::span<const Byte> record, std::size_t fileOffset, Findings& findings)
{
    auto checkOne = [&](const FieldSpec& field, std::size_t offset) {
        if (field.kind != FieldKind::Byte || field.maxValue == NoLimit || hasOwnRule(field)) {
            return;
        }
        const Byte value = record[offset];
        if (value > field.maxValue) {
            findings.add(fileOffset + offset, std::to_string(value) + " is outside its list (0.." +
                                                  std::to_string(field.maxValue) + ")");
        }
    };
    for (const FieldSpec& field : spec.fields) {
        checkOne(field, field.offset);
    }
    for (const FieldSpec& column : spec.columns) {
        for (int slot = 0; slot < spec.slotCount; ++slot) {
            checkOne(column, column.offset + static_cast<std::size_t>(slot) * column.bytes);
        }
    }
}

template <typename Record>
std::span<const Byte> bytesOf(const Record& record)
{
    return {reinterpret_cast<const Byte*>(&record), sizeof(Record)};
}

bool isLinkable(Byte type, bool hasLookupFile)
{
    using LT = project::LineType;
    const auto t = static_cast<LT>(type);
    if ((type >= 1 && type <= 6) || t == LT::Alphameric || t == LT::Msqi) {
        return true;
    }
    return hasLookupFile && (t == LT::Lookup || t == LT::Image);
}

void checkLink(const project::Project& p, const project::FormDef& form, int line, std::size_t at, Findings& findings)
{
    const auto slot = static_cast<std::size_t>(line - 1);
    const Byte link = form.lookupLink[slot];
    const Byte type = form.lineType[slot];
    if (link == 0 || link > 36 || type == 0) {
        return;  // 0 is "nil"; above 36 the list bound reports it
    }
    const bool hasLookupFile = form.lookupFile >= 1 && form.lookupFile <= project::MaxLookups;
    if (!isLinkable(type, hasLookupFile)) {
        findings.add(at, "link code " + std::to_string(link) + " on a " + lineTypeName(type) +
                             " line, which takes no link");
        return;
    }
    if (!hasLookupFile) {
        return;  // variables 1 to 12 in all three groups
    }
    const int field = (link - 1) % 12 + 1;
    const bool isSigned = link > 12;
    const bool isNumeric = type == 2 || type == 3 || type == 5;
    if (isSigned && !isNumeric) {
        findings.add(at, "link code " + std::to_string(link) + " (-field/+field) on a " + lineTypeName(type) +
                             " line; only integer, real and auto(+/-) lines take it");
    }
    const Byte fields = p.lookup(form.lookupFile).numFields;
    if (field > fields) {
        findings.add(at, "link code " + std::to_string(link) + " names field " + std::to_string(field) +
                             " of lookup file " + std::to_string(form.lookupFile) + ", which has " +
                             std::to_string(fields) + " fields");
    }
}

void checkForms(const project::Project& p, Findings& findings)
{
    for (int n = 1; n <= project::MaxForms; ++n) {
        const project::FormDef& form = p.form(n);
        const std::size_t base = project::FormBlockOffset + static_cast<std::size_t>(n - 1) * sizeof(project::FormDef);
        checkListBytes(formSpec(), bytesOf(form), base, findings);
        for (int line = 1; line <= project::LineSlots; ++line) {
            const auto slot = static_cast<std::size_t>(line - 1);
            const Byte type = form.lineType[slot];
            const std::size_t typeAt = base + offsetof(project::FormDef, lineType) + slot;
            if (type > static_cast<Byte>(project::LineType::Msqi)) {
                findings.add(typeAt, "line type " + std::to_string(type) + " is above 16");
            } else if (type == static_cast<Byte>(project::LineType::Msqi) && (form.msqiEnabled != 1 || line > 2)) {
                findings.add(typeAt, "line type MSQI exists only on lines 1 and 2 of a form in MSQI mode");
            }
            const Byte maxLength = form.maxLength[slot];
            const Byte minLength = form.minLength[slot];
            const std::size_t maxAt = base + offsetof(project::FormDef, maxLength) + slot;
            // A lookup line takes its length from the lookup field, which may exceed 160.
            if (maxLength > 160 && type != static_cast<Byte>(project::LineType::Lookup)) {
                findings.add(maxAt, "maxLength " + std::to_string(maxLength) + " is above 160");
            }
            if (minLength > maxLength) {
                findings.add(base + offsetof(project::FormDef, minLength) + slot,
                             "minLength " + std::to_string(minLength) + " is above maxLength " +
                                 std::to_string(maxLength));
            }
            const Byte source = form.inputSource[slot];
            if ((source == 3 || source == 4) && p.device.readerType < 11) {
                findings.add(base + offsetof(project::FormDef, inputSource) + slot,
                             "input source " + std::to_string(source) + " (RFID) while the RFID reader is off");
            }
            checkLink(p, form, line, base + offsetof(project::FormDef, lookupLink) + slot, findings);
        }
    }
}

void checkMenus(const project::Project& p, Findings& findings)
{
    for (int n = 1; n <= project::MaxMenus; ++n) {
        const std::size_t base = project::MenuBlockOffset + static_cast<std::size_t>(n - 1) * sizeof(project::MenuDef);
        checkListBytes(menuSpec(), bytesOf(p.menu(n)), base, findings);
    }
}

void checkLookups(const project::Project& p, Findings& findings)
{
    for (int n = 1; n <= project::MaxLookups; ++n) {
        const project::LookupDef& lookup = p.lookup(n);
        const std::size_t base =
            project::LookupBlockOffset + static_cast<std::size_t>(n - 1) * sizeof(project::LookupDef);
        checkListBytes(lookupSpec(), bytesOf(lookup), base, findings);
        const int lastKey = std::max(0, std::min<int>(lookup.numFields, project::EditorLookupFields) - 1);
        if (lookup.keyField > lastKey) {
            findings.add(base + offsetof(project::LookupDef, keyField),
                         "key field index " + std::to_string(lookup.keyField) + " is beyond the " +
                             std::to_string(lookup.numFields) + " fields");
        }
        if (lookup.delimiter == 13) {
            findings.add(base + offsetof(project::LookupDef, delimiter), "delimiter 13 (carriage return)");
        }
    }
}

void checkSettings(const project::Project& p, const project::FileMagic& magic, Findings& findings)
{
    const project::DeviceSettings& d = p.device;
    const std::size_t base = project::DeviceBlockOffset;
    checkListBytes(deviceSpec(), bytesOf(d), base, findings);
    if (d.delimiter1 == 13) {
        findings.add(base + offsetof(project::DeviceSettings, delimiter1), "delimiter 13 (carriage return)");
    }
    if (d.delimiter2 == 13) {
        findings.add(base + offsetof(project::DeviceSettings, delimiter2), "delimiter 13 (carriage return)");
    }
    const std::string_view password = d.password.view();
    if (!std::all_of(password.begin(), password.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) && c > 0; })) {
        findings.add(base + offsetof(project::DeviceSettings, password),
                     "password has characters other than ASCII letters and digits");
    }
    const int type = d.readerType;
    if (type > 13 || type % 10 < 1 || type % 10 > 3 || (type > 3 && type < 11)) {
        findings.add(base + offsetof(project::DeviceSettings, readerType),
                     "reader type " + std::to_string(type) + " is none of 1, 2, 3, 11, 12, 13");
    }

    const std::size_t reader = project::ReaderBlockOffset;
    checkListBytes(readerSpec(), bytesOf(p.reader), reader, findings);
    const Byte exposure = p.reader[296];
    if (exposure <= 30 && (exposure < 5 || exposure % 5 != 0)) {
        findings.add(reader + 296, std::to_string(exposure) + " is none of 5, 10, 15, 20, 25, 30");
    }
    if (p.reader[302] != 1 && p.reader[302] <= 3) {
        findings.add(reader + 302, std::to_string(p.reader[302]) + " is neither 1 (JPEG) nor 3 (BMP)");
    }
    if (p.reader[282] == 1) {
        findings.add(reader + 282, "1 is neither 0 (none) nor 2 (GLI protocol)");
    }
    if (magic.isAtLeast(project::Version::V1_14)) {
        checkListBytes(transactionSpec(), bytesOf(p.transaction), project::TransactionBlockOffset, findings);
    }
}

// Derived bytes that differ from what the next save computes (with the project's own model).
// What checking one file needs besides the file, kept from file to file so that a long list
// does not ask the allocator for three projects and three file images per file.
struct CheckScratch
{
    std::unique_ptr<project::Project> parsed = std::make_unique<project::Project>();
    std::unique_ptr<project::Project> derived = std::make_unique<project::Project>();
    std::vector<std::uint8_t> read;
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;
};

void checkStale(const project::Project& p, CheckScratch& scratch, Findings& findings)
{
    project::Project& derived = *scratch.derived;
    derived = p;
    const Byte stamp = p.device.modelStamp;
    project::deriveBeforeSave(derived, stamp == 1 ? project::Model::Q720PPC : project::Model::Q720CE);
    std::vector<std::uint8_t>& before = scratch.before;
    std::vector<std::uint8_t>& after = scratch.after;
    project::serialiseProject(p, before);
    project::serialiseProject(derived, after);
    for (std::size_t i = project::MagicBytes; i < project::ReservedBlockOffset; ++i) {
        if (before[i] != after[i]) {
            findings.add(i, "stale: holds " + std::to_string(before[i]) + ", a save computes " +
                                std::to_string(after[i]));
        }
    }
}

int checkOne(const std::filesystem::path& input, const std::string& linePrefix, std::ostream& out,
             std::ostream& err, CheckScratch& scratch)
{
    InputImage image = readProjectImage(input, *scratch.parsed, std::move(scratch.read));
    scratch.read = std::move(image.bytes);
    if (!image.ok && !image.isTruncated) {
        reportError(err, input, image.error);
        return ExitFailure;
    }
    if (image.totalBytes != image.layoutBytes) {
        out << project::utf8Of(input) << " (file): wrong size for version " << image.magic.printable() << ": "
            << image.totalBytes << " bytes, expected " << image.layoutBytes << '\n';
        if (image.isTruncated) {
            return ExitFindings;
        }
    }
    const project::Project& p = *scratch.parsed;
    Findings findings;
    checkForms(p, findings);
    checkMenus(p, findings);
    checkLookups(p, findings);
    checkSettings(p, image.magic, findings);
    checkStale(p, scratch, findings);
    findings.print(out, linePrefix);
    const bool isClean = findings.isEmpty() && image.totalBytes == image.layoutBytes;
    return isClean ? ExitSuccess : ExitFindings;
}

}  // namespace

int runCheck(const std::filesystem::path& input, std::ostream& out, std::ostream& err)
{
    CheckScratch scratch;
    return checkOne(input, "", out, err, scratch);
}

int runCheck(std::span<const std::filesystem::path> inputs, std::ostream& out, std::ostream& err)
{
    if (inputs.size() == 1) {
        return runCheck(inputs.front(), out, err);
    }
    // A failure (2) outweighs findings (1).
    int status = ExitSuccess;
    CheckScratch scratch;
    for (const std::filesystem::path& input : inputs) {
        status = std::max(status, checkOne(input, project::utf8Of(input) + ": ", out, err, scratch));
    }
    return status;
}

}  // namespace cli
