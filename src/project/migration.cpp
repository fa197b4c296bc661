// SPDX-License-Identifier: MIT
#include "project/migration.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>

#include "project/defaults.h"
#include "project/runtime_texts.h"

namespace project {

namespace {

constexpr std::size_t DeviceByte423 = 423 - offsetof(DeviceSettings, reserved376);
static_assert(DeviceByte423 < sizeof(DeviceSettings::reserved376));

// The texts that "Q720-1.11" files stored with trailing blanks: "Append to file." and three
// of the file messages.
constexpr int BlankRepairIds[] = {3427, 3794, 3795, 3796};
constexpr std::size_t RepairedTextChars = 30;
constexpr std::size_t WorkBufferChars = 160;

// Writes the text of the slot's string ID, cut to 30 characters whatever the slot's width, and
// its NUL; the bytes behind the NUL stay as they are.
void refillSlotCut30(Project& project, int block, int index, const texts::TextSource& texts)
{
    const auto& table = textTable(block);
    std::string text = texts.text(texts::sid(table.firstId + index));
    text.resize(std::min({text.size(), WorkBufferChars, RepairedTextChars}));
    auto slot = project.texts.textSlot(block, index);
    std::memcpy(slot.data(), text.data(), text.size());
    slot[text.size()] = 0;
}

void removeTrailingBlanksOrRefill(Project& project, int stringId, const texts::TextSource& texts)
{
    TextSlotRef ref;
    if (!findTextSlot(stringId, ref)) {
        return;
    }
    auto slot = project.texts.textSlot(ref.block, ref.index);
    // A slot read from a file may lack its NUL: its text ends at the slot's last byte.
    const auto textEnd = std::find(slot.begin(), slot.end() - 1, std::uint8_t{0});
    auto end = textEnd;
    while (end != slot.begin() && *(end - 1) == ' ') {
        --end;
    }
    if (end == slot.begin()) {
        refillSlotCut30(project, ref.block, ref.index, texts);
        return;
    }
    *end = 0;
}

}  // namespace

void migrateFrom1_00(Project& project, const texts::TextSource& texts) { fillTable(project, 43, texts); }

void migrateFrom1_01(Project& project, const texts::TextSource& texts) { fillTable(project, 44, texts); }

void migrateFrom1_02(Project& project, const texts::TextSource& texts)
{
    fillTable(project, 45, texts);
    fillTable(project, 46, texts);
}

void migrateFrom1_09(Project& project, const texts::TextSource& texts, Model modelPreference)
{
    for (FormDef& form : project.forms) {
        form.imageEditPath.fill(0);
        form.imageSavePath.fill(0);
        form.imageCheckPath.fill(0);
    }
    resetImageCaptureReaderBytes(project.reader);
    for (std::size_t b = ReaderByte::MigrationClearedFirst; b <= ReaderByte::MigrationClearedLast; ++b) {
        project.reader[b] = 0;
    }

    DeviceSettings& device = project.device;
    device.reserved376[DeviceByte423] = 0;
    device.autoRun = 0;
    device.modelStamp = static_cast<Byte>(modelPreference);
    device.autoImageFileName = 0;
    device.imageStorePath.assign(DefaultStorePath);
    device.gs1Separator = 0;

    fillSecondGroup(project, texts);
}

void repairBlanksOf1_11(Project& project, const texts::TextSource& texts)
{
    for (const int id : BlankRepairIds) {
        removeTrailingBlanksOrRefill(project, id, texts);
    }
}

void migrateAfterRead(Project& project, const FileMagic& magic, const texts::TextSource& texts, Model modelPreference)
{
    if (magic.isOlderThan(Version::V1_01)) {
        migrateFrom1_00(project, texts);
    }
    if (magic.isOlderThan(Version::V1_02)) {
        migrateFrom1_01(project, texts);
    }
    if (magic.isOlderThan(Version::V1_09)) {
        migrateFrom1_02(project, texts);
    }
    if (magic.isOlderThan(Version::V1_11)) {
        migrateFrom1_09(project, texts, modelPreference);
    }
    if (magic == Version::V1_11) {
        repairBlanksOf1_11(project, texts);
    }
}

}  // namespace project
