// SPDX-License-Identifier: MIT
// The open project: every block of the project file except the version magic and the
// reserved block 6, which exist only in the file.
#pragma once

#include <array>
#include <type_traits>

#include "project/records.h"
#include "project/text_tables.h"
#include "texts/model.h"

namespace project {

// Model preference and the model stamp of block 5 byte 425.
using Model = texts::Model;

struct Project
{
    std::array<MenuDef, MaxMenus> menus;                  // block 1
    std::array<FormDef, MaxForms> forms;                  // block 2
    std::array<LookupDef, MaxLookups> lookups;            // block 3
    ReaderSettings reader;                                // block 4
    DeviceSettings device;                                // block 5
    TextArea texts;                                       // blocks 7 to 60
    TransactionFileSettings transaction;                  // block 61

    [[nodiscard]] FormDef& form(int number) { return forms[static_cast<std::size_t>(number - 1)]; }
    [[nodiscard]] const FormDef& form(int number) const { return forms[static_cast<std::size_t>(number - 1)]; }
    [[nodiscard]] MenuDef& menu(int number) { return menus[static_cast<std::size_t>(number - 1)]; }
    [[nodiscard]] const MenuDef& menu(int number) const { return menus[static_cast<std::size_t>(number - 1)]; }
    [[nodiscard]] LookupDef& lookup(int number) { return lookups[static_cast<std::size_t>(number - 1)]; }
    [[nodiscard]] const LookupDef& lookup(int number) const { return lookups[static_cast<std::size_t>(number - 1)]; }
};
static_assert(std::is_trivially_copyable_v<Project>);
static_assert(std::has_unique_object_representations_v<Project>);

// A project with every byte zero, the state of the blocks before the first reset.
[[nodiscard]] Project zeroProject();

}  // namespace project
