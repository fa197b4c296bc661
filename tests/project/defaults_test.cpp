// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "project/defaults.h"
#include "project/runtime_texts.h"
#include "project/text_tables.h"
#include "support/project_fixtures.h"
#include "texts/builtin_strings.h"

namespace {

using project::Model;
using testing_support::OverrideTextSource;
using testing_support::slotText;
using testing_support::startedProject;

// Forms lead to themselves and are numbered; byte 425 takes the model.
TEST(Defaults, FormsAreNumberedAndLeadToThemselvesAndTheModelIsStamped)
{
    const auto p = startedProject(Model::Q720PPC);
    for (const int form : {1, 9, 10, 20}) {
        EXPECT_EQ(p->form(form).exportName.str(), (form < 10 ? "Form  0" : "Form  ") + std::to_string(form));
        EXPECT_EQ(p->form(form).nextTarget, form);
    }
    EXPECT_EQ(p->device.modelStamp, 1);
}

TEST(Defaults, DefaultTextsComeFromTheLanguageFirst)
{
    OverrideTextSource language;
    language.set(10, "Fiche ");
    language.set(1322, "Zweite Datei");
    language.set(11, "TRX");
    const auto p = startedProject(Model::Q720CE, language);
    EXPECT_EQ(p->form(3).exportName.view(), "Fiche 03");
    EXPECT_EQ(p->lookup(2).exportName.view(), "Zweite Datei");
    EXPECT_EQ(p->lookup(1).exportName.view(), "1st lookup file");
    EXPECT_EQ(p->transaction.exportName.view(), "TRX");
}

TEST(Defaults, FormResetKeepsTheUninterpretedTail)
{
    auto p = startedProject();
    p->form(4).uninterpreted1533[10] = 0x42;
    p->form(4).lineType[2] = 5;
    project::resetForm(p->form(4), 4, texts::BuiltinTextSource{});
    EXPECT_EQ(p->form(4).uninterpreted1533[10], 0x42);
    EXPECT_EQ(p->form(4).lineType[2], 0);
}

TEST(Defaults, ReaderResetClearsTheReaderBytesOfTheSystemSettings)
{
    auto p = startedProject();
    p->device.readerType = 13;
    p->device.codeIdOn = 1;
    p->device.codeIds[59] = 'Z';
    p->device.protectImageCapture = 1;
    p->device.gs1Separator = 29;
    p->device.fileTitle.assign("IMG");
    p->reader[100] = 99;
    project::resetReader(*p);
    EXPECT_EQ(p->device.readerType, 1);
    EXPECT_EQ(p->device.codeIdOn, 0);
    EXPECT_EQ(p->device.codeIds[59], 0);
    EXPECT_EQ(p->device.protectImageCapture, 0);
    EXPECT_EQ(p->device.gs1Separator, 0);
    EXPECT_TRUE(p->device.fileTitle.isEmpty());
    EXPECT_EQ(p->reader[100], 0);
}

TEST(Defaults, NewKeepsTheRuntimeTextsOfThePreviousProject)
{
    auto p = startedProject();
    p->texts.textSlot(7, 0)[0] = 'Q';
    project::resetProject(*p, texts::BuiltinTextSource{}, Model::Q720CE);
    EXPECT_EQ(p->texts.textSlot(7, 0)[0], 'Q');
}

// The texts layer keeps the slot width of every runtime text ID (for the built-in strings'
// padding and the language check); it must be this layout's, and no other ID may have one.
TEST(RuntimeTexts, TextsLayerKnowsTheSlotWidthOfEveryRuntimeText)
{
    for (int id = 0; id <= texts::MaxStringId; ++id) {
        project::TextSlotRef ref;
        const int width = project::findTextSlot(id, ref) ? project::textTable(ref.block).width : 0;
        EXPECT_EQ(texts::runtimeTextSlotWidth(id), width) << "string " << id;
    }
}

TEST(RuntimeTexts, EveryTableSlotHasABuiltInText)
{
    int slots = 0;
    for (const auto& table : project::textTables) {
        for (int i = 0; i < table.count; ++i) {
            EXPECT_TRUE(texts::hasBuiltinString(texts::sid(table.firstId + i))) << table.firstId + i;
            ++slots;
        }
    }
    EXPECT_EQ(slots, static_cast<int>(texts::runtimeTableStrings().size()));
}

// A language text is cut to its slot and stored unpadded, an empty one falls back; a fill writes
// the text and its NUL and leaves the rest of the slot; IDs between tables fill nothing; the
// second group is blocks 47 to 60.
TEST(RuntimeTexts, FillsCutToTheSlotFallBackWhenEmptyAndTouchOnlyTheirSlots)
{
    OverrideTextSource language;
    language.set(3001, std::string(45, 'a'));
    language.set(3002, "Go");
    language.set(3003, "");
    auto p = startedProject();
    auto slot = p->texts.textSlot(7, 1);
    std::fill(slot.begin(), slot.end(), std::uint8_t{'x'});
    project::fillSlot(*p, 7, 1, language);
    EXPECT_EQ(slotText(*p, 7, 1), "Go");
    EXPECT_EQ(slot[3], 'x');
    EXPECT_EQ(slot[30], 'x');
    project::fillAllTables(*p, language);
    EXPECT_EQ(slotText(*p, 7, 0), std::string(30, 'a'));
    EXPECT_EQ(slotText(*p, 7, 2), "About" + std::string(25, ' '));
    OverrideTextSource stray;
    stray.set(3004, "nowhere");
    auto strayFilled = startedProject();
    project::fillAllTables(*strayFilled, stray);
    EXPECT_EQ(strayFilled->texts.bytes, startedProject()->texts.bytes);
    project::TextSlotRef ref;
    EXPECT_FALSE(project::findTextSlot(3004, ref));
    EXPECT_FALSE(project::findTextSlot(3931, ref));
    ASSERT_TRUE(project::findTextSlot(3789, ref));
    EXPECT_EQ(ref.block, 59);

    p->texts.textSlot(46, 0)[0] = p->texts.textSlot(47, 0)[0] = p->texts.textSlot(60, 0)[0] = '#';
    project::fillSecondGroup(*p, texts::BuiltinTextSource{});
    EXPECT_EQ(p->texts.textSlot(46, 0)[0], '#');
    EXPECT_NE(p->texts.textSlot(47, 0)[0], '#');
    EXPECT_NE(p->texts.textSlot(60, 0)[0], '#');
}

}  // namespace
