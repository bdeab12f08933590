#include "projection/YearEnd.h"

#include "plan/FilingStatus.h"
#include "plan/NumberText.h"
#include "projection/SaleList.h"
#include "projection/SaleTax.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>

namespace velmora::projection {
namespace {

constexpr std::size_t kTables = 4;

// Where each table's rows are kept below, by HoldingTable.
constexpr std::size_t Index(HoldingTable table) {
    return static_cast<std::size_t>(table);
}

// Round of a value that must stay a 32-bit amount; false when it would not.
bool Whole(double value, std::int64_t& out) {
    const double whole = Round(value);
    if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
          whole <= std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    out = static_cast<std::int64_t>(whole);
    return true;
}

bool Fits(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

// A row's value at the year's end before the withdrawal, and what is taken from it.
struct RowEnd {
    bool TakesPart = false;
    std::int64_t A = 0;
    std::int64_t B = 0; // the basis before the sale, reinvested dollars included
    std::int64_t Taken = 0;
    int Sale = -1; // its entry in the year's sales, once something is taken
};

using TableEnds = std::array<RowEnd, kTableRows>;

struct YearEndRun {
    std::array<TableEnds, kTables> rows{};
};

// V grown by a whole-percent rate: V + V x (rate x 0.01).
double Grown(std::int32_t value, std::int64_t rate) {
    const double v = static_cast<double>(value);
    return v + v * (static_cast<double>(rate) * 0.01);
}

// The dollars an equity row reinvests: distributions, and dividends unless paid out.
std::int64_t Reinvested(const EquityHolding& row) {
    std::int64_t r = row.CapGainsDistribution;
    if (row.AutoReinvest != "N") {
        r += std::int64_t{row.RegularDividends} + row.QualifyingDividends;
    }
    return r;
}

// A of one row from its value before Round; false when out of range.
bool SetEnd(RowEnd& end, double value) {
    if (!Whole(value, end.A)) {
        return false;
    }
    end.A = std::max<std::int64_t>(end.A, 0);
    return true;
}

template <typename Row> bool TakesPart(const Row& now, const Row& start) {
    return start.CurrentValue > 0 && now.CurrentValue > 0;
}

bool GrowIras(const PlanData& plan, const PlanData& start, double minimum, YearEndRun& run) {
    std::int64_t s = 0;
    for (const IraHolding& row : plan.IraHoldings) {
        if (row.CurrentValue > 0) {
            s += row.CurrentValue;
        }
    }
    for (int i = 0; i < kTableRows; ++i) {
        const IraHolding& row = plan.IraHoldings[i];
        RowEnd& end = run.rows[Index(HoldingTable::Ira)][i];
        end.TakesPart = TakesPart(row, start.IraHoldings[i]);
        if (end.TakesPart) {
            double a = Grown(row.CurrentValue, std::int64_t{row.InterestRate} + row.GrowthRate -
                                                   row.ProbabilityOfLoss) +
                       row.Dividends;
            if (s != 0) {
                a = a - minimum * row.CurrentValue / static_cast<double>(s);
            }
            if (!SetEnd(end, a)) {
                return false;
            }
        }
    }
    return true;
}

bool GrowOthers(const PlanData& plan, const PlanData& start, YearEndRun& run) {
    for (int i = 0; i < kTableRows; ++i) {
        const IraHolding& roth = plan.RothHoldings[i];
        RowEnd& rothEnd = run.rows[Index(HoldingTable::Roth)][i];
        rothEnd.TakesPart = TakesPart(roth, start.RothHoldings[i]);
        rothEnd.B = roth.Basis;
        if (rothEnd.TakesPart &&
            !SetEnd(rothEnd,
                    Grown(roth.CurrentValue, std::int64_t{roth.InterestRate} + roth.GrowthRate -
                                                 roth.ProbabilityOfLoss) +
                        roth.Dividends)) {
            return false;
        }

        // Debt interest was paid out as income: only the expected loss comes off.
        const DebtHolding& debt = plan.DebtHoldings[i];
        RowEnd& debtEnd = run.rows[Index(HoldingTable::Debt)][i];
        debtEnd.TakesPart = TakesPart(debt, start.DebtHoldings[i]);
        debtEnd.B = debt.Basis;
        if (debtEnd.TakesPart &&
            !SetEnd(debtEnd, Grown(debt.CurrentValue, -std::int64_t{debt.ProbabilityOfLoss}))) {
            return false;
        }

        const EquityHolding& equity = plan.EquityHoldings[i];
        RowEnd& equityEnd = run.rows[Index(HoldingTable::Equity)][i];
        equityEnd.TakesPart = TakesPart(equity, start.EquityHoldings[i]);
        equityEnd.B = std::int64_t{equity.CurrentBasis} + Reinvested(equity);
        if (equityEnd.TakesPart &&
            !SetEnd(equityEnd, Grown(equity.CurrentValue,
                                     std::int64_t{equity.PriceGrowth} - equity.LossFactor) +
                                   static_cast<double>(Reinvested(equity)))) {
            return false;
        }
    }
    return true;
}

// The dollars a year can hold: a total of the sellable rows above this ends the
// projection before the year.
constexpr std::int64_t kMostHeld = std::numeric_limits<std::int32_t>::max();

// The year's sales of a total and what they come to for the tax.
struct SaleAmounts {
    std::int64_t Ira = 0;     // I: sold from regular IRAs
    std::int64_t Gains = 0;   // the sum of the gains of the sales
    std::int64_t G = 0;       // the realized gain taxed
    std::int64_t D = 0;       // the loss taken against ordinary income
    std::int64_t LossOut = 0; // the loss carried out (0 or negative)
};

SaleAmounts AmountsOf(const SaleRows& rows, const Sales& sales, std::int64_t lossIn) {
    SaleAmounts amounts;
    for (const int id : sales.Order()) {
        const std::int64_t s = sales.Taken(id);
        const HoldingTable table = TableOf(id);
        if (table == HoldingTable::Ira) {
            amounts.Ira += s;
        } else if (table == HoldingTable::Debt || table == HoldingTable::Equity) {
            const SellableRow& row = rows.rows[static_cast<std::size_t>(id)];
            // The basis it keeps, as in the next year's rows; |B| is far below 2^53.
            const std::int64_t kept = static_cast<std::int64_t>(
                Round(static_cast<double>(row.B) * static_cast<double>(row.A - s) /
                      static_cast<double>(row.A)));
            amounts.Gains += s - (row.B - kept);
        }
    }
    const std::int64_t n = amounts.Gains + lossIn;
    if (n >= 0) {
        amounts.G = n;
    } else {
        amounts.D = std::min<std::int64_t>(3000, -n); // 26 U.S.C. 1211(b)
        amounts.LossOut = n + amounts.D;              // 26 U.S.C. 1212(b)
    }
    return amounts;
}

// Sells, finds and keeps the year's total: the tax of each trial total is the
// tax engine's alone, never the whole results calculation.
class Seller {
public:
    Seller(const Workspace& ws, const SaleRows& rows, Way way, std::int64_t lossIn)
        : tax_(ws), rows_(rows), way_(way), lossIn_(lossIn) {}

    const SaleTax& Tax() const { return tax_; }

    // net(T) = T - Tax(O(T), G(T)); leaves sales(T) in Last().
    double Net(std::int64_t total) {
        SalesOf(rows_, way_, total, sales_);
        amounts_ = AmountsOf(rows_, sales_, lossIn_);
        taxes_ = tax_.Of(amounts_.Ira, amounts_.D, amounts_.G);
        return static_cast<double>(total) - taxes_;
    }

    const Sales& Last() const { return sales_; }
    const SaleAmounts& LastAmounts() const { return amounts_; }
    double LastTaxes() const { return taxes_; }

private:
    SaleTax tax_;
    const SaleRows& rows_;
    Way way_;
    std::int64_t lossIn_;
    Sales sales_;
    SaleAmounts amounts_;
    double taxes_ = 0.0;
};

// X of "IRA to the bracket top": the most regular IRA dollars, up to what the
// sellable IRA rows hold, that keep the taxable income within the top of the
// year's second bracket; 0 without a filing status.
std::int64_t IraToBracketTop(const Workspace& ws, const SaleRows& rows, const SaleTax& tax) {
    const FilingStatus status = FilingStatusOf(ws.plan.Married);
    const RateSchedule& schedule = ws.taxYear.Law().Brackets[status];
    if (status == FilingStatus::Neither || schedule.Count < 3) {
        return 0;
    }
    const double top = static_cast<double>(schedule.Tops[1]);
    std::int64_t lo = 0;
    std::int64_t hi = 0;
    for (const int id : rows.planOrder) {
        if (TableOf(id) == HoldingTable::Ira) {
            hi += rows.rows[static_cast<std::size_t>(id)].A;
        }
    }
    while (lo < hi) {
        const std::int64_t mid = (lo + hi + 1) / 2;
        if (tax.TaxableIncomeWith(mid) <= top) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    return lo;
}

// A whole-dollar double as a 64-bit amount; false when far out of range.
bool Amount(double value, std::int64_t& out) {
    if (!(value >= -9.0e15 && value <= 9.0e15)) {
        return false;
    }
    out = static_cast<std::int64_t>(value);
    return true;
}

// The year's sales: just enough, in the way, to meet the budget after their own tax.
bool Sell(const Workspace& ws, const YearEndRun& run, Way way, CarriedOver& carried, SaleRows& rows,
          Sales& sold, ProjectedYear& year) {
    std::array<bool, kSaleRows> takesPart{};
    for (std::size_t t = 0; t < kTables; ++t) {
        for (int i = 0; i < kTableRows; ++i) {
            const RowEnd& end = run.rows[t][static_cast<std::size_t>(i)];
            const int id = RowId(static_cast<HoldingTable>(t), i);
            takesPart[static_cast<std::size_t>(id)] = end.TakesPart;
            SellableRow& row = rows.rows[static_cast<std::size_t>(id)];
            row = SellableRow{};
            row.A = end.A;
            row.B = end.B;
        }
    }
    Arrange(rows, ws.ranking, ws.results.TotalInvestments, takesPart, way);
    if (rows.H > kMostHeld) {
        return false;
    }
    Seller seller(ws, rows, way, carried.Loss);
    if (way == Way::IraToBracket) {
        rows.IraToBracket = IraToBracketTop(ws, rows, seller.Tax());
    }

    // What the sales must give: the year's shortfall less the cash kept.
    const double need = ws.results.IncomeShortfall - static_cast<double>(carried.Cash);
    const double atZero = seller.Net(0);
    const double taxAtZero = seller.LastTaxes();
    std::int64_t total = 0;
    double shortfall = 0.0;
    if (!(atZero >= need)) {
        const double atAll = seller.Net(rows.H);
        if (atAll < need) {
            total = rows.H;
            shortfall = need - atAll;
        } else {
            std::int64_t lo = 0;
            std::int64_t hi = rows.H;
            while (lo < hi) {
                const std::int64_t mid = (lo + hi) / 2;
                if (seller.Net(mid) >= need) {
                    hi = mid;
                } else {
                    lo = mid + 1;
                }
            }
            total = lo;
        }
    }
    const double net = seller.Net(total);
    const double surplus = net - need > 0 ? net - need : 0.0;
    const SaleAmounts& amounts = seller.LastAmounts();
    if (!Amount(shortfall, year.Shortfall) || !Amount(surplus, year.Surplus) ||
        !Amount(seller.LastTaxes(), year.Taxes) ||
        !Amount(seller.LastTaxes() - taxAtZero, year.TaxOnSales)) {
        return false;
    }
    year.Sold = total;
    year.GainsRealized = amounts.Gains;
    year.LossCarried = -amounts.LossOut;
    carried.Cash = year.Surplus;
    carried.Loss = amounts.LossOut;
    sold = seller.Last();
    year.Sales.clear();
    for (const int id : sold.Order()) {
        const std::string* name = rows.rows[static_cast<std::size_t>(id)].RankedName;
        year.Sales.push_back({name != nullptr ? *name : std::string(), {}, sold.Taken(id)});
    }
    return true;
}

// Round(double(amount) x double(left) / double(of)) into a 32-bit field.
bool Scaled(std::int32_t& field, std::int64_t amount, std::int64_t left, std::int64_t of) {
    std::int64_t value = 0;
    if (!Whole(static_cast<double>(amount) * static_cast<double>(left) / static_cast<double>(of),
               value)) {
        return false;
    }
    field = static_cast<std::int32_t>(value);
    return true;
}

// The basis left after the sale: B = basis + reinvested, in proportion to what is left.
bool NextBasis(std::int32_t& basis, std::int64_t reinvested, const RowEnd& end) {
    const std::int64_t b = std::int64_t{basis} + reinvested;
    if (end.A > 0) {
        return Scaled(basis, b, end.A - end.Taken, end.A);
    }
    if (!Fits(b)) {
        return false;
    }
    basis = static_cast<std::int32_t>(b);
    return true;
}

bool NextIraRow(IraHolding& row, const IraHolding& start, const RowEnd& end, bool roth) {
    const std::int64_t left = end.A - end.Taken;
    row.CurrentValue = static_cast<std::int32_t>(left);
    if (roth) {
        if (!NextBasis(row.Basis, 0, end)) {
            return false;
        }
    } else {
        row.Basis = 0;
    }
    return Scaled(row.Dividends, start.Dividends, left, start.CurrentValue);
}

bool NextRows(PlanData& plan, const PlanData& start, const YearEndRun& run) {
    for (int i = 0; i < kTableRows; ++i) {
        const RowEnd& ira = run.rows[Index(HoldingTable::Ira)][i];
        if (ira.TakesPart && !NextIraRow(plan.IraHoldings[i], start.IraHoldings[i], ira, false)) {
            return false;
        }
        const RowEnd& roth = run.rows[Index(HoldingTable::Roth)][i];
        if (roth.TakesPart &&
            !NextIraRow(plan.RothHoldings[i], start.RothHoldings[i], roth, true)) {
            return false;
        }
        const RowEnd& debt = run.rows[Index(HoldingTable::Debt)][i];
        if (debt.TakesPart) {
            DebtHolding& row = plan.DebtHoldings[i];
            row.CurrentValue = static_cast<std::int32_t>(debt.A - debt.Taken);
            if (!NextBasis(row.Basis, 0, debt)) {
                return false;
            }
        }
        const RowEnd& equity = run.rows[Index(HoldingTable::Equity)][i];
        if (equity.TakesPart) {
            EquityHolding& row = plan.EquityHoldings[i];
            const EquityHolding& was = start.EquityHoldings[i];
            const std::int64_t left = equity.A - equity.Taken;
            const std::int64_t reinvested = Reinvested(row);
            row.CurrentValue = static_cast<std::int32_t>(left);
            if (!NextBasis(row.CurrentBasis, reinvested, equity) ||
                !Scaled(row.RegularDividends, was.RegularDividends, left, was.CurrentValue) ||
                !Scaled(row.QualifyingDividends, was.QualifyingDividends, left, was.CurrentValue) ||
                !Scaled(row.CapGainsDistribution, was.CapGainsDistribution, left,
                        was.CurrentValue)) {
                return false;
            }
        }
    }
    return true;
}

template <typename Table> void AddEnd(const Table& table, ProjectedYear& year) {
    for (const auto& row : table) {
        year.EndInvestments += row.CurrentValue;
        if (row.RiskCategory >= 0 && row.RiskCategory < kCategories) {
            year.EndByCategory[static_cast<std::size_t>(row.RiskCategory)] += row.CurrentValue;
        }
    }
}

// The sales under the rows' own names too.
void NameSales(const PlanData& plan, const YearEndRun& run, ProjectedYear& year) {
    for (std::size_t t = 0; t < kTables; ++t) {
        for (int i = 0; i < kTableRows; ++i) {
            const int sale = run.rows[t][i].Sale;
            if (sale < 0) {
                continue;
            }
            const auto table = static_cast<HoldingTable>(t);
            year.Sales[sale].HoldingName = table == HoldingTable::Ira    ? plan.IraHoldings[i].Name
                                           : table == HoldingTable::Roth ? plan.RothHoldings[i].Name
                                           : table == HoldingTable::Debt
                                               ? plan.DebtHoldings[i].Name
                                               : plan.EquityHoldings[i].Name;
        }
    }
}

} // namespace

bool EndYear(Workspace& ws, const PlanData& start, Way way, CarriedOver& carried,
             ProjectedYear& year) {
    YearEndRun run;
    if (!GrowIras(ws.plan, start, ws.tax.MinimumIraDistribution, run) ||
        !GrowOthers(ws.plan, start, run)) {
        return false;
    }
    // The sale list is large (every row's place), so it lives on the heap.
    const auto rows = std::make_unique<SaleRows>();
    Sales sold;
    if (!Sell(ws, run, way, carried, *rows, sold, year)) {
        return false;
    }
    for (std::size_t k = 0; k < sold.Order().size(); ++k) {
        const int id = sold.Order()[k];
        RowEnd& end = run.rows[Index(TableOf(id))][static_cast<std::size_t>(id % kTableRows)];
        end.Taken = sold.Taken(id);
        end.Sale = static_cast<int>(k);
    }
    if (!NextRows(ws.plan, start, run)) {
        return false;
    }
    NameSales(ws.plan, run, year);
    year.EndInvestments = 0;
    year.EndRegularIra = 0;
    year.EndByCategory.fill(0);
    AddEnd(ws.plan.IraHoldings, year);
    year.EndRegularIra = year.EndInvestments;
    AddEnd(ws.plan.RothHoldings, year);
    AddEnd(ws.plan.DebtHoldings, year);
    AddEnd(ws.plan.EquityHoldings, year);
    year.EndInvestments += year.Surplus; // the cash kept
    return true;
}

} // namespace velmora::projection
