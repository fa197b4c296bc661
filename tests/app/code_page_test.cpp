// SPDX-License-Identifier: MIT
#include "app/code_page.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(CodePage, EuroSignAndLatinLettersKeepTheirBytesBothWays)
{
    const std::string bytes = "\x80 Gr\xFC\xDF"
                              "e \xE9";
    const QString text = QString(QChar(0x20AC)) + QStringLiteral(" Grüße é");
    EXPECT_EQ(fromCodePage(bytes), text);
    EXPECT_EQ(toCodePage(text), bytes);
}

TEST(CodePage, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(toCodePage(fromCodePage(all)), all);
}

TEST(CodePage, RefusesCharactersOutsideTheCodePage)
{
    EXPECT_EQ(toCodePage(QStringLiteral("a\u0416b")), std::nullopt);            // Cyrillic Zhe
    EXPECT_EQ(toCodePage(QString::fromUtf8("\xF0\x9F\x98\x80")), std::nullopt); // outside the BMP
    EXPECT_FALSE(isInCodePage(QChar(0x0416)));
    EXPECT_TRUE(isInCodePage(QChar(0x2122)));
}

} // namespace
} // namespace app
