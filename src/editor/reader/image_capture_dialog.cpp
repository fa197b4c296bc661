// SPDX-License-Identifier: MIT
// IMAGECAPTURE_2DDLG: how the 2D imager takes pictures and where the terminal stores them. The
// dialog edits a working copy: nothing is written before OK, and the number boxes show a stored
// value outside their range corrected, as OK then stores it.
#include "editor/reader/reader_dialogs.h"
#include "resources/imager_templates.h"

namespace editor::reader {
namespace {

using Id = resources::ImageCaptureId;
using texts::sid;

constexpr int exposureTimes[] = {5, 10, 15, 20, 25, 30};  // milliseconds
constexpr int formats[] = {1, 3};                         // JPEG, BMP
constexpr std::uint32_t Jpeg = 0b01;
constexpr std::uint32_t Bmp = 0b10;

constexpr Binding bindings[] = {
    flag(Id::IlluminationCheck, readerField("imageIllumination")),
    flag(Id::AutoexposureCheck, readerField("imageAutoexposure")),
    correctedOnOpen(number(Id::GainEdit, readerField("imageGain"), 79, 127, 3)),
    list(Id::ExposureList, sid(1811), 6, readerField("imageExposureTime"), exposureTimes),
    flag(Id::AimPatternCheck, readerField("imageSnapshotAimPattern")),
    list(Id::ResolutionList, sid(1831), 4, readerField("imageResolution")),
    list(Id::FormatList, sid(1851), 2, readerField("imageFormat"), formats),
    flag(Id::OptimizedForQualityCheck, readerField("imageOptimizedForJpegQuality")),
    correctedOnOpen(number(Id::QualityEdit, readerField("imageJpegQuality"), 5, 100, 3)),
    correctedOnOpen(number(Id::SizeEdit, readerField("imageJpegSize"), 5, 150, 3)),
    list(Id::BitsPerPixelList, sid(1871), 3, readerField("imageBitsPerPixel")),
    flag(Id::AutoFileNameCheck, deviceField("autoImageFileName")),
    flag(Id::DefaultNamingCheck, deviceField("defaultNamingRule")),
};

// Gain and exposure are set by hand only without autoexposure; a JPEG is optimised either for its
// quality or for its size; file titles only apply to names the terminal makes up. Every disabled
// control keeps its value.
constexpr auto Keep = WhenDisabled::Keep;
constexpr EnablingRule rules[] = {
    enabledWhileUnchecked(Id::GainEdit, Id::AutoexposureCheck),
    enabledWhileUnchecked(Id::GainLabel, Id::AutoexposureCheck),
    enabledWhileUnchecked(Id::ExposureList, Id::AutoexposureCheck),
    enabledWhileUnchecked(Id::ExposureLabel, Id::AutoexposureCheck),
    enabledWhileSelected(Id::BitsPerPixelList, Id::FormatList, Bmp),
    enabledWhileSelected(Id::BitsPerPixelLabel, Id::FormatList, Bmp),
    enabledWhileSelected(Id::OptimizedForQualityCheck, Id::FormatList, Jpeg, Keep),
    enabledWhileChecked(Id::QualityEdit, Id::OptimizedForQualityCheck),
    enabledWhileChecked(Id::QualityLabel, Id::OptimizedForQualityCheck),
    enabledWhileUnchecked(Id::SizeEdit, Id::OptimizedForQualityCheck),
    enabledWhileUnchecked(Id::SizeLabel, Id::OptimizedForQualityCheck),
    enabledWhileChecked(Id::FileTitleEdit, Id::AutoFileNameCheck),
    enabledWhileChecked(Id::FileTitleLabel, Id::AutoFileNameCheck),
    enabledWhileChecked(Id::DefaultNamingCheck, Id::AutoFileNameCheck, Keep),
};

constexpr ui::TextReplacement captions[] = {
    {Id::IlluminationCheck, sid(1202), 2},     {Id::GainLabel, sid(1204), 2},
    {Id::AimPatternCheck, sid(1206)},          {Id::ResolutionLabel, sid(1207), 2},
    {Id::OptimizedForQualityCheck, sid(1209)}, {Id::QualityLabel, sid(1210), 4},
    {Id::AutoFileNameCheck, sid(1214)},        {Id::FileTitleLabel, sid(1215)},
    {Id::DefaultNamingCheck, sid(1216)},
};

// The image folder and the file title are texts of the system settings: shown at opening, stored
// at OK with their terminating zero.
struct TextSlot
{
    ui::ControlId edit;
    FieldRef field;
    std::size_t maxChars;
    [[nodiscard]] constexpr FieldRef at(std::size_t i) const { return {field.record, field.offset + i}; }
};
constexpr TextSlot textSlots[] = {
    {Id::ImageStoreEdit, deviceField("imageStorePath"), decltype(project::DeviceSettings::imageStorePath)::maxChars},
    {Id::FileTitleEdit, deviceField("fileTitle"), decltype(project::DeviceSettings::fileTitle)::maxChars},
};

void showTexts(ParameterDialogModel& dialog, ui::ControlId changed)
{
    if (changed != ui::ControlId{}) {
        return;  // only at opening
    }
    for (const TextSlot& slot : textSlots) {
        std::string text;
        for (std::size_t i = 0; i < slot.maxChars && dialog.byte(slot.at(i)) != 0; ++i) {
            text += static_cast<char>(dialog.byte(slot.at(i)));
        }
        dialog.shown().setTextLimit(slot.edit, static_cast<int>(slot.maxChars));
        dialog.shown().setText(slot.edit, text);
    }
}

void storeTexts(ParameterDialogModel& dialog)
{
    for (const TextSlot& slot : textSlots) {
        const std::string& text = dialog.shown().text(slot.edit);
        for (std::size_t i = 0; i <= slot.maxChars; ++i) {
            dialog.byte(slot.at(i)) =
                i < std::min(text.size(), slot.maxChars) ? static_cast<project::Byte>(text[i]) : 0;
        }
    }
}

}  // namespace

constexpr ParameterDialogSpec imageCaptureDialog{
    .dialogTemplate = resources::imageCaptureTemplate,
    .titleEntry = sid(1201),
    .captions = captions,
    .bindings = bindings,
    .rules = rules,
    .commit = CommitPolicy::OnOk,
    .hooks = {.afterChange = showTexts, .afterStore = storeTexts},
};

}  // namespace editor::reader
