#include "projection/ProjectionTexts.h"

#include "plan/NumberText.h"

#include <algorithm>
#include <cstddef>

namespace velmora::projection {

std::string GroupedText(double value) {
    const std::string digits = DollarText(value);
    const std::size_t first = digits.front() == '-' ? 1 : 0;
    std::string grouped = digits.substr(0, first);
    const std::size_t count = digits.size() - first;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[first + i];
    }
    return grouped;
}

YearFigures FiguresOf(const ProjectedYear& year) {
    const ResultValues& r = year.results;
    YearFigures figures;
    figures.Budget = year.AnnualBudget;
    figures.Income = Round(static_cast<double>(r.AnnualEarnings) + r.AnnualEntitlements +
                           year.totals.TotalInterest + year.totals.CashDividends);
    figures.MinimumIra = Round(year.tax.MinimumIraDistribution);
    figures.Withdrawal = static_cast<double>(year.Withdrawal);
    figures.Taxes = Round(r.TaxOnIncome + r.TaxOnWithdrawals);
    figures.EndInvestments = static_cast<double>(year.EndInvestments);
    figures.Shortfall = static_cast<double>(year.Shortfall);
    return figures;
}

namespace {

template <typename NameOf>
std::string SaleList(const ProjectedYear& year, NameOf name, bool forCell = false) {
    std::string text;
    for (const Sale& sale : year.Sales) {
        if (!text.empty()) {
            text += forCell ? "; " : ", ";
        }
        const double amount = static_cast<double>(sale.Amount);
        text += (forCell ? DollarText(amount) : GroupedText(amount)) + " of " + name(sale);
    }
    return text;
}

} // namespace

std::string SalesText(const ProjectedYear& year) {
    return SaleList(year, [](const Sale& sale) { return sale.RankedName; });
}

std::string SalesCellText(const ProjectedYear& year) {
    return SaleList(
        year, [](const Sale& sale) { return sale.RankedName; }, true);
}

std::string SellLine(const ProjectedYear& year) {
    if (year.Withdrawal <= 0) {
        return "No withdrawal is needed this year: nothing to sell";
    }
    std::string line = "To raise " + GroupedText(static_cast<double>(year.Withdrawal)) + ": ";
    const std::string sales = SaleList(year, [](const Sale& sale) { return sale.HoldingName; });
    if (!sales.empty()) {
        line += "sell " + sales;
    }
    if (year.Shortfall > 0) {
        line += sales.empty() ? "" : "; ";
        line += GroupedText(static_cast<double>(year.Shortfall)) +
                " cannot be met from the investments";
    }
    return line;
}

std::string Summary(const Projection& projection) {
    if (projection.Years.empty()) {
        return {};
    }
    if (projection.RunsOut) {
        const auto out = std::find_if(
            projection.Years.begin(), projection.Years.end(),
            [&](const ProjectedYear& year) { return year.Year == *projection.RunsOut; });
        return "Your investments run out in " + std::to_string(out->Year) + ", when you are " +
               std::to_string(out->AgeSelf) + ": that year " +
               GroupedText(static_cast<double>(out->Shortfall)) + " of the budget cannot be met";
    }
    const ProjectedYear& last = projection.Years.back();
    return "Your investments last through " + std::to_string(last.Year) + ", when you are " +
           std::to_string(last.AgeSelf) + ", with " +
           GroupedText(static_cast<double>(last.EndInvestments)) + " left";
}

std::string StopText(const Projection& projection) {
    if (!projection.StoppedBefore) {
        return {};
    }
    return "The projection stops before " + std::to_string(*projection.StoppedBefore) +
           " because the amounts grow too large.";
}

} // namespace velmora::projection
