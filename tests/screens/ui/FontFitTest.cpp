// Choosing the largest font in which every text fits its room.

#include "screens/ui/FontFit.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace velmora {
namespace {

const QString kWide = "Portfolio Risk Category";
const QString kShort = "Loss";

QFont Face(int pixels, int stretch = QFont::Unstretched, bool bold = false) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setStretch(stretch);
    font.setBold(bold);
    return font;
}

int Width(const QString& text, const QFont& font) {
    return QFontMetrics(font).horizontalAdvance(text);
}

// Sizes 14 down to 6, one face at each.
constexpr FontSizes kPlainSizes{14, 6, QFont::Unstretched};

TEST(FontFitTest, TheLargestSizeAtWhichTheTightestTextFits) {
    // The short text would fit at any size; the wide one only from 10 down.
    const TextRoom texts[] = {{kShort, 200}, {kWide, Width(kWide, Face(10))}};
    const QFont font = LargestFittingFont(Face(20), kPlainSizes, texts);
    EXPECT_EQ(font.pixelSize(), 10);
    EXPECT_EQ(font.family(), "DejaVu Sans") << "only the size changes";
}

TEST(FontFitTest, ANarrowFaceIsTriedBeforeASmallerSize) {
    const int condensed = Width(kWide, Face(11, QFont::Condensed));
    if (condensed >= Width(kWide, Face(11))) {
        GTEST_SKIP() << "no narrower face of DejaVu Sans on this machine";
    }
    const TextRoom texts[] = {{kWide, condensed}};
    const QFont font = LargestFittingFont(Face(20), {14, 6, QFont::Condensed}, texts);
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_EQ(font.stretch(), QFont::Condensed);
    const QFont roomy = LargestFittingFont(Face(20), {14, 6, QFont::Condensed}, {});
    EXPECT_EQ(roomy.pixelSize(), 14);
    EXPECT_EQ(roomy.stretch(), QFont::Unstretched) << "the normal face first";
}

TEST(FontFitTest, BoldTextsAreMeasuredInBoldAndLinesKeepToTheHeight) {
    const int room = Width(kWide, Face(12));
    const TextRoom plain[] = {{kWide, room}};
    const TextRoom bold[] = {{kWide, room, true}};
    EXPECT_EQ(LargestFittingFont(Face(20), kPlainSizes, plain).pixelSize(), 12);
    EXPECT_LT(LargestFittingFont(Face(20), kPlainSizes, bold).pixelSize(), 12);

    FontSizes low = kPlainSizes;
    low.tallest = QFontMetrics(Face(9)).height();
    EXPECT_EQ(LargestFittingFont(Face(20), low, plain).pixelSize(), 9);
}

TEST(FontFitTest, WhenNothingFitsTheLastSizeTriedAndWhenNoneIsTriedTheFontAsGiven) {
    const TextRoom none[] = {{kShort, 0}};
    const QFont smallest = LargestFittingFont(Face(20), {14, 6, QFont::Condensed}, none);
    EXPECT_EQ(smallest.pixelSize(), 6);
    EXPECT_EQ(smallest.stretch(), QFont::Condensed);
    const QFont given =
        LargestFittingFont(Face(5, QFont::Expanded), {4, 6, QFont::Condensed}, none);
    EXPECT_EQ(given.pixelSize(), 5);
    EXPECT_EQ(given.stretch(), QFont::Expanded);
}

} // namespace
} // namespace velmora
