// SPDX-License-Identifier: MIT
// The field maps: one table per record naming every byte the editor gives a meaning, with its
// place, kind, largest stored value and the value a new project writes. The reader reset, the
// command-line tool (export, import, check) and the dialogs' bindings all read these tables, so a
// byte is described once.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "project/records.h"

namespace project {

enum class FieldKind : std::uint8_t {
    Byte,  // one unsigned byte
    Text,  // NUL-terminated single-byte text in a slot of `bytes` bytes
    Hex,   // bytes the editor does not interpret, kept as they are
};

inline constexpr int NoLimit = -1;

struct FieldSpec
{
    std::string_view name;
    std::size_t offset;
    FieldKind kind;
    std::size_t bytes = 1;
    int maxValue = NoLimit;        // lists and ranges: the largest value the editor stores
    int defaultValue = 0;  // what a new project writes (a text: its first character)
};

// A byte that no control shows but that a new project still sets.
struct HiddenDefault
{
    std::size_t offset;
    Byte value;
};

// A record of fixed size. `fields` are the record-level fields in offset order. `columns` are
// per-slot attributes stored column-wise (form lines, menu items, lookup fields): column c of
// slot i sits at columns[c].offset + i * columns[c].bytes.
struct RecordSpec
{
    std::string_view name;
    std::size_t bytes;
    std::span<const FieldSpec> fields;
    std::string_view slotsKey;  // JSON key of the per-slot array, empty when none
    int slotCount = 0;
    std::span<const FieldSpec> columns;
    std::span<const HiddenDefault> hiddenDefaults = {};
};

constexpr FieldSpec byteField(std::string_view name, std::size_t offset, int maxValue = NoLimit,
                              int defaultValue = 0)
{
    return {name, offset, FieldKind::Byte, 1, maxValue, defaultValue};
}
constexpr FieldSpec textField(std::string_view name, std::size_t offset, std::size_t slotBytes,
                              int defaultValue = 0)
{
    return {name, offset, FieldKind::Text, slotBytes, NoLimit, defaultValue};
}
constexpr FieldSpec hexField(std::string_view name, std::size_t offset, std::size_t bytes)
{
    return {name, offset, FieldKind::Hex, bytes, NoLimit, 0};
}

// The field of that name; a name that no field has stops the build where it is used in a
// constant expression (a binding table), so a misspelt binding never reaches a user.
consteval const FieldSpec& fieldNamed(std::span<const FieldSpec> fields, std::string_view name)
{
    for (const FieldSpec& field : fields) {
        if (field.name == name) {
            return field;
        }
    }
    throw "no field of that name";  // not a constant expression: a compile error
}

[[nodiscard]] const RecordSpec& menuSpec();
[[nodiscard]] const RecordSpec& formSpec();
[[nodiscard]] const RecordSpec& lookupSpec();
[[nodiscard]] const RecordSpec& readerSpec();
[[nodiscard]] const RecordSpec& deviceSpec();
[[nodiscard]] const RecordSpec& transactionSpec();

// The record's fields with every byte that no field names added as a Hex field named after its
// offset ("bytes1533"), so the fields cover the record exactly once, in offset order.
struct CompleteSpec
{
    const RecordSpec* record = nullptr;
    std::vector<FieldSpec> fields;
};
[[nodiscard]] const CompleteSpec& complete(const RecordSpec& spec);

// The field that holds a byte of the record, for messages: "lines[2].maxLength", "caption".
[[nodiscard]] std::string fieldAt(const RecordSpec& spec, std::size_t offset);

// Writes the default of every byte and text field and of every hidden byte into `record` (a
// text's default is its first character); Hex fields are left alone. `first`..`last` limits it
// to a range of offsets.
void applyDefaults(const RecordSpec& spec, std::span<Byte> record, std::size_t first = 0,
                   std::size_t last = static_cast<std::size_t>(-1));

}  // namespace project
