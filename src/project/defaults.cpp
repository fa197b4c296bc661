// SPDX-License-Identifier: MIT
#include "project/defaults.h"

#include <cstring>
#include <initializer_list>
#include <utility>

namespace project {
namespace {

using texts::sid;

struct ByteValue
{
    std::size_t offset;
    Byte value;
};

// Every non-zero default of block 4 outside the image-capture group, by byte position.
constexpr ByteValue readerDefaults[] = {
    // Shared bytes.
    {0, 7}, {341, 7}, {342, 2}, {343, 9}, {345, 2}, {347, 1}, {348, 1},
    // 1D laser/CCD: enable flags.
    {1, 1}, {10, 1}, {17, 1}, {24, 1}, {31, 1}, {42, 1}, {48, 1}, {53, 1}, {74, 1}, {75, 1},
    {76, 1}, {83, 1},
    // 1D laser/CCD: symbology parameters.
    {4, 1}, {7, 1}, {9, 1},
    {13, 1}, {14, 1}, {15, 127}, {16, 4},
    {18, 1}, {20, 1}, {21, 1}, {22, 127}, {23, 4},
    {25, 2}, {27, 1}, {28, 1}, {29, 127}, {30, 4},
    {35, 1}, {36, 1}, {37, 127}, {38, 4},
    {41, 1}, {45, 1}, {49, 1}, {56, 1}, {59, 1}, {60, 1}, {61, 1}, {63, 1},
    {65, 1}, {66, 1}, {67, 1}, {69, 1}, {70, 1}, {71, 1}, {73, 1},
    // 1D laser/CCD: reading behaviour.
    {78, 6}, {79, 3},
    // 1D extra long range: enable flags.
    {101, 1}, {102, 1}, {104, 1}, {105, 1}, {106, 1}, {120, 1}, {121, 1}, {122, 1}, {123, 1},
    {133, 1}, {137, 1}, {144, 1}, {148, 1}, {154, 1},
    // 1D extra long range: symbology parameters.
    {108, 14}, {109, 1}, {110, 1}, {111, 1}, {112, 1}, {113, 1}, {114, 1},
    {127, 3}, {128, 4}, {129, 55}, {134, 3}, {135, 4}, {136, 55}, {138, 3}, {139, 4}, {140, 55},
    {145, 3}, {146, 4}, {147, 55}, {149, 3}, {150, 4}, {151, 55}, {155, 3}, {156, 4}, {157, 55},
    {160, 1},
    // 1D extra long range: reading behaviour.
    {165, 30}, {166, 10},
    // 2D: enable flags.
    {191, 1}, {192, 1}, {194, 1}, {195, 1}, {196, 1}, {210, 1}, {211, 1}, {212, 1}, {213, 1},
    {223, 1}, {227, 1}, {233, 1}, {240, 1}, {244, 1}, {250, 1}, {265, 1}, {266, 1}, {267, 1},
    // 2D: UPC/EAN group.
    {198, 10}, {199, 1}, {200, 1}, {201, 1}, {202, 1}, {203, 1}, {204, 1}, {209, 1},
    // 2D: length groups, "Range" 4 to 55.
    {217, 3}, {218, 4}, {219, 55}, {224, 3}, {225, 4}, {226, 55}, {228, 3}, {229, 4}, {230, 55},
    {234, 3}, {235, 4}, {236, 55}, {241, 3}, {242, 4}, {243, 55}, {245, 3}, {246, 4}, {247, 55},
    {251, 3}, {252, 4}, {253, 55},
    // 2D: postal, composite, 2D symbologies, Macro PDF.
    {257, 1}, {258, 1}, {259, 1}, {260, 1}, {261, 1}, {262, 1}, {263, 1}, {264, 1},
    {269, 1}, {272, 1}, {274, 1}, {277, 1}, {278, 1}, {279, 1}, {280, 2}, {281, 1},
    // 2D: reading behaviour.
    {283, 30}, {284, 6}, {285, 1}, {286, 1}, {287, 1},
    // RFID reader.
    {311, 1}, {314, ','}, {318, 255}, {319, 10}, {320, 3},
};

constexpr ByteValue imageCaptureDefaults[] = {
    {291, 0}, {292, 1}, {293, 1}, {294, 1}, {295, 100}, {296, 10}, {297, 1},
    {298, 0}, {299, 1}, {300, 65}, {301, 40}, {302, 1}, {303, 2},
};

void resetDeviceContent(DeviceSettings& d, const texts::TextSource& texts, Model model)
{
    d.leadByte = 6;
    d.startFrom = 0;
    d.delimiter1 = 44;
    d.delimiter2 = 0;
    d.autoPreload = 0;
    d.dataDeletion = 1;
    d.entryOptions = 1;
    d.promptStay = 6;
    d.sound = 9;
    d.vibratorDuration = 0;
    d.password.zero();
    d.reserved83 = 0;
    for (Byte* flag : {&d.protectOpen, &d.protectImport, &d.protectExport, &d.protectEditData,
                       &d.protectDeleteData, &d.protectSettings, &d.protectAutoPreload,
                       &d.protectDataDeletion, &d.protectEntryOptions, &d.reserved93,
                       &d.protectVibrator, &d.protectImageCapture}) {
        *flag = 0;
    }
    d.reserved96.fill(0);
    d.exportStore.zero();
    d.exportStore.assign(texts.text(sid(3541)));
    d.reserved376.fill(0);
    d.autoRun = 0;
    d.modelStamp = static_cast<Byte>(model);
    d.imageStorePath.assign(DefaultStorePath);
    d.deleteDatabaseOnOpen = 0;
}

}  // namespace

void resetImageCaptureReaderBytes(ReaderSettings& reader)
{
    for (const auto& [offset, value] : imageCaptureDefaults) {
        reader[offset] = value;
    }
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
    for (const auto& [offset, value] : readerDefaults) {
        project.reader[offset] = value;
    }
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

    form.nextTarget = static_cast<Byte>(number);
    form.stampSplit = 1;
    form.dateYearOn = 1;
    form.dateMonthOn = 1;
    form.dateDayOn = 1;
    form.dateSeparatorOn = 1;
    form.dateSeparator.assign("/");
    form.timeHourOn = 1;
    form.timeMinuteOn = 1;
    form.timeSecondOn = 1;
    form.timeSeparatorOn = 1;
    form.timeSeparator.assign(":");
    form.autoKey = 1;
    form.exportNameOn = 1;
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
