// SPDX-License-Identifier: MIT
// The Form page: the rules of its lines, what it offers as they change, its line dialogs
// (ADVANCEDLG, LOOKUPADVANCEDLG, IMAGEADVANCEDLG, TIMESTAMPDLG) and which of them it opens, and
// what its commit writes into the forms.
#include "editor/forms/form_commit.h"
#include "editor/forms/form_dialogs.h"
#include "editor/forms/form_line_rules.h"
#include "editor/forms/form_msqi.h"
#include "editor/forms/form_page.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "editor/dialog_bench.h"
#include "project/defaults.h"
#include "project/form_rules.h"
#include "resources/form_templates.h"
#include "texts/text_source.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::FormDef;
using project::lineCode;
using project::LineType;
using Id = resources::FormPageId;
using FieldId = resources::FieldPropertiesId;
using bench::DialogHarness;

class FormPageTest : public bench::BenchTest
{
protected:
    project::FormDef& stored(int number) { return project->form(number); }
    project::FormDef& working(int number) { return model().workingCopy().forms[static_cast<std::size_t>(number - 1)]; }
    FormPage& model() { return m_page->modelAs<FormPage>(); }
    DialogHarness& showPage()
    {
        m_page = std::make_unique<DialogHarness>(openPage<FormPage>(resources::formPageTemplate, m_isModified));
        return *m_page;
    }

    // The commit alone, over the forms of the new project; form() alone is the dialogs' form 3.
    using DialogBench::form;
    FormDef& form(int number) { return m_working.forms[static_cast<std::size_t>(number - 1)]; }
    const FormDef& committed(int number) const { return m_committed[static_cast<std::size_t>(number - 1)]; }

    void setLine(int number, int line, LineType type, const char* prompt = "")
    {
        const auto i = static_cast<std::size_t>(line - 1);
        form(number).lineType[i] = static_cast<Byte>(type);
        form(number).prompt[i].assign(prompt);
    }

    // Prefix "AB", suffix "C" and a fixed length of 8 on line `line` of form 1.
    void giveDataSettings(int line = 1)
    {
        const auto i = static_cast<std::size_t>(line - 1);
        FormDef& f = form(1);
        f.prefixOn[i] = f.suffixOn[i] = f.fixedLengthOn[i] = 1;
        f.prefix[i].assign("AB");
        f.suffix[i].assign("C");
        f.fixedLength[i] = 8;
    }

    void commit() { commitForms(m_working, m_committed, m_lookups); }

    FormWorkingCopy m_working{project->forms, {}};
    FormSet m_committed = project->forms;
    LookupSet m_lookups = project->lookups;

private:
    bool m_isModified = false;
    std::unique_ptr<DialogHarness> m_page;
};
using FormCommit = FormPageTest;
using FieldProperties = FormPageTest;

TEST_F(FormPageTest, RemovingTheLookupFileOffersVariables)
{
    stored(1).lookupFile = 2;
    stored(1).lineType[0] = lineCode(LineType::Text);
    auto& page = showPage();
    EXPECT_EQ(page.text(Id::LinkHeader), "Lookup");
    EXPECT_EQ(page.controls().items(resources::linkList(1)).size(), 13U);
    page.select(Id::LookupList, 0);
    EXPECT_EQ(page.text(Id::LinkHeader), "Variables");
    EXPECT_EQ(page.controls().items(resources::linkList(1)).size(), 37U);
}

TEST_F(FormPageTest, TurningMsqiOnAppliesItAfterThePropertiesAndOnActivation)
{
    project->lookup(1).numFields = 4;
    project->lookup(1).keyField = 2;
    stored(1).recordAction = 2;  // would enable "Index field :" on an ordinary form
    stored(1).lineType[4] = lineCode(LineType::Integer);
    auto& page = showPage();
    working(1).msqiEnabled = 1;  // as the form properties dialog writes it
    model().formPropertiesClosed();
    EXPECT_EQ(working(1).lineType[4], lineCode(LineType::Nil));
    EXPECT_EQ(working(1).lineType[1], lineCode(LineType::Msqi));
    EXPECT_FALSE(page.isEnabled(Id::RecordList));

    page.select(Id::FormList, 1);
    working(2).msqiEnabled = 1;
    page.setActive();
    EXPECT_EQ(working(2).lineType[0], lineCode(LineType::Text));
}

TEST_F(FormPageTest, PublishedLookupFilesReplaceBlock3ForLinksAndLengths)
{
    stored(1).lookupFile = 2;
    stored(1).msqiEnabled = 1;
    stored(2).lookupFile = 2;
    stored(2).lineType[0] = lineCode(LineType::Lookup);
    stored(2).lookupLink[0] = 2;
    auto& page = showPage();
    EXPECT_EQ(working(1).lookupLink[0], 0);  // block 3: file 2 has no fields
    LookupSet published = project->lookups;
    published[1].numFields = 5;
    published[1].keyField = 4;
    published[1].fieldLength[1] = 17;
    model().lookupsPublished(published);
    page.setActive();
    EXPECT_EQ(working(1).lookupLink[0], 5);
    EXPECT_TRUE(page.apply());
    EXPECT_EQ(stored(2).maxLength[0], 17);
}

// Extension lines take what does not fit on the screen line of the line above them (slot 13 is
// not an editor line and keeps its own); a fixed-data line's maximum is its prompt.
TEST_F(FormCommit, LengthsFollowTheScreenLineThe160LimitAndThePrompt)
{
    struct Row
    {
        LineType type;
        const char* prompt;
        Byte minLength, maxLength;
        std::array<Byte, 4> expected;  // min and max of the line, max of the two lines below
    };
    const Row rows[] = {
        {LineType::Integer, "Qty", 0, 60, {0, 60, 33, 3}},
        {LineType::Integer, "Qty", 0, 20, {0, 20, 0, 0}},
        {LineType::Msqi, "Qty", 0, 60, {0, 60, 33, 3}},
        {LineType::PassDown, "Qty", 0, 60, {0, 60, 33, 3}},
        {LineType::Text, "A", 50, 20, {20, 20, 0, 0}},
        {LineType::Text, "A", 200, 250, {160, 160, 131, 101}},
        {LineType::FixedData, "ABCDEFGHIJKL", 50, 160, {12, 12, 160, 160}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << int{static_cast<Byte>(row.type)} << ", " << int{row.maxLength});
        setLine(1, 1, row.type, row.prompt);
        form(1).minLength[0] = row.minLength;
        form(1).maxLength[0] = row.maxLength;
        const LineType below = row.type == LineType::FixedData ? LineType::Nil : LineType::Extension;
        setLine(1, 2, below);
        setLine(1, 3, below);
        commit();
        const FormDef& f = committed(1);
        EXPECT_EQ((std::array{f.minLength[0], f.maxLength[0], f.maxLength[1], f.maxLength[2]}), row.expected);
    }
    setLine(1, 12, LineType::Text, "Note");
    form(1).maxLength[11] = 160;
    form(1).lineType[12] = static_cast<Byte>(LineType::Extension);
    form(1).maxLength[12] = 77;
    commit();
    EXPECT_EQ(committed(1).maxLength[12], 77);
}

TEST_F(FormCommit, ExtensionLinesCopyAutoEnterAndInputMarkAndLoseTheirOwnData)
{
    setLine(1, 1, LineType::Text, "Name");
    form(1).autoEnter[0] = 2;
    form(1).inputMark[0] = '_';
    setLine(1, 2, LineType::Extension, "stale");
    form(1).lookupLink[1] = 4;
    form(1).minLength[1] = 9;
    commit();
    const FormDef& f = committed(1);
    EXPECT_EQ((std::array{f.autoEnter[1], f.inputMark[1], f.lookupLink[1], f.minLength[1], f.inputSource[1]}),
              (std::array<Byte, 5>{2, '_', 0, 0, 2}));
    EXPECT_TRUE(f.prompt[1].isEmpty());
}

TEST_F(FormCommit, PassDownAndUpdateLookupClearTheIndexAndSetTheAutomaticKey)
{
    using project::RecordAction;
    const RecordAction actions[] = {RecordAction::PassDown, RecordAction::Save, RecordAction::UpdateLookup};
    for (int n = 1; n <= 3; ++n) {
        form(n).recordAction = static_cast<Byte>(actions[n - 1]);
        form(n).indexLine = 3;
        form(n).autoKey = 0;
    }
    form(4).indexLine = 0;
    form(4).autoKey = 0;
    commit();
    for (const auto& [n, index, autoKey] : {std::tuple{1, 0, 1}, {2, 3, 0}, {3, 0, 1}, {4, 0, 1}}) {
        EXPECT_EQ(committed(n).indexLine, index) << "form " << n;
        EXPECT_EQ(committed(n).autoKey, autoKey) << "form " << n;
    }
}

TEST_F(FormCommit, LookupLineKeepsDataSettingsOnlyWhenItSavesItsData)
{
    form(1).lookupFile = 1;
    setLine(1, 1, LineType::Lookup, "Item");
    giveDataSettings();
    commit();
    const FormDef& f = committed(1);
    EXPECT_EQ((std::array{f.prefixOn[0], f.suffixOn[0], f.fixedLengthOn[0], f.fixedLength[0], f.dataLength[0]}),
              (std::array<Byte, 5>{0, 0, 0, 0, 0}));
    EXPECT_TRUE(f.prefix[0].isEmpty());

    giveDataSettings();
    form(1).initialValueOn[0] = 1;  // saves the field data
    commit();
    EXPECT_EQ(f.prefix[0].str() + f.suffix[0].str(), "ABC");
    EXPECT_EQ((std::array{f.fixedLength[0], f.dataLength[0]}), (std::array<Byte, 2>{8, 11}));
}

TEST_F(FormCommit, MsqiLineKeepsFixedLengthAndInitialValueButLosesBarcodeSettings)
{
    form(1).msqiEnabled = 1;
    setLine(1, 2, LineType::Msqi);
    giveDataSettings(2);
    form(1).initialValueOn[1] = 1;
    form(1).initialValue[1].assign("0");
    form(1).partialOn[1] = 1;
    form(1).partialLength[1] = 7;
    form(1).checkDigitMethod[1] = 3;
    m_working.showInputMark.set(0, 1, true);
    commit();
    const FormDef& f = committed(1);
    EXPECT_EQ((std::array{f.fixedLengthOn[1], f.fixedLength[1], f.prefixOn[1], f.suffixOn[1], f.partialOn[1],
                          f.partialLength[1], f.checkDigitMethod[1], f.dataLength[1]}),
              (std::array<Byte, 8>{1, 8, 0, 0, 0, 20, 0, 8}));
    EXPECT_EQ(f.initialValue[1].str(), "0");
    EXPECT_FALSE(m_working.showInputMark.isOn(0, 1));
}

TEST_F(FormCommit, ImageLineWithoutEditPathTakesKeypadInputAndNoLengths)
{
    setLine(1, 1, LineType::Image, "Photo");
    form(1).imageEditPath[0] = 0;
    form(1).imageSavePath[0] = 1;
    form(1).initialValueOn[0] = 1;
    form(1).initialValue[0].assign("\\a.jpg");
    form(1).fixedLengthOn[0] = 1;
    form(1).fixedLength[0] = 12;
    form(1).maxLength[0] = 30;
    commit();
    const FormDef& f = committed(1);  // still saved, so its fixed length stays
    EXPECT_EQ((std::array{f.inputSource[0], f.maxLength[0], f.initialValueOn[0], f.fixedLength[0], f.dataLength[0]}),
              (std::array<Byte, 5>{1, 160, 0, 12, 12}));
}

TEST_F(FormCommit, CleanUpTouchesOnlyEditorLinesAndCodesBeyondTheListAreLeftAlone)
{
    setLine(1, 1, LineType::Prompt, "Hello");
    form(1).partialOn[0] = 1;
    form(1).lineType[13] = static_cast<Byte>(LineType::Prompt);
    form(1).partialOn[13] = 1;
    setLine(2, 1, static_cast<LineType>(40), "odd");
    form(2).maxLength[0] = 90;
    form(5).uninterpreted1533[100] = 0xAB;
    // Slots 13 to 15 keep what the clean-up of a "nil" or "extension" line does not name.
    form(3).lineType[14] = static_cast<Byte>(LineType::Extension);
    for (const std::size_t i : {13U, 14U}) {
        form(3).decimalPlaces[i] = 4;
        form(3).checkDigitMethod[i] = 7;
        form(3).partialOn[i] = 1;
    }
    commit();
    for (const std::size_t i : {13U, 14U}) {
        const FormDef& f = committed(3);
        EXPECT_EQ((std::array{f.decimalPlaces[i], f.checkDigitMethod[i], f.partialOn[i]}),
                  (std::array<Byte, 3>{4, 7, 0}));
    }
    EXPECT_EQ(form(1).partialOn[0], 0);
    EXPECT_EQ(form(1).partialOn[13], 1);
    EXPECT_EQ(committed(1).partialOn[13], 1);
    EXPECT_EQ((std::array{committed(2).lineType[0], committed(2).maxLength[0]}), (std::array<Byte, 2>{40, 90}));
    EXPECT_EQ(committed(2).prompt[0].str(), "odd");
    EXPECT_EQ(committed(5).uninterpreted1533[100], 0xAB);
}

TEST(TypeChangeResetsProperties, ResetsUnlessTheOldTypeHadTheSameProperties)
{
    const std::tuple<LineType, LineType, bool> cases[] = {
        {LineType::Text, LineType::Integer, false},        {LineType::Text, LineType::Alphameric, true},
        {LineType::Alphameric, LineType::Text, false},     {LineType::FixedData, LineType::Text, true},
        {LineType::Prompt, LineType::Lookup, true},        {LineType::Image, LineType::Lookup, false},
        {LineType::Lookup, LineType::FixedData, false},    {LineType::Image, LineType::Alphameric, false},
        {LineType::Integer, LineType::Image, true},        {LineType::FixedData, LineType::Prompt, true},
        {LineType::FixedData, LineType::FixedData, false}, {LineType::Nil, LineType::Text, false},
    };
    for (const auto& [from, to, resets] : cases) {
        SCOPED_TRACE(testing::Message() << int{lineCode(from)} << " -> " << int{lineCode(to)});
        EXPECT_EQ(typeChangeResetsProperties(lineCode(from), lineCode(to)), resets);
    }
    for (Byte old = 1; old < project::LineTypeCount; ++old) {
        EXPECT_TRUE(typeChangeResetsProperties(old, lineCode(LineType::Nil))) << "old type " << int{old};
    }
}

// Twelve variables in three groups without a lookup file; with one, twelve fields, and their
// "-field n" and "+field n" groups for numeric lines only.
TEST(LinkListEntries, VariablesWithoutLookupFileAndSignedFieldsOnlyForNumericLines)
{
    const texts::BuiltinTextSource texts;
    EXPECT_EQ(linkListEntries(texts, false, lineCode(LineType::Text))[13], "set v1");
    const auto signedFields = linkListEntries(texts, true, lineCode(LineType::Real));
    ASSERT_EQ(signedFields.size(), 37U);
    EXPECT_EQ(signedFields[12] + signedFields[13] + signedFields[27], "field 12-field 1+field 3");
    for (const LineType type : {LineType::Text, LineType::Lookup, LineType::Msqi}) {
        EXPECT_EQ(linkListEntries(texts, false, lineCode(type)).size(), 37U) << int{lineCode(type)};
        EXPECT_EQ(linkListEntries(texts, true, lineCode(type)).size(), 13U) << int{lineCode(type)};
    }
}

// Every link byte: with a lookup file, a line without signed fields folds "-field n" and
// "+field n" (13 to 36) onto "field n"; anything else, damaged links included, is kept.
TEST(FoldedLink, SignedFieldsFoldOntoPlainFieldsOnlyForNonNumericLinesWithAFile)
{
    for (const LineType type : {LineType::Text, LineType::Lookup, LineType::Integer, LineType::Real}) {
        const bool isSigned = type == LineType::Integer || type == LineType::Real;
        for (const bool hasLookupFile : {false, true}) {
            for (int link = 0; link <= 255; ++link) {
                const bool folds = hasLookupFile && !isSigned && link >= 13 && link <= 36;
                EXPECT_EQ(foldedLink(static_cast<Byte>(link), hasLookupFile, lineCode(type)),
                          folds ? (link - 1) % 12 + 1 : link)
                    << "link " << link << " type " << int{lineCode(type)} << " file " << hasLookupFile;
            }
        }
    }
}

TEST(EffectiveLinkType, UsedLinesBelowLine2OfAnMsqiFormLinkAsLookup)
{
    project::FormDef form{};
    project::resetForm(form, 1, texts::BuiltinTextSource{});
    form.msqiEnabled = 1;
    form.lineType[1] = lineCode(LineType::Msqi);
    form.lineType[4] = lineCode(LineType::Integer);
    EXPECT_EQ(effectiveLinkType(form, 1), lineCode(LineType::Msqi));
    EXPECT_EQ(effectiveLinkType(form, 4), lineCode(LineType::Lookup));
    EXPECT_EQ(effectiveLinkType(form, 5), lineCode(LineType::Nil));
}

// An MSQI form (form 4) arranged over lookup files whose first has three fields, the key in field 2.
class ArrangeMsqiForm : public ::testing::Test
{
protected:
    ArrangeMsqiForm()
    {
        project::resetForm(m_form, 4, texts::BuiltinTextSource{});
        m_form.msqiEnabled = 1;
        m_lookups[0].numFields = 3;
        m_lookups[0].keyField = 1;
    }

    void arrange(bool isRfidReaderOn = false) { arrangeMsqiForm(m_form, 3, m_lookups, isRfidReaderOn); }

    project::FormDef m_form{};
    LookupSet m_lookups{};
};

// Lookup file 1 has three fields with the key in field 2, file 2 has none, 8 is no file at all.
TEST_F(ArrangeMsqiForm, Line5KeepsOnlyALookupTypeAndOnlyWithALookupFile)
{
    const std::tuple<Byte, LineType, LineType, Byte> cases[] = {
        {1, LineType::Integer, LineType::Nil, 2},  // the commit clears a nil line's link
        {1, LineType::Lookup, LineType::Lookup, 2},
        {0, LineType::Lookup, LineType::Nil, 0},
        {8, LineType::Lookup, LineType::Nil, 0},
    };
    for (const auto& [lookupFile, line5, arranged, link] : cases) {
        SCOPED_TRACE(testing::Message() << "file " << int{lookupFile} << " type " << int{lineCode(line5)});
        m_form.lookupFile = lookupFile;
        m_form.lineType[4] = lineCode(line5);
        m_form.lookupLink[4] = 2;
        arrange();
        EXPECT_EQ(m_form.lineType[4], lineCode(arranged));
        EXPECT_EQ(m_form.lookupLink[4], link);
        EXPECT_EQ(m_form.lookupFile, lookupFile);
    }
}

TEST_F(ArrangeMsqiForm, Line1IsTextLinkedToTheKeyFieldOfAFileWithFields)
{
    const Byte expectedLinks[] = {0, 2, 0, 0, 0, 0, 0, 0, 0};  // by lookup file 0 to 8
    for (Byte file = 0; file <= 8; ++file) {
        SCOPED_TRACE(testing::Message() << "file " << int{file});
        m_form.lookupFile = file;
        m_form.lookupLink[0] = 5;
        arrange();
        EXPECT_EQ(m_form.lineType[0], lineCode(LineType::Text));
        EXPECT_EQ(m_form.lookupLink[0], expectedLinks[file]);
    }
}

TEST_F(ArrangeMsqiForm, FormLevelValuesAreFixedAndLine2GetsAnInitialQuantityOnlyWhenItHasNone)
{
    m_form.recordAction = 2;
    m_form.indexLine = 3;
    m_form.nextTarget = 9;
    arrange();
    EXPECT_EQ((std::array{m_form.recordAction, m_form.indexLine, m_form.nextTarget}), (std::array<Byte, 3>{0, 0, 4}));
    EXPECT_EQ(m_form.lineType[1], lineCode(LineType::Msqi));
    EXPECT_EQ(m_form.initialValueOn[1], 1);
    EXPECT_EQ(m_form.initialValue[1].str(), "0");

    m_form.initialValue[1].assign("5");
    arrange();
    EXPECT_EQ(m_form.initialValue[1].str(), "5");
}

TEST_F(FieldProperties, InitialValueIsFilteredByTheLineType)
{
    const std::tuple<LineType, const char*, const char*, const char*> rows[] = {
        {LineType::Integer, "12a.3.4", "12a.3.4", "1234"},
        {LineType::Real, "12.5", "12.5", "12.5"},
        {LineType::AutoPlusMinus, "-7.", "-7.", "7."},
        {LineType::Boolean, "X", "", ""},
        {LineType::Boolean, "y", "y", "y"},
        {LineType::Alphameric, "AB-12", "AB", "AB"},
        {LineType::Text, "a-b c", "a-b c", "a-b c"},
        {LineType::Integer, "123456789012", "1234567890", "1234567890"},
    };
    for (const auto& [type, typed, shown, stored] : rows) {
        SCOPED_TRACE(typed);
        project = testing_support::startedProject();
        form().lineType[1] = lineCode(type);
        form().initialValueOn[1] = 1;
        DialogHarness dialog = open(fieldPropertiesDialog(), 1);
        dialog.paste(FieldId::InitialValueEdit, typed);
        EXPECT_EQ(dialog.text(FieldId::InitialValueEdit), shown);
        ASSERT_TRUE(dialog.ok());
        EXPECT_EQ(form().initialValue[1].str(), stored);
    }
}

TEST_F(FieldProperties, AnMsqiLineIsEnteredAfterTheScanAndIsNotScannedItself)
{
    form().msqiEnabled = 1;
    form().lineType[1] = lineCode(LineType::Msqi);
    form().autoEnter[1] = 1;
    form().lookupLink[1] = 4;
    {
        DialogHarness dialog = open(fieldPropertiesDialog(), 1);
        EXPECT_EQ(form().autoEnter[1], 2);
        EXPECT_EQ(dialog.selection(FieldId::AutoEnterList), 2);
        for (const FieldId id : {FieldId::AutoEnterList, FieldId::PartialCheck, FieldId::StartEdit,
                                 FieldId::CheckDigitList, FieldId::PrefixCheck, FieldId::SuffixDisplay,
                                 FieldId::InitialValueCheck, FieldId::InitialValueEdit, FieldId::BarcodeGroup}) {
            EXPECT_FALSE(dialog.isEnabled(id)) << static_cast<int>(id);
        }
        dialog.cancel();
        EXPECT_EQ(form().autoEnter[1], 1);
    }
    DialogHarness dialog = open(fieldPropertiesDialog(), 1);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(form().autoEnter[1], 2);
}

TEST(TimestampPatterns, PartsJoinInTheirOrderWithSeparatorsBetween)
{
    const std::tuple<const char*, DateParts, const char*> rows[] = {
        {"defaults", {}, "YYYY/MM/DD"},
        {"day first without year", {.hasYear = false, .order = 2}, "DD/MM"},
        {"month off", {.hasMonth = false}, "YYYY/DD"},
        {"empty separator", {.separator = ""}, "YYYYMMDD"},
        {"separator off", {.hasSeparator = false, .separator = "-"}, "YYYYMMDD"},
        {"month first, two digits", {.isTwoDigitYear = true, .separator = "-", .order = 1}, "MM-DD-YY"},
        {"order outside the list", {.order = 7}, "YYYY/MM/DD"},
        {"only the year last", {.hasMonth = false, .hasDay = false, .order = 2}, "YYYY"},
    };
    for (const auto& [name, parts, pattern] : rows) {
        EXPECT_EQ(datePattern(parts), pattern) << name;
    }
    EXPECT_EQ(timePattern({}), "HH:MM:SS");
    EXPECT_EQ(timePattern({.hasHour = false, .separator = "."}), "MM.SS");
    EXPECT_EQ(timePattern({.hasMinute = false, .hasSeparator = false}), "HHSS");
}

TEST_F(FieldProperties, MoreOpensTheDialogOfTheLineTypeAndThePageFollowsAnImageLine)
{
    DialogHarness& sheet = showPage();
    ui::testing::ScriptedHost& host = sheet.host();
    const LineType types[] = {LineType::Integer, LineType::Lookup, LineType::Image, LineType::FixedData};
    for (int line = 1; line <= 4; ++line) {
        sheet.select(resources::typeList(line), static_cast<int>(types[line - 1]));
    }
    host.onDialog("IMAGEADVANCEDLG", [](DialogHarness& dialog) {
        dialog.click(resources::ImageFieldId::EditPathCheck);
        return ui::testing::ScriptedHost::pressOk(dialog);
    });
    EXPECT_FALSE(sheet.isEnabled(resources::maxLengthEdit(3)));
    for (int line = 1; line <= 4; ++line) {
        sheet.click(resources::moreButton(line));
    }
    EXPECT_EQ(host.dialogsRun,
              (std::vector<std::string>{"ADVANCEDLG", "LOOKUPADVANCEDLG", "IMAGEADVANCEDLG", "ADVANCEDLG"}));
    EXPECT_EQ(sheet.modelAs<FormPage>().currentLine(), 3);
    EXPECT_TRUE(sheet.isEnabled(resources::maxLengthEdit(3)));
    EXPECT_EQ(sheet.modelAs<FormPage>().workingCopy().forms[0].imageEditPath[2], 1);
}

}  // namespace
}  // namespace editor::forms
