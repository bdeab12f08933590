// The report's figures in a locale: the cases the PDF tests do not reach.

#include "export/ui/ReportNumbers.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace velmora {
namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(ReportNumbers, AmountsGetSeparatorsAndCentsOnlyWhereThereAreAny) {
    EXPECT_EQ(report::AmountText("281000", kEnglish), "281,000");
    EXPECT_EQ(report::AmountText("-123456789012", kEnglish), "-123,456,789,012");
    EXPECT_EQ(report::AmountText("999", kEnglish), "999");
    EXPECT_EQ(report::AmountText("0", kEnglish), "0");
    EXPECT_EQ(report::AmountText("12421.875", kEnglish), "12,421.88");
    EXPECT_EQ(report::AmountText("3721.5", kGerman), "3.721,50");
    EXPECT_EQ(report::AmountText("1E+20", kEnglish), "100,000,000,000,000,000,000");
}

TEST(ReportNumbers, ErrsHaveTwoDecimalsAndNeverANegativeZero) {
    EXPECT_EQ(report::ErrText("0.24", kEnglish), "0.24");
    EXPECT_EQ(report::ErrText("2.73036273192111", kEnglish), "2.73");
    EXPECT_EQ(report::ErrText("-0.7", kEnglish), "-0.70");
    EXPECT_EQ(report::ErrText("0", kEnglish), "0.00");
    EXPECT_EQ(report::ErrText("-0.001", kEnglish), "0.00");
    EXPECT_EQ(report::ErrText("-2.43571428571429", kGerman), "-2,44");
    EXPECT_EQ(report::ErrText("1234.5", kEnglish), "1,234.50");
}

TEST(ReportNumbers, RatesKeepTheirDecimalsAndTextsThatAreNoNumberStay) {
    EXPECT_EQ(report::RateText("25", kEnglish), "25");
    EXPECT_EQ(report::RateText("27.5", kGerman), "27,5");
    EXPECT_EQ(report::ScaleText(-2.5, kEnglish), "-2.5");
    EXPECT_EQ(report::ErrText("inf", kEnglish), "inf");
    EXPECT_EQ(report::ErrText("nan", kEnglish), "nan");
    EXPECT_EQ(report::AmountText("", kEnglish), "");
    EXPECT_EQ(report::AmountText("12 345", kEnglish), "12 345");
}

TEST(ReportNumbers, WithoutAChosenLocaleTheReportReadsInUsEnglish) {
    const QLocale previous;
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(report::AmountText("281000"), "281,000");
    QLocale::setDefault(kGerman);
    EXPECT_EQ(report::AmountText("281000"), "281.000");
    QLocale::setDefault(previous);
}

} // namespace
} // namespace velmora
