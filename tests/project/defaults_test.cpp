// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "project/defaults.h"
#include "support/project_fixtures.h"

namespace {

using project::Model;
using testing_support::OverrideTextSource;
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

}  // namespace
