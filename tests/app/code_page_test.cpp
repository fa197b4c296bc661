// SPDX-License-Identifier: MIT
#include "app/code_page.h"

#include <gtest/gtest.h>

namespace app {
namespace {

TEST(CodePage, EveryByteSurvivesARoundTripAndOtherCharactersAreRefused)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all.push_back(static_cast<char>(byte));
    }
    EXPECT_EQ(toCodePage(fromCodePage(all)), all);
    EXPECT_EQ(fromCodePage("\x80 Gr\xFC\xDF" "e"), QString(QChar(0x20AC)) + QStringLiteral(" Grüße"));
    EXPECT_EQ(toCodePage(QStringLiteral("a\u0416b")), std::nullopt);            // Cyrillic Zhe
    EXPECT_EQ(toCodePage(QString::fromUtf8("\xF0\x9F\x98\x80")), std::nullopt); // outside the BMP
    EXPECT_FALSE(isInCodePage(QChar(0x0416)));
    EXPECT_TRUE(isInCodePage(QChar(0x2122)));
}

} // namespace
} // namespace app
