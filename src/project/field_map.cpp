// SPDX-License-Identifier: MIT
#include "project/field_map.h"

#include <algorithm>
#include <deque>
#include <map>

#include "project/reader_fields.h"
#include "project/record_fields.h"

namespace project {
namespace {

constexpr RecordSpec formRecord{"form", sizeof(FormDef), formFields, "lines", LineSlots, formLineColumns};
constexpr RecordSpec menuRecord{"menu", sizeof(MenuDef), menuFields, "items", MenuItemSlots, menuItemColumns};
constexpr RecordSpec lookupRecord{"lookup", sizeof(LookupDef), lookupFields, "fields", LookupFieldSlots,
                                  lookupFieldColumns};
constexpr RecordSpec readerRecord{"readerSettings", sizeof(ReaderSettings), readerFields, {}, 0, {},
                                  readerHiddenDefaults};
constexpr RecordSpec deviceRecord{"systemSettings", sizeof(DeviceSettings), deviceFields, {}, 0, {}};
constexpr RecordSpec transactionRecord{"transactionFile", sizeof(TransactionFileSettings), transactionFields,
                                       {}, 0, {}};

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
const RecordSpec& readerSpec() { return readerRecord; }
const RecordSpec& deviceSpec() { return deviceRecord; }
const RecordSpec& transactionSpec() { return transactionRecord; }

const CompleteSpec& complete(const RecordSpec& spec)
{
    // Built once per record on first use, before any second thread could exist.
    static std::deque<std::string> names;
    static const std::map<const RecordSpec*, CompleteSpec> cache = [] {
        std::map<const RecordSpec*, CompleteSpec> all;
        for (const RecordSpec* s : {&menuRecord, &formRecord, &lookupRecord, &readerRecord, &deviceRecord,
                                    &transactionRecord}) {
            all.emplace(s, buildComplete(*s, names));
        }
        return all;
    }();
    return cache.at(&spec);
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

void applyDefaults(const RecordSpec& spec, std::span<Byte> record, std::size_t first, std::size_t last)
{
    const auto inRange = [&](std::size_t offset) { return offset >= first && offset <= last && offset < record.size(); };
    for (const FieldSpec& field : spec.fields) {
        if (field.kind != FieldKind::Hex && inRange(field.offset)) {
            record[field.offset] = static_cast<Byte>(field.defaultValue);
        }
    }
    for (const HiddenDefault& hidden : spec.hiddenDefaults) {
        if (inRange(hidden.offset)) {
            record[hidden.offset] = hidden.value;
        }
    }
}

}  // namespace project
