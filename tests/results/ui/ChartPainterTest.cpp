// The charts drawn into images: nothing ever reaches outside the given
// rectangle, whatever the plan and the rectangle's size, and the ring and the
// bars put each category and each ERR where they belong.

#include "results/ui/ChartPainter.h"

#include "PlanSamples.h"
#include "Workspace.h"
#include "export/ui/ReportPalette.h"
#include "results/ResultsCalculation.h"
#include "results/ui/ChartData.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace velmora {
namespace {

using charts::ChartData;

constexpr QRgb kMarker = 0xFFFF00FF; // a colour no chart uses

using Draw = std::function<void(QPainter&, const QRectF&, const ChartData&)>;

const Draw kShares = [](QPainter& painter, const QRectF& area, const ChartData& data) {
    charts::DrawShares(painter, area, data);
};
const Draw kBars = [](QPainter& painter, const QRectF& area, const ChartData& data) {
    charts::DrawErrBars(painter, area, data);
};

QImage Render(const Draw& draw, const QRectF& area, const ChartData& data,
              const QSize& size = {360, 300}) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(kMarker);
    QPainter painter(&image);
    draw(painter, area, data);
    painter.end();
    return image;
}

struct Changed {
    int outside = 0;
    int inside = 0;
};

// Pixels that the drawing changed, outside and inside the pixels the area touches.
Changed Count(const QImage& image, const QRectF& area) {
    const QRect touched = area.toAlignedRect();
    Changed changed;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kMarker) {
                ++(touched.contains(x, y) ? changed.inside : changed.outside);
            }
        }
    }
    return changed;
}

ChartData FromPlan(const PlanData& plan) {
    const auto ws = std::make_unique<Workspace>();
    ws->plan = plan;
    results::Calculate(*ws);
    return charts::ChartDataFrom(*ws);
}

PlanData OneCategory() {
    PlanData plan;
    plan.EquityHoldings[0] = {"Tech", 100, 5000, 0, 0, 0, 9, 3, 2, "N", "N", 0.0};
    plan.EquityHoldings[1] = {"Oil", 100, 3000, 50, 0, 0, 1, 3, 6, "N", "N", 0.0};
    return plan;
}

// `perCategory` holdings in each listed category, 160 in all.
PlanData Holdings160(bool allInOne) {
    PlanData plan;
    for (int i = 0; i < kTableRows; ++i) {
        const std::string n = std::to_string(i);
        auto category = [&](int shift) { return allInOne ? 2 : (i + shift) % 4; };
        plan.IraHoldings[i] = {"Ira " + n, 0, 1000 + i, i % 9, 0, 0, i % 4, category(0), 0.0};
        plan.RothHoldings[i] = {"Roth " + n, 0, 2000 + i, 0, 0, i % 5, 0, category(1), 0.0};
        plan.DebtHoldings[i] = {"Bond " + n, 100, 300 + i, 1 + i % 4, category(2), 0, "N", 0.0};
        plan.EquityHoldings[i] = {
            "Stock with a long name " + n, 100, 900, 0, 0, 0, i % 7, category(3), 2, "Y", "N", 0.0};
    }
    return plan;
}

// Values no household has, made by hand: ERRs at the ends of the double range and
// not a number, a negative category total, a very long name.
ChartData Extremes() {
    ChartData data;
    const double inf = std::numeric_limits<double>::infinity();
    const double huge = std::numeric_limits<double>::max();
    data.TotalInvestments = -5;
    data.TotalText = "-5";
    for (int k = 0; k < kCategories; ++k) {
        data.Categories[k].Title = "Category";
        data.Categories[k].TotalText = "-123456789012";
        data.Categories[k].PercentText = "100";
        data.Categories[k].Total = k == 0 ? -1e12 : 3;
    }
    for (double err : {huge, -huge, inf, -inf, std::nan(""), 1e-300, 0.0}) {
        data.Categories[1].Holdings.push_back(
            {QString(300, QChar('W')), "2147483647", QString(40, QChar('9')), err});
    }
    return data;
}

TEST(ChartPainter, NothingIsDrawnOutsideTheArea) {
    const std::pair<const char*, ChartData> cases[] = {
        {"empty plan", FromPlan(PlanData{})},
        {"one category", FromPlan(OneCategory())},
        {"160 holdings in one category", FromPlan(Holdings160(true))},
        {"160 holdings in four categories", FromPlan(Holdings160(false))},
        {"household", FromPlan(testing::MarriedHousehold())},
        {"extreme plan", FromPlan(testing::VariedPlan())},
        {"extreme values", Extremes()},
    };
    const QRectF areas[] = {
        {40.5, 30.25, 260, 200}, // fractional edges
        {10, 10, 120, 270},      // tall
        {5, 5, 340, 24},         // flat
        {100, 100, 30, 12},      // tiny
        {0, 0, 360, 300},        // the whole image
    };
    for (const auto& [name, data] : cases) {
        for (const QRectF& area : areas) {
            for (const Draw* draw : {&kShares, &kBars}) {
                const Changed changed = Count(Render(*draw, area, data), area);
                EXPECT_EQ(changed.outside, 0)
                    << name << (draw == &kShares ? ", ring" : ", bars") << " in " << area.x() << ","
                    << area.y() << " " << area.width() << "x" << area.height();
                if (area.width() >= 100 && area.height() >= 100) {
                    EXPECT_GT(changed.inside, 100) << name << ": something is drawn";
                }
            }
        }
    }
}

TEST(ChartPainter, EmptyAreasAndRowRangesDrawNothingOutside) {
    const ChartData data = FromPlan(Holdings160(false));
    const QRectF empty(50, 50, 0, 0);
    EXPECT_EQ(Count(Render(kShares, empty, data), empty).outside, 0);
    EXPECT_EQ(Count(Render(kBars, empty, data), empty).outside, 0);
    const QRectF inverted(200, 200, -100, -100);
    EXPECT_EQ(Count(Render(kBars, inverted, data), QRectF()).outside, 0);

    const QRectF area(20, 20, 300, 120);
    const int rows = charts::ErrBarRowCount(data);
    EXPECT_EQ(rows, 164);
    for (const auto& [first, count] : {std::pair{0, 5}, std::pair{160, 10}, std::pair{rows, 3},
                                       std::pair{-7, 2}, std::pair{500, -1}}) {
        const Changed changed =
            Count(Render(
                      [first, count](QPainter& painter, const QRectF& box, const ChartData& d) {
                          charts::DrawErrBars(painter, box, d, first, count);
                      },
                      area, data),
                  area);
        EXPECT_EQ(changed.outside, 0) << first << " " << count;
    }
}

// Whether a pixel has a colour; blended edges of antialiasing do not count.
bool Near(QRgb pixel, const QColor& colour) {
    return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
               std::abs(qBlue(pixel) - colour.blue()) <
           8;
}

struct Spot {
    int count = 0;
    double x = 0;
    double y = 0;
};

// Count and centre of the pixels of a colour left of `right`.
Spot Find(const QImage& image, const QColor& colour, int right) {
    Spot spot;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < right; ++x) {
            if (Near(image.pixel(x, y), colour)) {
                ++spot.count;
                spot.x += x;
                spot.y += y;
            }
        }
    }
    if (spot.count > 0) {
        spot.x /= spot.count;
        spot.y /= spot.count;
    }
    return spot;
}

ChartData Shares(double zero, double low, double medium, double high, double total) {
    ChartData data;
    const double totals[] = {zero, low, medium, high};
    for (int k = 0; k < kCategories; ++k) {
        data.Categories[k].Title = QString::number(k);
        data.Categories[k].Total = totals[k];
        data.Categories[k].TotalText = QString::number(totals[k]);
        data.Categories[k].PercentText = "0";
    }
    data.TotalInvestments = total;
    data.TotalText = QString::number(total);
    return data;
}

// In an area more than 1.3 times as wide as high the ring stands at the left,
// in at most 45% of the width; the legend's colour swatches are right of it.
constexpr int kRingRight = 180;

TEST(ChartPainter, RingPiecesGoClockwiseFromTheTopInProportion) {
    const QRectF area(0, 0, 400, 200);
    const QImage image = Render(kShares, area, Shares(50, 25, 25, 0, 100), {400, 200});
    const Spot zero = Find(image, palette::CategoryColour(0), kRingRight);
    const Spot low = Find(image, palette::CategoryColour(1), kRingRight);
    const Spot medium = Find(image, palette::CategoryColour(2), kRingRight);
    ASSERT_GT(zero.count, 1000);
    ASSERT_GT(low.count, 500);
    ASSERT_GT(medium.count, 500);
    EXPECT_EQ(Find(image, palette::CategoryColour(3), kRingRight).count, 0) << "High holds nothing";
    const double cx = (zero.x * zero.count + low.x * low.count + medium.x * medium.count) /
                      (zero.count + low.count + medium.count);
    const double cy = (zero.y * zero.count + low.y * low.count + medium.y * medium.count) /
                      (zero.count + low.count + medium.count);
    // Half from twelve to six o'clock, then a quarter to nine, then a quarter to twelve.
    EXPECT_GT(zero.x, cx + 10);
    EXPECT_NEAR(zero.y, cy, 3);
    EXPECT_LT(low.x, cx - 10);
    EXPECT_GT(low.y, cy + 10);
    EXPECT_LT(medium.x, cx - 10);
    EXPECT_LT(medium.y, cy - 10);
    EXPECT_NEAR(static_cast<double>(zero.count) / low.count, 2.0, 0.15);
    EXPECT_NEAR(static_cast<double>(low.count) / medium.count, 1.0, 0.1);
}

TEST(ChartPainter, RingShowsValueOutsideTheCategoriesAndSkipsNegativeTotals) {
    const QRectF area(0, 0, 400, 200);
    const QColor grey(0xC8, 0xC8, 0xC8);
    // Half of the investments in no category: half of the ring is grey.
    QImage image = Render(kShares, area, Shares(50, 0, 0, 0, 100), {400, 200});
    const Spot zero = Find(image, palette::CategoryColour(0), kRingRight);
    const Spot other = Find(image, grey, kRingRight);
    ASSERT_GT(zero.count, 1000);
    EXPECT_NEAR(static_cast<double>(other.count) / zero.count, 1.0, 0.1);
    EXPECT_GT(zero.x, other.x + 20) << "the category first, clockwise from the top";

    // A negative category total gets no piece; the rest share the whole ring.
    image = Render(kShares, area, Shares(-50, 100, 0, 0, 50), {400, 200});
    EXPECT_EQ(Find(image, palette::CategoryColour(0), kRingRight).count, 0);
    EXPECT_EQ(Find(image, grey, kRingRight).count, 0);
    EXPECT_GT(Find(image, palette::CategoryColour(1), kRingRight).count, 3000);
}

// Left and right end of the bar of one colour along a pixel row.
std::pair<int, int> BarAlong(const QImage& image, int y, const QColor& colour) {
    int left = -1;
    int right = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (Near(image.pixel(x, y), colour)) {
            left = left < 0 ? x : left;
            right = x;
        }
    }
    return {left, right};
}

TEST(ChartPainter, NegativeErrsReachLeftOfTheCommonZeroAxis) {
    ChartData data = Shares(600, 0, 0, 0, 600);
    data.Categories[0].Holdings = {{"B:Loss", "100", "-2", -2.0}, {"S:Gain", "500", "4", 4.0}};
    // Rows: the Zero heading, the two holdings, three empty categories' headings; then the scale.
    const double height = 6 * charts::kErrRowHeight + charts::kErrScaleHeight;
    const QImage image = Render(kBars, QRectF(0, 0, 400, height), data, {400, 110});
    const int rowCentre = static_cast<int>(charts::kErrRowHeight / 2);
    const auto [lossLeft, lossRight] = BarAlong(
        image, static_cast<int>(charts::kErrRowHeight) + rowCentre, palette::CategoryColour(0));
    const auto [gainLeft, gainRight] = BarAlong(
        image, static_cast<int>(2 * charts::kErrRowHeight) + rowCentre, palette::CategoryColour(0));
    ASSERT_GE(lossLeft, 0);
    ASSERT_GE(gainLeft, 0);
    EXPECT_LT(lossLeft, gainLeft);
    EXPECT_NEAR(lossRight, gainLeft, 3) << "both bars start at the zero axis, drawn between them";
    EXPECT_NEAR(2.0 * (lossRight - lossLeft), gainRight - gainLeft, 4) << "-2 is half as long as 4";
    EXPECT_GT(gainRight - gainLeft, 60);
}

// Pixels of the charts' text colour (bars and bands are lighter or coloured).
int DarkPixels(const QImage& image) {
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            dark += c.red() < 0x80 && c.green() < 0x80 && c.blue() < 0x80 ? 1 : 0;
        }
    }
    return dark;
}

TEST(ChartPainter, AtScaleTwoTheTextIsTwiceAsLargeInEachDirection) {
    const ChartData data = FromPlan(OneCategory());
    const QRectF area(0, 0, 340, 200);
    const QRectF twice(0, 0, 680, 400);
    for (const bool bars : {false, true}) {
        const auto draw = [bars, &data](const QRectF& box, double scale) {
            QImage image(box.size().toSize(), QImage::Format_ARGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            if (bars) {
                charts::DrawErrBars(painter, box, data, 0, -1, scale);
            } else {
                charts::DrawShares(painter, box, data, scale);
            }
            painter.end();
            return image;
        };
        const int normal = DarkPixels(draw(area, 1.0));
        ASSERT_GT(normal, 200) << (bars ? "bars" : "ring");
        // Type of twice the height and width covers about four times the pixels.
        const double grown = DarkPixels(draw(twice, 2.0)) / static_cast<double>(normal);
        EXPECT_GT(grown, 3.0) << (bars ? "bars" : "ring");
        EXPECT_LT(grown, 5.0) << (bars ? "bars" : "ring");
        // At scale 1 a larger area alone leaves the type as it is.
        const double unscaled = DarkPixels(draw(twice, 1.0)) / static_cast<double>(normal);
        EXPECT_LT(unscaled, 2.0) << (bars ? "bars" : "ring");
    }
}

} // namespace
} // namespace velmora
