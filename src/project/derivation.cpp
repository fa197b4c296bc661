// SPDX-License-Identifier: MIT
#include "project/derivation.h"

#include <algorithm>
#include <bitset>
#include <cstddef>

#include "project/defaults.h"
#include "project/form_rules.h"

namespace project {
namespace {

constexpr int AutoKeyLength = 8;
constexpr int MenuDataLength = 160;
constexpr int StampLength = 20;
constexpr int CodeIdLength = 2;

bool isRecordAction(const FormDef& form, RecordAction action) { return form.recordAction == static_cast<Byte>(action); }

bool savesRecord(const FormDef& form)
{
    return isRecordAction(form, RecordAction::Save) || isRecordAction(form, RecordAction::SaveAndUpdate);
}

bool passesDown(const FormDef& form) { return isRecordAction(form, RecordAction::PassDown); }

bool keepsMenuData(const MenuDef& menu) { return menu.saveCaption == 1 || menu.saveSelectedItem == 1; }

// The form at the end of a pass-down chain that starts at `start`: the first form along the
// `nextTarget`s that does not pass down. A chain that leaves the forms or runs in a circle has
// no end form (nullptr); each form is visited once, so the walk always ends.
FormDef* passDownEnd(Project& project, int start)
{
    std::bitset<MaxForms + 1> visited;
    int current = start;
    visited.set(static_cast<std::size_t>(current));
    while (true) {
        const Byte next = project.form(current).nextTarget;
        if (!isFormTarget(next) || visited.test(next)) {
            return nullptr;
        }
        visited.set(next);
        FormDef& target = project.form(next);
        if (!passesDown(target)) {
            return &target;
        }
        current = next;
    }
}

// A form reached from a menu that keeps its caption or selected item stores the menu's data
// field; through pass-down forms the record ends in the first form that saves it.
void deriveMenuDataFlags(Project& project)
{
    for (const MenuDef& menu : project.menus) {
        for (const Byte next : menu.itemNext) {
            if (!isFormTarget(next)) {
                continue;
            }
            FormDef& form = project.form(next);
            form.menuDataField = 0;
            if (!keepsMenuData(menu)) {
                continue;
            }
            if (savesRecord(form)) {
                form.menuDataField = 1;
            } else if (passesDown(form)) {
                FormDef* end = passDownEnd(project, next);
                if (end != nullptr && savesRecord(*end)) {
                    end->menuDataField = 1;
                }
            }
        }
    }
}

bool isMenuTargetOfForm1(const Project& project)
{
    return std::any_of(project.menus.begin(), project.menus.end(), [](const MenuDef& menu) {
        return keepsMenuData(menu)
            && std::find(menu.itemNext.begin(), menu.itemNext.end(), Byte{1}) != menu.itemNext.end();
    });
}

// When the program starts in form 1, form 1 is entered without a menu, so it carries a menu
// data field only if a menu that keeps its data leads to it directly.
void checkStartForm(Project& project)
{
    FormDef& form1 = project.form(1);
    if (form1.menuDataField == 1 && project.device.startFrom == 0) {
        form1.menuDataField = isMenuTargetOfForm1(project) ? 1 : 0;
    }
}

bool isStoredField(const FormDef& form, std::size_t i)
{
    const Byte type = form.lineType[i];
    if (type == lineCode(LineType::Lookup)) {
        return form.initialValueOn[i] != 0;
    }
    if (type == lineCode(LineType::Image)) {
        return form.imageSavePath[i] != 0;
    }
    return (type >= lineCode(LineType::Text) && type <= lineCode(LineType::FixedData))
        || type == lineCode(LineType::Alphameric) || type == lineCode(LineType::Msqi);
}

// The terminal checks a record's length in one byte: modulo 255, with 255 for a full multiple.
Byte lengthCheckOf(int length)
{
    if (length == 0) {
        return 0;
    }
    const int rest = length % MaxByteValue;
    return static_cast<Byte>(rest == 0 ? MaxByteValue : rest);
}

// With code IDs on, the terminal puts the two-character code ID in front of every line's data.
// The length is rebuilt from its parts so that saving twice gives the same bytes.
void addCodeIdLengths(FormDef& form)
{
    for (int i = 0; i < LineSlots; ++i) {
        const int length = committedDataLength(form, i) + CodeIdLength;
        form.dataLength[static_cast<std::size_t>(i)] = static_cast<Byte>(std::min(length, MaxByteValue));
    }
}

void computeSavedRecordFigures(FormDef& form, bool isCodeIdOn)
{
    const bool hasAutoKey = form.autoKey == 1;
    int count = 0;
    int keyCount = 0;
    int length = 0;
    if (hasAutoKey) {
        count = 1;
        keyCount = 1;
        length = AutoKeyLength;
    }
    if (form.menuDataField == 1) {
        ++count;
        length += MenuDataLength;
        keyCount += hasAutoKey ? 0 : 1;
    }
    if (form.stampPosition == static_cast<Byte>(StampPosition::Top)) {
        ++count;
        length += StampLength;
        keyCount += hasAutoKey ? 0 : 1;
    }
    for (std::size_t i = 0; i < LineSlots; ++i) {
        if (!isStoredField(form, i)) {
            continue;
        }
        ++count;
        length += form.maxLength[i];
        if (static_cast<int>(i) + 1 <= form.indexLine && !hasAutoKey) {
            ++keyCount;
        }
    }
    if (form.stampPosition == static_cast<Byte>(StampPosition::Bottom)) {
        ++count;
        length += StampLength;
    }
    form.fieldCount = static_cast<Byte>(count);
    form.keyFieldCount = static_cast<Byte>(keyCount);
    form.recordLengthCheck = lengthCheckOf(length);
    if (isCodeIdOn) {
        addCodeIdLengths(form);
    }
}

void clearRecordFigures(FormDef& form)
{
    form.fieldCount = 0;
    form.recordLengthCheck = 0;
    form.keyFieldCount = 0;
}

// Forms are taken in order, and a pass-down form flags its saving target as it is reached: a
// target with a lower number keeps the figures it was already given. Terminals in the field
// read files saved this way, so the order stays; the flag is counted on the next save.
void deriveRecordFigures(Project& project)
{
    const bool isCodeIdOn = project.device.codeIdOn != 0;
    for (FormDef& form : project.forms) {
        if (passesDown(form)) {
            clearRecordFigures(form);
            if (isFormTarget(form.nextTarget) && savesRecord(project.form(form.nextTarget))) {
                project.form(form.nextTarget).menuDataField = 1;
            }
        } else if (savesRecord(form) && form.lastInputLine != 0) {
            computeSavedRecordFigures(form, isCodeIdOn);
        } else {
            clearRecordFigures(form);
        }
    }
}

// The reader keeps its own copies of the sound and vibrator settings.
void copyReaderSettings(Project& project)
{
    const DeviceSettings& device = project.device;
    project.reader[ReaderByte::VibratorCopy] = device.vibratorDuration;
    project.reader[ReaderByte::SoundCopy] = device.sound;
    project.reader[ReaderByte::VibratorOnCopy] = device.vibratorDuration != 0 ? 1 : 0;
}

// The reader code that the terminal loads its reader driver by.
void deriveReaderCode(Project& project)
{
    const Byte type = project.device.readerType;
    Byte& code = project.reader[ReaderByte::ReaderCode];
    Byte& copy = project.reader[ReaderByte::ReaderCodeCopy];
    constexpr Byte RfidBit = 0x20;
    switch (type) {
    case 1:
        code = copy = 1;
        return;
    case 2:
        code = copy = 2;
        return;
    case 3:
        code = copy = 4;
        return;
    default:
        if (type > 10) {
            code |= RfidBit;
            copy |= RfidBit;
        }
    }
}

// Only the 2D imager can capture images; the RFID reader (tens digit) does not change that.
void switchOffImageCaptureWithout2dReader(Project& project)
{
    constexpr int Imager2d = 3;
    if (project.device.readerType % 10 != Imager2d) {
        project.reader[ReaderByte::ImageCaptureOn] = 0;
        project.device.protectImageCapture = 0;
    }
}

// An MSQI form looks its first line up by the lookup file's key field.
void linkMsqiKeyFields(Project& project)
{
    for (FormDef& form : project.forms) {
        const int k = effectiveLookupFile(form);
        if (form.msqiEnabled == 0 || k == 0) {
            continue;
        }
        const LookupDef& lookup = project.lookup(k);
        if (lookupFieldCount(lookup) != 0) {
            form.lookupLink[0] = static_cast<Byte>(lookup.keyField + 1);
        }
    }
}

}  // namespace

void deriveBeforeSave(Project& project, Model modelPreference)
{
    updateLookupLengths(project.forms, project.lookups);
    deriveMenuDataFlags(project);
    checkStartForm(project);
    deriveRecordFigures(project);
    if (modelPreference == Model::Q720PPC) {
        resetImageCapture(project);
    }
    copyReaderSettings(project);
    deriveReaderCode(project);
    project.device.modelStamp = static_cast<Byte>(modelPreference);
    switchOffImageCaptureWithout2dReader(project);
    linkMsqiKeyFields(project);
}

}  // namespace project
