// SPDX-License-Identifier: MIT
#include "project/derivation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "project/defaults.h"
#include "project/document_io.h"
#include "project/form_rules.h"
#include "texts/runtime_texts.h"
#include "texts/text_source.h"

namespace project {
namespace {

constexpr Byte Save = static_cast<Byte>(RecordAction::Save);
constexpr Byte UpdateLookup = static_cast<Byte>(RecordAction::UpdateLookup);
constexpr Byte SaveAndUpdate = static_cast<Byte>(RecordAction::SaveAndUpdate);
constexpr Byte PassDown = static_cast<Byte>(RecordAction::PassDown);

Byte t(LineType type) { return lineCode(type); }

class Derivation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        p = std::make_unique<Project>(zeroProject());
        resetProject(*p, texts::BuiltinTextSource{}, Model::Q720CE);
    }

    // A stored "text" line of the given maximum length on `line` (1 to 15).
    void addTextLine(int form, int line, Byte maxLength)
    {
        FormDef& f = p->form(form);
        const auto i = static_cast<std::size_t>(line - 1);
        f.lineType[i] = t(LineType::Text);
        f.maxLength[i] = maxLength;
        f.lastInputLine = std::max<Byte>(f.lastInputLine, static_cast<Byte>(line));
    }

    void menuLeadsTo(int menu, int item, Byte target)
    {
        p->menu(menu).itemNext[static_cast<std::size_t>(item - 1)] = target;
    }

    void derive(Model model = Model::Q720CE) { deriveBeforeSave(*p, model); }

    std::unique_ptr<Project> p;
};

// Step 1: lookup lengths.

TEST_F(Derivation, LookupLinesTakeTheirFieldLengthBeforeTheFiguresAreCounted)
{
    p->lookup(1).numFields = 1;
    p->lookup(1).fieldLength[0] = 12;
    FormDef& form = p->form(1);
    form.lookupFile = 1;
    form.lineType[0] = t(LineType::Lookup);
    form.lookupLink[0] = 1;
    form.initialValueOn[0] = 1;
    form.lastInputLine = 1;
    derive();
    EXPECT_EQ(form.maxLength[0], 12);
    EXPECT_EQ(form.recordLengthCheck, 8 + 12);
}

TEST_F(Derivation, LookupLineWithoutLinkGets160)
{
    FormDef& form = p->form(2);
    form.lookupFile = 3;
    form.lineType[4] = t(LineType::Lookup);
    form.maxLength[4] = 7;
    derive();
    EXPECT_EQ(form.maxLength[4], 160);
}

// Step 2: menu data flags.

TEST_F(Derivation, FormReachedFromMenuWithoutSavedDataHasNoMenuDataField)
{
    p->form(3).menuDataField = 1;
    menuLeadsTo(1, 1, 3);
    menuLeadsTo(2, 4, 3);
    derive();
    EXPECT_EQ(p->form(3).menuDataField, 0);
}

TEST_F(Derivation, SavingFormReachedFromMenuThatKeepsCaptionGetsMenuDataField)
{
    p->menu(1).saveCaption = 1;
    menuLeadsTo(1, 2, 5);
    p->form(5).recordAction = SaveAndUpdate;
    menuLeadsTo(1, 3, 6);
    p->form(6).recordAction = UpdateLookup;
    derive();
    EXPECT_EQ(p->form(5).menuDataField, 1);
    EXPECT_EQ(p->form(6).menuDataField, 0);
}

TEST_F(Derivation, MenuItemCountsWhateverItsNameAndPosition)
{
    p->menu(4).saveSelectedItem = 1;
    p->menu(4).itemCount = 2;
    menuLeadsTo(4, 15, 7);  // item 15 has no name and lies beyond the item count
    derive();
    EXPECT_EQ(p->form(7).menuDataField, 1);
}

TEST_F(Derivation, LastItemThatTargetsAFormDecides)
{
    p->menu(1).saveCaption = 1;
    menuLeadsTo(1, 1, 8);
    menuLeadsTo(2, 1, 8);  // menu 2 keeps nothing and comes later
    derive();
    EXPECT_EQ(p->form(8).menuDataField, 0);
}

TEST_F(Derivation, PassDownChainMarksTheFirstFormThatSaves)
{
    p->menu(1).saveCaption = 1;
    menuLeadsTo(1, 1, 2);
    p->form(2).recordAction = PassDown;
    p->form(2).nextTarget = 3;
    p->form(3).recordAction = PassDown;
    p->form(3).nextTarget = 4;
    p->form(4).recordAction = Save;
    derive();
    EXPECT_EQ(p->form(4).menuDataField, 1);
    EXPECT_EQ(p->form(2).menuDataField, 0);
}

TEST_F(Derivation, PassDownChainEndingInUpdateLookupMarksNothing)
{
    p->menu(1).saveCaption = 1;
    menuLeadsTo(1, 1, 2);
    p->form(2).recordAction = PassDown;
    p->form(2).nextTarget = 9;
    p->form(9).recordAction = UpdateLookup;
    derive();
    EXPECT_EQ(p->form(9).menuDataField, 0);
}

TEST_F(Derivation, PassDownChainInACircleEndsAndMarksNothing)
{
    p->menu(1).saveCaption = 1;
    menuLeadsTo(1, 1, 2);
    for (int f = 2; f <= 4; ++f) {
        p->form(f).recordAction = PassDown;
        p->form(f).nextTarget = static_cast<Byte>(f == 4 ? 2 : f + 1);
    }
    p->form(10).recordAction = PassDown;  // nextTarget is itself after a reset
    menuLeadsTo(1, 2, 10);
    derive();
    for (const FormDef& form : p->forms) {
        EXPECT_EQ(form.menuDataField, 0);
    }
}

TEST_F(Derivation, PassDownChainLeavingTheFormsEndsAndMarksNothing)
{
    p->menu(1).saveCaption = 1;
    menuLeadsTo(1, 1, 2);
    p->form(2).recordAction = PassDown;
    p->form(2).nextTarget = 3;
    p->form(3).recordAction = PassDown;
    p->form(3).nextTarget = 25;  // a menu
    p->form(11).recordAction = PassDown;
    p->form(11).nextTarget = 0;  // main
    menuLeadsTo(1, 2, 11);
    p->form(12).recordAction = PassDown;
    p->form(12).nextTarget = 200;  // no target code at all
    menuLeadsTo(1, 3, 12);
    derive();
    for (const FormDef& form : p->forms) {
        EXPECT_EQ(form.menuDataField, 0);
    }
}

// Step 3: form 1.

TEST_F(Derivation, StartFormKeepsMenuDataOnlyWhenAMenuLeadsThere)
{
    p->form(1).menuDataField = 1;  // left over from an earlier save
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 0);

    p->form(1).menuDataField = 1;
    menuLeadsTo(3, 9, 1);
    p->menu(3).saveSelectedItem = 1;
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 1);
}

TEST_F(Derivation, StartFormCheckWantsAnItemLeadingToForm1Itself)
{
    p->form(1).menuDataField = 1;
    menuLeadsTo(3, 9, 2);
    menuLeadsTo(3, 10, 21);  // menu 1
    p->menu(3).saveSelectedItem = 1;
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 0);
}

TEST_F(Derivation, Form1KeepsItsFlagWhenTheProgramStartsFromTheMainMenu)
{
    p->device.startFrom = 1;
    p->form(1).menuDataField = 1;
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 1);
}

TEST_F(Derivation, PassDownFormLeadingToForm1GivesItTheFlagAfterTheCheck)
{
    p->form(2).recordAction = PassDown;
    p->form(2).nextTarget = 1;
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 1);
}

// Step 4: record figures.

TEST_F(Derivation, AutoKeyFormWithTwoTextLines)
{
    addTextLine(1, 1, 20);
    addTextLine(1, 2, 30);
    derive();
    EXPECT_EQ(p->form(1).fieldCount, 3);
    EXPECT_EQ(p->form(1).keyFieldCount, 1);
    EXPECT_EQ(p->form(1).recordLengthCheck, 58);
}

TEST_F(Derivation, RecordLengthCheckIs255ForFullMultiplesOf255)
{
    FormDef& form = p->form(1);
    form.autoKey = 0;
    addTextLine(1, 1, 160);
    addTextLine(1, 2, 95);
    derive();
    EXPECT_EQ(form.recordLengthCheck, 255);

    addTextLine(1, 3, 160);
    addTextLine(1, 4, 95);
    derive();
    EXPECT_EQ(form.recordLengthCheck, 255);  // 510

    form.maxLength[3] = 0;
    form.maxLength[2] = 1;
    derive();
    EXPECT_EQ(form.recordLengthCheck, 1);  // 256
}

TEST_F(Derivation, ZeroLengthGivesZeroCheck)
{
    FormDef& form = p->form(1);
    form.autoKey = 0;
    addTextLine(1, 1, 0);
    derive();
    EXPECT_EQ(form.fieldCount, 1);
    EXPECT_EQ(form.recordLengthCheck, 0);
}

TEST_F(Derivation, LookupLineWithoutSaveFieldDataAddsNothing)
{
    FormDef& form = p->form(1);
    form.lookupFile = 1;
    form.lineType[0] = t(LineType::Lookup);
    form.lastInputLine = 1;
    derive();
    EXPECT_EQ(form.fieldCount, 1);
    EXPECT_EQ(form.recordLengthCheck, 8);
}

TEST_F(Derivation, ImageLineCountsOnlyWithSavePath)
{
    FormDef& form = p->form(1);
    form.lineType[0] = t(LineType::Image);
    form.maxLength[0] = 100;
    form.lastInputLine = 1;
    derive();
    EXPECT_EQ(form.fieldCount, 1);
    form.imageSavePath[0] = 1;
    derive();
    EXPECT_EQ(form.fieldCount, 2);
    EXPECT_EQ(form.recordLengthCheck, 108);
}

TEST_F(Derivation, StoredTypesIncludeFixedDataAlphamericAndMsqiButNotPrompts)
{
    FormDef& form = p->form(1);
    const LineType stored[] = {LineType::Integer, LineType::FixedData, LineType::Alphameric, LineType::Msqi};
    const LineType notStored[] = {LineType::Prompt, LineType::Counter, LineType::PassDown, LineType::Extension,
                                  LineType::Pause};
    std::size_t i = 0;
    for (LineType type : stored) {
        form.lineType[i] = t(type);
        form.maxLength[i++] = 10;
    }
    for (LineType type : notStored) {
        form.lineType[i] = t(type);
        form.maxLength[i++] = 10;
    }
    form.lastInputLine = 12;
    derive();
    EXPECT_EQ(form.fieldCount, 1 + 4);
    EXPECT_EQ(form.recordLengthCheck, 8 + 40);
}

TEST_F(Derivation, KeyCountsIndexLinesMenuDataAndTopStampWithoutAutoKey)
{
    FormDef& form = p->form(3);
    form.autoKey = 0;
    form.indexLine = 2;
    form.stampPosition = static_cast<Byte>(StampPosition::Top);
    p->menu(1).saveCaption = 1;
    menuLeadsTo(1, 1, 3);
    addTextLine(3, 1, 10);
    addTextLine(3, 2, 10);
    addTextLine(3, 3, 10);
    derive();
    EXPECT_EQ(form.fieldCount, 5);
    EXPECT_EQ(form.keyFieldCount, 4);
    EXPECT_EQ(form.recordLengthCheck, 160 + 20 + 30);
}

TEST_F(Derivation, BottomStampCountsButIsNoKey)
{
    FormDef& form = p->form(3);
    form.autoKey = 0;
    form.indexLine = 1;
    form.stampPosition = static_cast<Byte>(StampPosition::Bottom);
    addTextLine(3, 1, 10);
    derive();
    EXPECT_EQ(form.fieldCount, 2);
    EXPECT_EQ(form.keyFieldCount, 1);
    EXPECT_EQ(form.recordLengthCheck, 30);
}

TEST_F(Derivation, FormsWithoutInputOrThatUpdateLookupsGetNoFigures)
{
    FormDef& form = p->form(5);
    form.fieldCount = 9;
    form.recordLengthCheck = 9;
    form.keyFieldCount = 9;
    form.lineType[0] = t(LineType::Text);  // but lastInputLine 0
    derive();
    EXPECT_EQ(form.fieldCount, 0);
    EXPECT_EQ(form.recordLengthCheck, 0);
    EXPECT_EQ(form.keyFieldCount, 0);

    addTextLine(5, 1, 10);
    form.recordAction = UpdateLookup;
    derive();
    EXPECT_EQ(form.fieldCount, 0);
}

TEST_F(Derivation, PassDownFormHasNoFiguresAndMarksItsSavingTarget)
{
    addTextLine(6, 1, 10);
    p->form(6).recordAction = PassDown;
    p->form(6).nextTarget = 7;
    addTextLine(7, 1, 10);
    derive();
    EXPECT_EQ(p->form(6).fieldCount, 0);
    EXPECT_EQ(p->form(7).menuDataField, 1);
    EXPECT_EQ(p->form(7).fieldCount, 3);
    EXPECT_EQ(p->form(7).recordLengthCheck, 8 + 160 + 10);
}

TEST_F(Derivation, LowerNumberedPassDownTargetCountsItsMenuDataField)
{
    addTextLine(2, 1, 10);
    p->form(9).recordAction = PassDown;
    p->form(9).nextTarget = 2;
    derive();
    EXPECT_EQ(p->form(2).menuDataField, 1);
    EXPECT_EQ(p->form(2).fieldCount, 3);
    EXPECT_EQ(p->form(2).recordLengthCheck, 8 + 160 + 10);
}

TEST_F(Derivation, SavingTwiceGivesTheSameFiguresWhenAPassDownLeadsBack)
{
    addTextLine(2, 1, 10);
    p->form(3).recordAction = PassDown;
    p->form(3).nextTarget = 2;
    derive();
    const FormDef once = p->form(2);
    derive();
    EXPECT_EQ(p->form(2).fieldCount, once.fieldCount);
    EXPECT_EQ(p->form(2).recordLengthCheck, once.recordLengthCheck);
    EXPECT_EQ(p->form(2).keyFieldCount, once.keyFieldCount);
}

TEST_F(Derivation, DataLengthIsLeftAloneWithoutCodeIds)
{
    addTextLine(1, 1, 10);
    p->form(1).dataLength[0] = 77;
    derive();
    EXPECT_EQ(p->form(1).dataLength[0], 77);
}

TEST_F(Derivation, CodeIdsAddTwoToTheCommittedDataLengthOnce)
{
    p->device.codeIdOn = 1;
    addTextLine(1, 1, 10);
    FormDef& form = p->form(1);
    form.fixedLengthOn[0] = 1;
    form.fixedLength[0] = 12;
    form.prefixOn[0] = 1;
    form.prefix[0].assign("AB");
    form.dataLength[0] = 14;
    derive();
    EXPECT_EQ(form.dataLength[0], 16);
    EXPECT_EQ(form.dataLength[5], 2);
    derive();
    EXPECT_EQ(form.dataLength[0], 16);
}

TEST_F(Derivation, CodeIdLengthIsKeptAt255)
{
    p->device.codeIdOn = 1;
    addTextLine(1, 1, 10);
    FormDef& form = p->form(1);
    form.fixedLengthOn[0] = 1;
    form.fixedLength[0] = 254;
    derive();
    EXPECT_EQ(form.dataLength[0], 255);
}

TEST_F(Derivation, CodeIdsLeaveFormsWithoutFiguresAlone)
{
    p->device.codeIdOn = 1;
    p->form(4).dataLength[0] = 5;
    derive();
    EXPECT_EQ(p->form(4).dataLength[0], 5);
}

TEST_F(Derivation, SavingTwiceGivesTheSameFile)
{
    p->device.codeIdOn = 1;
    addTextLine(1, 1, 10);
    p->form(1).suffixOn[0] = 1;
    p->form(1).suffix[0].assign("\r");
    const auto first = saveProject(*p, Model::Q720PPC);
    const auto second = saveProject(*p, Model::Q720PPC);
    EXPECT_EQ(first, second);
}

// Step 5: image capture for the Q720PPC.

TEST_F(Derivation, Q720PpcGetsTheImageCaptureValues)
{
    p->device.readerType = 3;
    p->reader[ReaderByte::ImageCaptureOn] = 1;
    p->reader[295] = 7;
    p->device.autoImageFileName = 1;
    p->device.imageStorePath.assign("\\Other");
    derive(Model::Q720PPC);
    EXPECT_EQ(p->reader[ReaderByte::ImageCaptureOn], 0);
    EXPECT_EQ(p->reader[295], 100);
    EXPECT_EQ(p->device.autoImageFileName, 0);
    EXPECT_EQ(p->device.imageStorePath.str(), "\\DiskOnChip");
}

TEST_F(Derivation, Q720CeKeepsItsImageCaptureValues)
{
    p->device.readerType = 3;
    p->reader[ReaderByte::ImageCaptureOn] = 1;
    p->reader[295] = 7;
    p->device.protectImageCapture = 1;
    derive(Model::Q720CE);
    EXPECT_EQ(p->reader[ReaderByte::ImageCaptureOn], 1);
    EXPECT_EQ(p->reader[295], 7);
    EXPECT_EQ(p->device.protectImageCapture, 1);
}

// Step 6: reader copies.

TEST_F(Derivation, ReaderCopiesSoundAndVibrator)
{
    p->device.sound = 4;
    p->device.vibratorDuration = 3;
    derive();
    EXPECT_EQ(p->reader[ReaderByte::SoundCopy], 4);
    EXPECT_EQ(p->reader[ReaderByte::VibratorCopy], 3);
    EXPECT_EQ(p->reader[ReaderByte::VibratorOnCopy], 1);
    p->device.vibratorDuration = 0;
    derive();
    EXPECT_EQ(p->reader[ReaderByte::VibratorOnCopy], 0);
}

// Step 7: reader code.

TEST_F(Derivation, ReaderCodeFollowsTheReaderType)
{
    const std::pair<Byte, Byte> cases[] = {{1, 1}, {2, 2}, {3, 4}};
    for (const auto& [type, code] : cases) {
        p->device.readerType = type;
        derive();
        EXPECT_EQ(p->reader[ReaderByte::ReaderCode], code) << "type " << int(type);
        EXPECT_EQ(p->reader[ReaderByte::ReaderCodeCopy], code) << "type " << int(type);
    }
}

TEST_F(Derivation, RfidReaderAddsItsBitAndKeepsTheOthers)
{
    p->reader[ReaderByte::ReaderCode] = 4;
    p->reader[ReaderByte::ReaderCodeCopy] = 0x41;
    p->device.readerType = 13;
    derive();
    EXPECT_EQ(p->reader[ReaderByte::ReaderCode], 0x24);
    EXPECT_EQ(p->reader[ReaderByte::ReaderCodeCopy], 0x61);
}

TEST_F(Derivation, OtherReaderTypesLeaveTheCodeAlone)
{
    for (const Byte type : {Byte{0}, Byte{4}, Byte{10}}) {
        p->reader[ReaderByte::ReaderCode] = 0x55;
        p->reader[ReaderByte::ReaderCodeCopy] = 0x66;
        p->device.readerType = type;
        derive();
        EXPECT_EQ(p->reader[ReaderByte::ReaderCode], 0x55) << "type " << int(type);
        EXPECT_EQ(p->reader[ReaderByte::ReaderCodeCopy], 0x66) << "type " << int(type);
    }
}

// Step 8: model stamp.

TEST_F(Derivation, ModelStampIsTheModelPreference)
{
    derive(Model::Q720PPC);
    EXPECT_EQ(p->device.modelStamp, 1);
    derive(Model::Q720CE);
    EXPECT_EQ(p->device.modelStamp, 0);
}

// Step 9: image capture needs the 2D reader.

TEST_F(Derivation, ImageCaptureIsSwitchedOffWithoutThe2dReader)
{
    p->device.readerType = 1;
    p->reader[ReaderByte::ImageCaptureOn] = 1;
    p->device.protectImageCapture = 1;
    derive();
    EXPECT_EQ(p->reader[ReaderByte::ImageCaptureOn], 0);
    EXPECT_EQ(p->device.protectImageCapture, 0);
}

TEST_F(Derivation, TwoDReaderWithRfidKeepsImageCapture)
{
    p->device.readerType = 13;
    p->reader[ReaderByte::ImageCaptureOn] = 1;
    p->device.protectImageCapture = 1;
    derive();
    EXPECT_EQ(p->reader[ReaderByte::ImageCaptureOn], 1);
    EXPECT_EQ(p->device.protectImageCapture, 1);
}

// Step 10: MSQI links.

TEST_F(Derivation, MsqiFormLinksLine1ToTheKeyField)
{
    FormDef& form = p->form(2);
    form.msqiEnabled = 1;
    form.lookupFile = 4;
    p->lookup(4).numFields = 5;
    p->lookup(4).keyField = 3;
    derive();
    EXPECT_EQ(form.lookupLink[0], 4);
}

TEST_F(Derivation, MsqiLinkNeedsFieldsAndALookupFile)
{
    FormDef& form = p->form(2);
    form.msqiEnabled = 1;
    form.lookupLink[0] = 9;
    form.lookupFile = 4;
    p->lookup(4).keyField = 3;
    derive();
    EXPECT_EQ(form.lookupLink[0], 9);

    form.lookupFile = 0;
    p->lookup(4).numFields = 2;
    derive();
    EXPECT_EQ(form.lookupLink[0], 9);
}

TEST_F(Derivation, MsqiFormWithLookupFileAboveFiveIsLeftAlone)
{
    FormDef& form = p->form(2);
    form.msqiEnabled = 1;
    form.lookupFile = 200;
    form.lookupLink[0] = 9;
    for (LookupDef& lookup : p->lookups) {
        lookup.numFields = 3;
    }
    derive();
    EXPECT_EQ(form.lookupLink[0], 9);
    EXPECT_EQ(form.lookupFile, 200);
}

}  // namespace
}  // namespace project
