// SPDX-License-Identifier: MIT
#include "app/file_names.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "app/code_page.h"
#include "project/disk_file.h"
#include "texts/recent_files.h"

namespace app {
namespace {

const QString Names[] = {
    QStringLiteral("Müller.Q72"),
    QStringLiteral("Ωmega.Q72"),
    QStringLiteral("日本.Q72"),
    QStringLiteral("R&D samples.Q72"),
    QString::fromUtf8("\xF0\x9F\x93\xA6 stock.Q72"),  // outside the BMP
};

TEST(FileNames, NonAsciiNamesCrossToThePathAndTheCoresUtf8Whole)
{
    for (const QString& name : Names) {
        const std::filesystem::path path = pathFromQString(name);
        EXPECT_EQ(qStringFromPath(path), name) << name.toStdString();
        EXPECT_EQ(utf8PathText(name), name.toStdString()) << name.toStdString();
        EXPECT_EQ(project::utf8Of(path), utf8PathText(name)) << name.toStdString();
        EXPECT_EQ(qStringFromPathText(utf8PathText(name)), name) << name.toStdString();
    }
}

TEST(FileNames, ARecentFileRoundTripsThroughThePreferencesFileAndShowsInTheMenu)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const QString& name : Names) {
        const QString file = folder.filePath(name);
        ASSERT_TRUE(project::writeFileAtomically(pathFromQString(file), std::vector<std::uint8_t>{1}).ok);
        texts::Preferences preferences;
        ASSERT_TRUE(texts::rememberRecentFile(preferences, utf8PathText(file)));
        const std::filesystem::path ini = pathFromQString(folder.filePath(QStringLiteral("FWQ720.ini")));
        ASSERT_TRUE(texts::writePreferences(ini, preferences));

        const texts::Preferences read = texts::readPreferences(ini);  // drops entries it cannot open
        ASSERT_EQ(read.recentFiles.size(), 1u) << name.toStdString();
        EXPECT_EQ(qStringFromPathText(read.recentFiles[0]), file);
        const QString label =
            decodedText(texts::recentFileMenuLabel(1, read.recentFiles[0]), texts::TextEncoding::FileSystem);
        QString shown = name;
        EXPECT_TRUE(label.endsWith(shown.replace(QStringLiteral("&"), QStringLiteral("&&")))) << label.toStdString();
    }
}

}  // namespace
}  // namespace app
