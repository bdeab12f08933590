#pragma once
// The figures of the printed report and the charts as a report shows them, in
// the user's locale: amounts with thousands separators ("281,000", cents only
// where there are any: "3,721.50"), ERR values with two decimals ("0.24"),
// rates and shares with the decimals they have ("25", "27.5"). Each takes the
// text that the results screen shows for the figure; a text that is no number
// stays as it is. The results screen, the text page, the CSV and the JSON keep
// the screen's own texts.

#include <QLocale>
#include <QString>
#include <string_view>

namespace velmora::report {

// The user's locale (QLocale's default); English (United States) when the
// user has chosen none, that is under the "C" locale.
QLocale Locale();

QString AmountText(std::string_view screenText, const QLocale& locale = Locale());
QString ErrText(std::string_view screenText, const QLocale& locale = Locale());
QString RateText(std::string_view screenText, const QLocale& locale = Locale());

// A value of the ERR chart's scale, with the decimals it has.
QString ScaleText(double value, const QLocale& locale = Locale());

} // namespace velmora::report
