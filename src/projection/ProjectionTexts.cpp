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
    figures.Sold = static_cast<double>(year.Sold);
    figures.Taxes = static_cast<double>(year.Taxes);
    figures.TaxOnSales = static_cast<double>(year.TaxOnSales);
    figures.Surplus = static_cast<double>(year.Surplus);
    figures.EndInvestments = static_cast<double>(year.EndInvestments);
    figures.EndRegularIra = static_cast<double>(year.EndRegularIra);
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
    if (year.Sold <= 0 && year.Shortfall <= 0) {
        return "Nothing needs selling to meet the budget this year";
    }
    std::string line = "To meet the budget this year: ";
    std::string sales;
    for (std::size_t k = 0; k < year.Sales.size(); ++k) {
        if (k > 0) {
            sales += k + 1 == year.Sales.size() ? " and " : ", ";
        }
        sales += GroupedText(static_cast<double>(year.Sales[k].Amount)) + " of " +
                 year.Sales[k].HoldingName;
    }
    if (!sales.empty()) {
        line += "sell " + sales;
        if (year.Sales.size() > 1) {
            line += ", " + GroupedText(static_cast<double>(year.Sold)) + " in all";
        }
        const double tax = static_cast<double>(year.TaxOnSales);
        line += tax > 0   ? "; tax on these sales " + GroupedText(tax)
                : tax < 0 ? "; these sales lower the tax by " + GroupedText(-tax)
                          : "; no tax on these sales";
    }
    if (year.Shortfall > 0) {
        line += sales.empty() ? "" : "; ";
        line += GroupedText(static_cast<double>(year.Shortfall)) +
                " of the budget cannot be met from the investments";
    }
    return line;
}

std::string SellNote(const ProjectedYear& year, double withdrawalBox) {
    if (static_cast<double>(year.Sold) == withdrawalBox) {
        return {};
    }
    return "The Withdrawal Needed box says " + GroupedText(withdrawalBox) +
           ": it counts every dollar sold as an IRA withdrawal. A Roth IRA is not taxed, and a "
           "CD's principal and a fund's basis come back untaxed.";
}

namespace {

// "you are 70", or "you are 93 and your spouse is 91" for a married household.
std::string Ages(const ProjectedYear& year) {
    std::string ages = "you are " + std::to_string(year.AgeSelf);
    if (year.Married) {
        ages += " and your spouse is " + std::to_string(year.AgeSpouse);
    }
    return ages;
}

} // namespace

std::int64_t LifetimeTax(const Projection& projection) {
    std::int64_t total = 0;
    for (const ProjectedYear& year : projection.Years) {
        total += year.Taxes;
    }
    return total;
}

std::string Summary(const Projection& projection) {
    if (projection.Years.empty()) {
        return {};
    }
    std::string summary;
    if (projection.RunsOut) {
        const auto out = std::find_if(
            projection.Years.begin(), projection.Years.end(),
            [&](const ProjectedYear& year) { return year.Year == *projection.RunsOut; });
        summary = "Your investments run out in " + std::to_string(out->Year) + ", when " +
                  Ages(*out) + ": that year " + GroupedText(static_cast<double>(out->Shortfall)) +
                  " of the budget cannot be met";
    } else {
        const ProjectedYear& last = projection.Years.back();
        summary = "Your investments last through " + std::to_string(last.Year) + ", when " +
                  Ages(last) + ", with " + GroupedText(static_cast<double>(last.EndInvestments)) +
                  " left";
    }
    return summary +
           ". Taxes over the years: " + GroupedText(static_cast<double>(LifetimeTax(projection)));
}

std::string ThroughWhom(const Projection& projection) {
    if (projection.Years.empty()) {
        return {};
    }
    const ProjectedYear& first = projection.Years.front();
    if (!first.Married) {
        return "of you, " + std::to_string(first.AgeSelf) + " now";
    }
    if (first.AgeSelf == first.AgeSpouse) {
        return "of you both, " + std::to_string(first.AgeSelf) + " now";
    }
    return first.AgeSpouse < first.AgeSelf
               ? "of the younger, your spouse, " + std::to_string(first.AgeSpouse) + " now"
               : "of the younger, you, " + std::to_string(first.AgeSelf) + " now";
}

std::string LawLine(const Projection& projection) {
    return "Tax law of " + std::to_string(projection.TaxYear) +
           ", its dollar amounts raised with prices each year";
}

std::string StopText(const Projection& projection) {
    if (!projection.StoppedBefore) {
        return {};
    }
    return "The projection stops before " + std::to_string(*projection.StoppedBefore) +
           " because the amounts grow too large.";
}

} // namespace velmora::projection
