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

// Representative defaults of every record; forms lead to themselves and are numbered.
TEST(Defaults, EveryRecordStartsFromItsDefaults)
{
    const auto p = startedProject(Model::Q720PPC);
    const auto& f7 = p->form(7);
    const auto& d = p->device;
    const std::pair<int, int> bytes[] = {
        {f7.nextTarget, 7},  {f7.escTarget, 0},   {f7.inputSource[14], 2}, {f7.maxLength[14], 160},
        {f7.autoEnter[9], 1}, {d.leadByte, 6},    {d.readerType, 1},       {d.delimiter1, 44},
        {d.sound, 9},        {d.modelStamp, 1},  // byte 425 takes the model
    };
    for (std::size_t i = 0; i < std::size(bytes); ++i) {
        EXPECT_EQ(bytes[i].first, bytes[i].second) << "row " << i;
    }
    for (const int form : {1, 9, 10, 20}) {
        EXPECT_EQ(p->form(form).exportName.str(), (form < 10 ? "Form  0" : "Form  ") + std::to_string(form));
    }
    EXPECT_TRUE(p->menu(10).caption.isEmpty());
    EXPECT_EQ(p->lookup(5).exportName.view(), "5th lookup file");
    EXPECT_EQ(d.exportStore.view(), "\\DiskOnChip                   ");
    EXPECT_EQ(p->transaction.exportName.view(), "DAT");
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

TEST(Defaults, ReaderSettingsAtRepresentativeOffsets)
{
    const auto p = startedProject();
    const std::pair<std::size_t, int> expected[] = {
        {0, 7},    {1, 1},    {15, 127}, {16, 4},   {108, 14}, {129, 55}, {165, 30}, {283, 30}, {295, 100},
        {300, 65}, {314, ','}, {318, 255}, {341, 7}, {343, 9},  {345, 2},  {348, 1},  {400, 0}};
    for (const auto& [offset, value] : expected) {
        EXPECT_EQ(p->reader[offset], value) << "reader byte " << offset;
    }
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
    p->texts.slot(7, 0)[0] = 'Q';
    project::resetProject(*p, texts::BuiltinTextSource{}, Model::Q720CE);
    EXPECT_EQ(p->texts.slot(7, 0)[0], 'Q');
}

}  // namespace
