// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "project/defaults.h"
#include "support/project_fixtures.h"

namespace {

using project::Model;
using testing_support::OverrideTextSource;
using testing_support::startedProject;

TEST(Defaults, FormsLeadToThemselvesWithNumberedExportNamesAndMenusAreCleared)
{
    const auto p = startedProject();
    const auto& f7 = p->form(7);
    EXPECT_EQ(f7.nextTarget, 7);
    EXPECT_EQ(f7.escTarget, 0);
    EXPECT_EQ(f7.exportNameOn, 1);
    EXPECT_EQ(f7.autoKey, 1);
    for (const int form : {1, 7, 10, 20}) {
        EXPECT_EQ(p->form(form).exportName.str(), (form < 10 ? "Form  0" : "Form  ") + std::to_string(form));
    }
    for (int line = 0; line < 15; ++line) {
        SCOPED_TRACE(line);
        EXPECT_EQ(f7.lineType[line], 0);
        EXPECT_EQ(f7.inputSource[line], 2);
        EXPECT_EQ(f7.minLength[line], 0);
        EXPECT_EQ(f7.maxLength[line], 160);
        EXPECT_EQ(f7.partialLength[line], 20);
        EXPECT_EQ(f7.autoEnter[line], 1);
    }
    EXPECT_EQ(f7.dateSeparator.view(), "/");
    EXPECT_EQ(f7.timeSeparator.view(), ":");
    EXPECT_EQ(f7.stampSplit, 1);
    EXPECT_EQ(f7.dateYearOn, 1);
    EXPECT_EQ(f7.yearDigits, 0);
    EXPECT_EQ(f7.timeSeparatorOn, 1);

    EXPECT_EQ(p->menu(10).captionOn, 0);
    EXPECT_TRUE(p->menu(10).caption.isEmpty());
    EXPECT_EQ(p->menu(10).itemCount, 0);
    const auto& l = p->lookup(5);
    EXPECT_EQ(l.exportName.view(), "5th lookup file");
    EXPECT_EQ(l.exportNameOn, 1);
    EXPECT_EQ(l.numFields, 0);
    EXPECT_EQ(l.delimiter, 0);
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

TEST(Defaults, SystemSettings)
{
    const auto p = startedProject(Model::Q720PPC);
    const auto& d = p->device;
    EXPECT_EQ(d.leadByte, 6);
    EXPECT_EQ(d.readerType, 1);
    EXPECT_EQ(d.delimiter1, 44);
    EXPECT_EQ(d.delimiter2, 0);
    EXPECT_EQ(d.dataDeletion, 1);
    EXPECT_EQ(d.entryOptions, 1);
    EXPECT_EQ(d.promptStay, 6);
    EXPECT_EQ(d.sound, 9);
    EXPECT_EQ(d.vibratorDuration, 0);
    EXPECT_EQ(d.exportStore.view(), "\\DiskOnChip                   ");
    EXPECT_EQ(d.imageStorePath.view(), "\\DiskOnChip");
    EXPECT_EQ(d.modelStamp, 1) << "byte 425 takes the model preference";
    EXPECT_EQ(p->transaction.changeExportName, 1);
    EXPECT_EQ(p->transaction.exportName.view(), "DAT");
}

TEST(Defaults, ReaderSettingsAtRepresentativeOffsets)
{
    const auto p = startedProject();
    const std::pair<std::size_t, int> expected[] = {
        {0, 7},    {341, 7},   {342, 2},   {343, 9},  {344, 0},  {345, 2},  {347, 1},  {348, 1}, {1, 1},    {4, 1},
        {15, 127}, {16, 4},    {18, 1},    {25, 2},   {63, 1},   {78, 6},   {79, 3},   {83, 1},  {108, 14}, {127, 3},
        {128, 4},  {129, 55},  {160, 1},   {165, 30}, {166, 10}, {198, 10}, {209, 1},  {217, 3}, {219, 55}, {251, 3},
        {257, 1},  {264, 1},   {272, 1},   {280, 2},  {281, 1},  {282, 0},  {283, 30}, {284, 6}, {285, 1},  {286, 1},
        {291, 0},  {292, 1},   {295, 100}, {296, 10}, {300, 65}, {301, 40}, {302, 1},  {303, 2}, {311, 1},  {314, ','},
        {315, 0},  {318, 255}, {319, 10},  {320, 3},  {400, 0}};
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
