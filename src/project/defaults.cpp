// SPDX-License-Identifier: MIT
#include "project/defaults.h"

#include "project/field_map.h"

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <span>
#include <utility>

namespace project {
namespace {

using texts::sid;

void resetDeviceContent(DeviceSettings& d, const texts::TextSource& texts, Model model)
{
    d.leadByte = 6;
    d.exportStore.zero();
    resetDeviceOptions(d, texts);
    d.modelStamp = static_cast<Byte>(model);
    d.imageStorePath.assign(DefaultStorePath);
}

}  // namespace

void resetDeviceOptions(DeviceSettings& d, const texts::TextSource& texts)
{
    d.startFrom = 0;
    d.delimiter1 = ',';
    d.delimiter2 = 0;
    d.autoPreload = 0;
    d.dataDeletion = 1;
    d.entryOptions = 1;
    d.promptStay = 6;
    d.sound = 9;
    // The vibrator, the password and every protection flag, with the reserved bytes among them.
    std::memset(&d.vibratorDuration, 0,
                offsetof(DeviceSettings, exportStore) - offsetof(DeviceSettings, vibratorDuration));
    d.exportStore.assign(texts.text(sid(3541)));
    d.reserved376.fill(0);
    d.autoRun = 0;
    d.deleteDatabaseOnOpen = 0;
}

void resetImageCaptureReaderBytes(ReaderSettings& reader)
{
    applyDefaults(readerSpec(), reader.bytes, ReaderByte::ImageCaptureFirst, ReaderByte::ImageCaptureLast);
}

void resetImageCapture(Project& project)
{
    resetImageCaptureReaderBytes(project.reader);
    project.device.protectImageCapture = 0;
    project.device.autoImageFileName = 0;
    project.device.imageStorePath.assign(DefaultStorePath);
}

void resetReader(Project& project)
{
    project.reader.bytes.fill(0);
    applyDefaults(readerSpec(), project.reader.bytes);
    DeviceSettings& d = project.device;
    d.readerType = 1;
    d.codeIdOn = 0;
    d.codeIds.fill(0);
    d.autoImageFileName = 0;
    d.imageStorePath.assign(DefaultStorePath);
    d.gs1Separator = 0;
    d.fileTitle.clear();
    d.defaultNamingRule = 0;
    resetImageCapture(project);
}

std::string defaultFormExportName(int number, const texts::TextSource& texts)
{
    const int twoDigits = number % 100;
    const char digits[] = {static_cast<char>('0' + twoDigits / 10), static_cast<char>('0' + twoDigits % 10), 0};
    return texts.text(sid(10)) + digits;
}

void resetForm(FormDef& form, int number, const texts::TextSource& texts)
{
    const auto kept = form.uninterpreted1533;
    std::memset(&form, 0, sizeof form);
    form.uninterpreted1533 = kept;

    // The stamp, key and export switches and the separators, as the field map gives them.
    applyDefaults(formSpec(), std::span(reinterpret_cast<Byte*>(&form), sizeof form));
    form.nextTarget = static_cast<Byte>(number);
    form.exportName.assign(defaultFormExportName(number, texts));
    form.inputSource.fill(2);
    form.maxLength.fill(160);
    form.partialLength.fill(20);
    form.autoEnter.fill(1);
}

void resetMenu(MenuDef& menu) { std::memset(&menu, 0, sizeof menu); }

void resetLookup(LookupDef& lookup, int number, const texts::TextSource& texts)
{
    std::memset(&lookup, 0, sizeof lookup);
    lookup.exportNameOn = 1;
    lookup.exportName.assign(texts.text(sid(1320 + number)));
}

void resetTransactionFile(TransactionFileSettings& transaction, const texts::TextSource& texts)
{
    const auto kept = transaction.unused35;
    std::memset(&transaction, 0, sizeof transaction);
    transaction.unused35 = kept;
    transaction.changeExportName = 1;
    transaction.exportName.assign(texts.text(sid(11)));
}

void resetContent(Project& project, const texts::TextSource& texts, Model modelPreference)
{
    for (MenuDef& menu : project.menus) {
        resetMenu(menu);
    }
    for (int n = 1; n <= MaxForms; ++n) {
        resetForm(project.form(n), n, texts);
    }
    for (int n = 1; n <= MaxLookups; ++n) {
        resetLookup(project.lookup(n), n, texts);
    }
    resetDeviceContent(project.device, texts, modelPreference);
    resetTransactionFile(project.transaction, texts);
}

void resetProject(Project& project, const texts::TextSource& texts, Model modelPreference)
{
    resetReader(project);
    resetContent(project, texts, modelPreference);
}

Project zeroProject()
{
    Project p;
    std::memset(&p, 0, sizeof p);
    return p;
}

}  // namespace project
