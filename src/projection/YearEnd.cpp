#include "projection/YearEnd.h"

#include "plan/NumberText.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

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
    std::int64_t Taken = 0;
    int Sale = -1; // its entry in the year's sales, once something is taken
};

using TableEnds = std::array<RowEnd, kTableRows>;

struct YearEndRun {
    std::array<TableEnds, kTables> rows{};
    std::int64_t missing = 0;
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
        if (debtEnd.TakesPart &&
            !SetEnd(debtEnd, Grown(debt.CurrentValue, -std::int64_t{debt.ProbabilityOfLoss}))) {
            return false;
        }

        const EquityHolding& equity = plan.EquityHoldings[i];
        RowEnd& equityEnd = run.rows[Index(HoldingTable::Equity)][i];
        equityEnd.TakesPart = TakesPart(equity, start.EquityHoldings[i]);
        if (equityEnd.TakesPart &&
            !SetEnd(equityEnd, Grown(equity.CurrentValue,
                                     std::int64_t{equity.PriceGrowth} - equity.LossFactor) +
                                   static_cast<double>(Reinvested(equity)))) {
            return false;
        }
    }
    return true;
}

// Takes up to `amount` (and at most what is still missing) from one category's
// ranked list, top first; each taking part row gives at most what it has left.
void TakeFrom(const Workspace& ws, int category, std::int64_t amount, YearEndRun& run,
              ProjectedYear& year) {
    amount = std::min(amount, run.missing);
    const auto& slots = ws.ranking.RankedHoldings[category];
    const int count = std::clamp(ws.ranking.CategoryCount[category], 0, kCategorySlots);
    for (int s = 0; s < count && amount > 0; ++s) {
        const RankedHolding& entry = slots[s];
        if (entry.Row < 1 || entry.Row > kTableRows) {
            continue;
        }
        RowEnd& end = run.rows[Index(entry.Table)][entry.Row - 1];
        const std::int64_t give = end.TakesPart ? std::min(amount, end.A - end.Taken) : 0;
        if (give <= 0) {
            continue;
        }
        if (end.Sale < 0) {
            end.Sale = static_cast<int>(year.Sales.size());
            year.Sales.push_back({entry.Name, {}, 0});
        }
        year.Sales[end.Sale].Amount += give;
        end.Taken += give;
        amount -= give;
        run.missing -= give;
    }
}

// Pass 1: each category its share of the withdrawal; pass 2: what is still
// missing, category by category; what remains is the shortfall.
bool Withdraw(const Workspace& ws, YearEndRun& run, ProjectedYear& year) {
    std::int64_t w = 0;
    if (!Whole(ws.results.WithdrawalNeeded, w)) {
        return false;
    }
    year.Withdrawal = w;
    run.missing = std::max<std::int64_t>(w, 0);
    const std::int64_t total = ws.results.TotalInvestments;
    if (total > 0) {
        for (int k = 0; k < kCategories; ++k) {
            std::int64_t share = 0;
            if (!Whole(static_cast<double>(w) * static_cast<double>(ws.ranking.CategoryTotal[k]) /
                           static_cast<double>(total),
                       share)) {
                return false;
            }
            TakeFrom(ws, k, share, run, year);
        }
    }
    for (int k = 0; k < kCategories; ++k) {
        TakeFrom(ws, k, run.missing, run, year);
    }
    year.Shortfall = run.missing;
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

bool EndYear(Workspace& ws, const PlanData& start, ProjectedYear& year) {
    YearEndRun run;
    if (!GrowIras(ws.plan, start, ws.tax.MinimumIraDistribution, run) ||
        !GrowOthers(ws.plan, start, run) || !Withdraw(ws, run, year) ||
        !NextRows(ws.plan, start, run)) {
        return false;
    }
    NameSales(ws.plan, run, year);
    year.EndInvestments = 0;
    year.EndByCategory.fill(0);
    AddEnd(ws.plan.IraHoldings, year);
    AddEnd(ws.plan.RothHoldings, year);
    AddEnd(ws.plan.DebtHoldings, year);
    AddEnd(ws.plan.EquityHoldings, year);
    return true;
}

} // namespace velmora::projection
