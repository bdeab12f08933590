// Names between the screens (Unicode) and the plan (Windows-1252 bytes).

#include "screens/ui/ScreenText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(PlanTextTest, Windows1252CharactersGoBothWays) {
    const QString name = QString::fromUtf8("Caf\u00e9 \u20ac bond \u0160");
    const std::string bytes = ToPlanText(name);
    EXPECT_EQ(bytes, std::string("Caf\xe9 \x80 bond \x8a"));
    EXPECT_EQ(FromPlanText(bytes), name);
    for (int b = 32; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D || b == 127) {
            continue; // no character there
        }
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(ToPlanText(FromPlanText(one)), one) << "byte " << b;
    }
}

TEST(PlanTextTest, WhatTheCharacterSetCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(ToPlanText(QString::fromUtf8("\u4e2d\u6587")), "??");
    EXPECT_EQ(ToPlanText(QString::fromUtf8("a\U0001F600b")), "a?b") << "one character, one byte";
    EXPECT_EQ(ToPlanText(QStringLiteral("a\tb\rc")), "a?b?c") << "no control character";
    EXPECT_EQ(FromPlanText(std::string("\x81")), "?");
}

} // namespace
} // namespace velmora
