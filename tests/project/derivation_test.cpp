// SPDX-License-Identifier: MIT
#include "project/derivation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "project/document_io.h"
#include "project/form_rules.h"
#include "support/project_fixtures.h"

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

    void passDown(int form, Byte target)
    {
        p->form(form).recordAction = PassDown;
        p->form(form).nextTarget = target;
    }

    void expectFigures(int form, int fieldCount, int keyFieldCount, int recordLengthCheck)
    {
        EXPECT_EQ(p->form(form).fieldCount, fieldCount);
        EXPECT_EQ(p->form(form).keyFieldCount, keyFieldCount);
        EXPECT_EQ(p->form(form).recordLengthCheck, recordLengthCheck);
    }

    void derive(Model model = Model::Q720CE) { deriveBeforeSave(*p, model); }

    std::unique_ptr<Project> p = testing_support::startedProject();
};

// Menu data flags.

// A saving form reached from a menu that keeps its caption or item gets the flag; a form
// keeps the flag of the last item that targets it.
TEST_F(Derivation, SavingFormReachedFromAKeepingMenuGetsTheMenuDataField)
{
    p->menu(1).saveCaption = 1;
    menuLeadsTo(1, 2, 5);
    p->form(5).recordAction = SaveAndUpdate;
    menuLeadsTo(1, 3, 6);
    p->form(6).recordAction = UpdateLookup;
    p->menu(4).saveSelectedItem = 1;
    p->menu(4).itemCount = 2;
    menuLeadsTo(4, 15, 7);  // item 15 has no name and lies beyond the item count, but counts
    p->form(3).menuDataField = 1;
    menuLeadsTo(2, 1, 3);
    menuLeadsTo(5, 4, 3);  // neither menu keeps anything
    menuLeadsTo(1, 1, 8);
    menuLeadsTo(2, 2, 8);  // menu 2 comes later
    derive();
    for (const int form : {5, 6, 7, 3, 8}) {
        EXPECT_EQ(p->form(form).menuDataField, form == 5 || form == 7 ? 1 : 0) << "form " << form;
    }
}

// A chain marks its first saving form; chains that end in a form updating a lookup, run in a
// circle or leave the forms end and mark nothing.
TEST_F(Derivation, PassDownChainMarksOnlyItsFirstSavingForm)
{
    p->menu(1).saveCaption = 1;
    passDown(2, 3);
    passDown(3, 4);
    passDown(4, 2);
    passDown(10, 10);
    passDown(5, 6);
    passDown(6, 25);    // a menu
    passDown(11, 0);    // main
    passDown(12, 200);  // no target code at all
    passDown(13, 9);
    p->form(9).recordAction = UpdateLookup;
    passDown(14, 15);
    passDown(15, 16);
    p->form(16).recordAction = Save;
    int item = 1;
    for (const Byte start : {2, 10, 5, 11, 12, 13, 14}) {
        menuLeadsTo(1, item++, start);
    }
    derive();
    for (int form = 1; form <= 20; ++form) {
        EXPECT_EQ(p->form(form).menuDataField, form == 16 ? 1 : 0) << "form " << form;
    }
}

// Form 1 is checked after the menu flags and before the pass-down forms mark their targets.
TEST_F(Derivation, StartFormKeepsMenuDataOnlyWhenAKeepingMenuLeadsToItself)
{
    p->form(1).menuDataField = 1;  // left over from an earlier save
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 0);

    p->form(1).menuDataField = 1;
    p->menu(3).saveSelectedItem = 1;
    menuLeadsTo(3, 9, 2);
    menuLeadsTo(3, 10, 21);  // menu 1
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 0);

    p->form(1).menuDataField = 1;
    menuLeadsTo(3, 9, 1);
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 1);

    menuLeadsTo(3, 9, 2);
    p->device.startFrom = 1;  // the program starts from the main menu: no check
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 1);

    p->device.startFrom = 0;
    p->menu(3).saveSelectedItem = 0;
    p->form(1).menuDataField = 0;
    passDown(2, 1);
    derive();
    EXPECT_EQ(p->form(1).menuDataField, 1) << "a pass-down form leading to form 1";
}

// Record figures.

TEST_F(Derivation, FiguresCountTheStoredLinesAndCheckTheLengthModulo255)
{
    struct Case
    {
        const char* name;
        Byte autoKey;
        std::vector<Byte> lengths;
        int fieldCount, keyFieldCount, recordLengthCheck;
    };
    const Case cases[] = {
        {"automatic key and two lines", 1, {20, 30}, 3, 1, 58},
        {"exactly 255", 0, {160, 95}, 2, 0, 255},
        {"510", 0, {160, 95, 160, 95}, 4, 0, 255},
        {"256", 0, {160, 95, 1}, 3, 0, 1},
        {"zero length", 0, {0}, 1, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        p = testing_support::startedProject();
        p->form(1).autoKey = c.autoKey;
        for (std::size_t i = 0; i < c.lengths.size(); ++i) {
            addTextLine(1, static_cast<int>(i + 1), c.lengths[i]);
        }
        derive();
        expectFigures(1, c.fieldCount, c.keyFieldCount, c.recordLengthCheck);
    }
}

TEST_F(Derivation, StoredFieldsAreTheStoredTypesWithTheirSwitches)
{
    FormDef& form = p->form(1);
    const LineType lines[] = {LineType::Integer, LineType::FixedData, LineType::Alphameric, LineType::Msqi,
                              LineType::Prompt,  LineType::Counter,   LineType::PassDown,   LineType::Extension,
                              LineType::Pause,   LineType::Lookup,    LineType::Image};
    for (std::size_t i = 0; i < std::size(lines); ++i) {
        form.lineType[i] = t(lines[i]);
        form.maxLength[i] = 10;
    }
    form.lastInputLine = 12;
    form.lookupFile = 1;
    derive();
    expectFigures(1, 1 + 4, 1, 8 + 40);  // lookup without "Save field data", image without save path

    form.initialValueOn[9] = 1;
    form.lookupLink[9] = 1;
    p->lookup(1).numFields = 1;
    p->lookup(1).fieldLength[0] = 12;  // taken before the figures are counted
    form.imageSavePath[10] = 1;
    derive();
    EXPECT_EQ(form.maxLength[9], 12);
    expectFigures(1, 1 + 6, 1, 8 + 40 + 12 + 10);
}

TEST_F(Derivation, KeyCountsIndexLinesMenuDataAndTopStampWithoutAutoKey)
{
    FormDef& form = p->form(3);
    form.autoKey = 0;
    form.indexLine = 2;
    form.stampPosition = static_cast<Byte>(StampPosition::Top);
    p->menu(1).saveCaption = 1;
    menuLeadsTo(1, 1, 3);
    for (int line = 1; line <= 3; ++line) {
        addTextLine(3, line, 10);
    }
    derive();
    expectFigures(3, 5, 4, 160 + 20 + 30);

    p->menu(1).saveCaption = 0;
    form.indexLine = 1;
    form.stampPosition = static_cast<Byte>(StampPosition::Bottom);
    derive();
    SCOPED_TRACE("a bottom stamp counts but is no key");
    expectFigures(3, 4, 1, 30 + 20);
}

// Forms without input, forms that update a lookup and pass-down forms have no figures; a
// pass-down form marks its saving target. Forms are taken in order: a
// target before its pass-down form was counted before it got the flag, and counts the menu data
// field from the next save on.
TEST_F(Derivation, PassDownFormMarksItsTargetWhichAnEarlierFormCountsOneSaveLate)
{
    addTextLine(6, 1, 10);
    passDown(6, 7);
    addTextLine(7, 1, 10);
    passDown(8, 2);
    addTextLine(2, 1, 10);
    p->form(5).fieldCount = p->form(5).recordLengthCheck = p->form(5).keyFieldCount = 9;
    p->form(5).lineType[0] = t(LineType::Text);  // but lastInputLine 0: no input
    addTextLine(9, 1, 10);
    p->form(9).recordAction = UpdateLookup;
    derive();
    expectFigures(5, 0, 0, 0);
    expectFigures(9, 0, 0, 0);
    expectFigures(6, 0, 0, 0);
    EXPECT_EQ(p->form(7).menuDataField, 1);
    expectFigures(7, 3, 1, 8 + 160 + 10);
    EXPECT_EQ(p->form(2).menuDataField, 1);
    expectFigures(2, 2, 1, 8 + 10);
    derive();
    expectFigures(2, 3, 1, 8 + 160 + 10);
}

// Code IDs add two to the data length of the lines of forms with figures.

TEST_F(Derivation, CodeIdsAddTwoToTheCommittedDataLengthOnce)
{
    addTextLine(1, 1, 10);
    FormDef& form = p->form(1);
    form.dataLength[0] = 77;
    derive();
    EXPECT_EQ(form.dataLength[0], 77) << "without code IDs";

    p->device.codeIdOn = 1;
    form.fixedLengthOn[0] = 1;
    form.fixedLength[0] = 12;
    form.prefixOn[0] = 1;
    form.prefix[0].assign("AB");
    p->form(4).dataLength[0] = 5;  // a form without figures
    derive();
    EXPECT_EQ(form.dataLength[0], 16);
    EXPECT_EQ(form.dataLength[5], 2);
    EXPECT_EQ(p->form(4).dataLength[0], 5);
    derive();
    EXPECT_EQ(form.dataLength[0], 16);

    form.prefixOn[0] = 0;
    form.fixedLength[0] = 254;
    derive();
    EXPECT_EQ(form.dataLength[0], 255) << "kept at 255 instead of wrapping";
}

// Reader and system settings.

TEST_F(Derivation, OnlyTheQ720PpcGetsTheImageCaptureValues)
{
    for (const Model model : {Model::Q720PPC, Model::Q720CE}) {
        const bool isPpc = model == Model::Q720PPC;
        SCOPED_TRACE(isPpc ? "Q720PPC" : "Q720CE");
        p->device.readerType = 3;
        p->reader[ReaderByte::ImageCaptureOn] = 1;
        p->reader[295] = 7;
        p->device.protectImageCapture = 1;
        p->device.autoImageFileName = 1;
        p->device.imageStorePath.assign("\\Other");
        derive(model);
        EXPECT_EQ(p->reader[ReaderByte::ImageCaptureOn], isPpc ? 0 : 1);
        EXPECT_EQ(p->reader[295], isPpc ? 100 : 7);
        EXPECT_EQ(p->device.protectImageCapture, isPpc ? 0 : 1);
        EXPECT_EQ(p->device.autoImageFileName, isPpc ? 0 : 1);
        EXPECT_EQ(p->device.imageStorePath.str(), isPpc ? "\\DiskOnChip" : "\\Other");
        EXPECT_EQ(p->device.modelStamp, isPpc ? 1 : 0);
    }
}

TEST_F(Derivation, ReaderCopiesSoundAndVibrator)
{
    p->device.sound = 4;
    for (const Byte duration : {3, 0}) {
        p->device.vibratorDuration = duration;
        derive();
        EXPECT_EQ(p->reader[ReaderByte::SoundCopy], 4);
        EXPECT_EQ(p->reader[ReaderByte::VibratorCopy], duration);
        EXPECT_EQ(p->reader[ReaderByte::VibratorOnCopy], duration != 0 ? 1 : 0);
    }
}

// Every reader type: the laser, the CCD and the 2D imager have their codes; any other type
// keeps the stored code, and a type above ten (an RFID reader besides) adds the RFID bit. Only
// the 2D imager, with or without RFID, keeps image capture.
TEST_F(Derivation, ReaderCodeAndImageCaptureFollowEveryReaderType)
{
    for (int type = 0; type < 256; ++type) {
        SCOPED_TRACE(type);
        p->reader[ReaderByte::ReaderCode] = 0x44;
        p->reader[ReaderByte::ReaderCodeCopy] = 0x46;
        p->reader[ReaderByte::ImageCaptureOn] = 1;
        p->device.protectImageCapture = 1;
        p->device.readerType = static_cast<Byte>(type);
        derive();
        const int fixed = type == 1 ? 1 : type == 2 ? 2 : type == 3 ? 4 : 0;
        const int rfid = type > 10 ? 0x20 : 0;
        EXPECT_EQ(p->reader[ReaderByte::ReaderCode], fixed != 0 ? fixed : 0x44 | rfid);
        EXPECT_EQ(p->reader[ReaderByte::ReaderCodeCopy], fixed != 0 ? fixed : 0x46 | rfid);
        const int kept = type % 10 == 3 ? 1 : 0;
        EXPECT_EQ(p->reader[ReaderByte::ImageCaptureOn], kept);
        EXPECT_EQ(p->device.protectImageCapture, kept);
    }
}

// MSQI links.

TEST_F(Derivation, MsqiFormLinksLine1ToTheKeyFieldOfALookupWithFields)
{
    FormDef& form = p->form(2);
    form.msqiEnabled = 1;
    for (LookupDef& lookup : p->lookups) {
        lookup.numFields = 3;
        lookup.keyField = 3;
    }
    // {lookup file, fields of lookup 4, link}: only files 0 to 5 can be entered, 200 reads none.
    const int rows[][3] = {{200, 3, 9}, {0, 3, 9}, {4, 0, 9}, {4, 5, 4}};
    for (const auto& [file, fields, link] : rows) {
        form.lookupFile = static_cast<Byte>(file);
        form.lookupLink[0] = 9;
        p->lookup(4).numFields = static_cast<Byte>(fields);
        derive();
        EXPECT_EQ(form.lookupLink[0], link) << "file " << file << ", " << fields << " fields";
        EXPECT_EQ(form.lookupFile, file);
    }
}

// Every type class over every type code, with the image line's edit-path flag off and on and
// without and with a lookup file, read through the last line slot. Column c of a row is code c;
// codes above 16 can come from a file and belong to no class.
TEST(FormRules, TypeClassesOfEveryCodeImageFlagAndLookupFile)
{
    struct Row
    {
        const char* name;
        bool (*inClass)(const FormDef&, int);
        const char* members[2][2];  // [imageEditPath][has a lookup file]; codes 0 to 16
    };
    const char* keyed = "01111110000000100";
    const char* prompted = "01111111111101110";
    const char* properties = "01111111100000111";
    const char* continued = "01111110000100101";
    const Row rows[] = {
        {"keyed input", isKeyedInput, {{keyed, keyed}, {keyed, keyed}}},
        {"length-limited",
         isLengthLimited,
         {{"01111100000000101", "01111100000000101"}, {"01111100000000111", "01111100000000111"}}},
        {"linkable",
         isLinkable,
         {{"01111110000000101", "01111111000000111"}, {"01111110000000101", "01111111000000111"}}},
        {"prompted", isPrompted, {{prompted, prompted}, {prompted, prompted}}},
        {"with properties", hasProperties, {{properties, properties}, {properties, properties}}},
        {"continued by extension", isContinuedByExtension, {{continued, continued}, {continued, continued}}},
        {"counted as input",
         countsAsInput,
         {{"01111110000001101", "01111110000001101"}, {"01111110000001111", "01111110000001111"}}},
    };
    FormDef form{};
    const int last = LineSlots - 1;
    for (const Row& row : rows) {
        for (int c = 0; c < 256; ++c) {
            for (Byte flag = 0; flag <= 1; ++flag) {
                for (const Byte lookupFile : {Byte{0}, Byte{5}}) {
                    SCOPED_TRACE(testing::Message() << row.name << ", code " << c << ", imageEditPath " << int{flag}
                                                    << ", lookup file " << int{lookupFile});
                    form.lineType[last] = static_cast<Byte>(c);
                    form.imageEditPath[last] = flag;
                    form.lookupFile = lookupFile;
                    const bool expected = c < LineTypeCount && row.members[flag][lookupFile != 0][c] == '1';
                    EXPECT_EQ(row.inClass(form, last), expected);
                }
            }
        }
    }
    form.lineType[last] = t(LineType::Image);
    form.lookupFile = 6;  // above five: no lookup file
    EXPECT_FALSE(isLinkable(form, last));
}

TEST(FormRules, OutOfRangeLookupFileAndFieldCountAreBounded)
{
    LookupDef lookup{};
    for (int value = 0; value < 256; ++value) {
        SCOPED_TRACE(value);
        EXPECT_EQ(effectiveLookupFile(static_cast<Byte>(value)), value <= 5 ? value : 0);
        lookup.numFields = static_cast<Byte>(value);
        EXPECT_EQ(lookupFieldCount(lookup), std::min(value, 15));
    }
}

// Form 4 uses lookup file 2; every line is a "lookup" line of length 99.
TEST(FormRules, OnlyLookupLinesTakeTheirLinkedFieldLengthOr160)
{
    auto p = testing_support::startedProject();
    const auto update = [&] { updateLookupLengths(p->forms, p->lookups); };
    p->lookup(2).numFields = 3;
    p->lookup(2).fieldLength = {8, 0, 200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 33};
    FormDef& form = p->form(4);
    form.lookupFile = 2;
    form.lineType.fill(t(LineType::Lookup));
    form.maxLength.fill(99);
    const std::pair<Byte, Byte> linkAndLength[] = {
        {1, 8},     {3, 200},  // the terminal takes field lengths as they are
        {2, 160},              // field of length 0
        {0, 160},              // no link
        {16, 160},             // not a field slot
        {255, 160},
    };
    for (std::size_t i = 0; i < std::size(linkAndLength); ++i) {
        form.lookupLink[i] = linkAndLength[i].first;
    }
    form.lookupLink[14] = 15;               // the last slot and the last field
    form.lineType[13] = t(LineType::Text);  // other line types keep their lengths
    form.lookupLink[13] = 1;
    p->form(5).lineType[0] = t(LineType::Lookup);  // as do forms without a lookup file
    p->form(5).maxLength[0] = 42;
    update();
    for (std::size_t i = 0; i < std::size(linkAndLength); ++i) {
        EXPECT_EQ(form.maxLength[i], linkAndLength[i].second) << "link " << int(linkAndLength[i].first);
    }
    EXPECT_EQ(form.maxLength[13], 99);
    EXPECT_EQ(form.maxLength[14], 33);
    EXPECT_EQ(p->form(5).maxLength[0], 42);

    form.lookupFile = 9;  // above five: reads no lookup record
    form.maxLength[0] = 99;
    update();
    EXPECT_EQ(form.maxLength[0], 99);
    EXPECT_EQ(form.lookupFile, 9);
}

}  // namespace
}  // namespace project
