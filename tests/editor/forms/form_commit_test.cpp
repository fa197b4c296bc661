// SPDX-License-Identifier: MIT
#include "editor/forms/form_commit.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "editor/dialog_bench.h"

namespace editor::forms {
namespace {

using project::Byte;
using project::FormDef;
using project::LineType;

// Commits the forms of a new project.
class FormCommit : public bench::BenchTest
{
protected:
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
};

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

}  // namespace
}  // namespace editor::forms
