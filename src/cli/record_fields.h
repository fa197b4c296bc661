// SPDX-License-Identifier: MIT
// One description per record, shared by export, import, check and the stale-byte report: the
// name, place and kind of every byte the editor gives a meaning.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class FieldKind {
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
    int maxValue = NoLimit;  // for list and range bytes: the largest value the editor can store
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
};

// The record descriptions with every byte that no field names added as a Hex field named
// after its offset ("bytes1533"), so the fields cover the record exactly once.
struct CompleteSpec
{
    const RecordSpec* record = nullptr;
    std::vector<FieldSpec> fields;  // named and gap fields in offset order
};

[[nodiscard]] const RecordSpec& menuSpec();
[[nodiscard]] const RecordSpec& formSpec();
[[nodiscard]] const RecordSpec& lookupSpec();
[[nodiscard]] const RecordSpec& readerSpec();
[[nodiscard]] const RecordSpec& deviceSpec();
[[nodiscard]] const RecordSpec& transactionSpec();

[[nodiscard]] const CompleteSpec& complete(const RecordSpec& spec);

// The field that holds a byte of the record, for messages: "lines[2].maxLength", "caption".
[[nodiscard]] std::string fieldAt(const RecordSpec& spec, std::size_t offset);

}  // namespace cli
