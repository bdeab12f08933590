#include "PlanCompare.h"

#include <sstream>

namespace velmora::testing {
namespace {

class Differences {
public:
    template <typename Value>
    void Compare(const std::string& prefix, const char* field, const Value& expected,
                 const Value& actual) {
        if (!(expected == actual)) {
            out_ << prefix << field << ": " << Show(expected) << " != " << Show(actual) << '\n';
        }
    }
    std::string Text() const { return out_.str(); }

private:
    static std::string Show(const std::string& text) { return '"' + text + '"'; }
    template <typename Number> static std::string Show(Number value) {
        return std::to_string(value);
    }
    std::ostringstream out_;
};

#define VELMORA_FIELD(name) diff.Compare(prefix, #name, expected.name, actual.name)

void CompareRow(Differences& diff, const std::string& prefix, const IraHolding& expected,
                const IraHolding& actual) {
    VELMORA_FIELD(Name);
    VELMORA_FIELD(Basis);
    VELMORA_FIELD(CurrentValue);
    VELMORA_FIELD(InterestRate);
    VELMORA_FIELD(Dividends);
    VELMORA_FIELD(GrowthRate);
    VELMORA_FIELD(ProbabilityOfLoss);
    VELMORA_FIELD(RiskCategory);
    VELMORA_FIELD(Err);
}

void CompareRow(Differences& diff, const std::string& prefix, const DebtHolding& expected,
                const DebtHolding& actual) {
    VELMORA_FIELD(Name);
    VELMORA_FIELD(Basis);
    VELMORA_FIELD(CurrentValue);
    VELMORA_FIELD(InterestRate);
    VELMORA_FIELD(RiskCategory);
    VELMORA_FIELD(ProbabilityOfLoss);
    VELMORA_FIELD(FedTaxFree);
    VELMORA_FIELD(Err);
}

void CompareRow(Differences& diff, const std::string& prefix, const EquityHolding& expected,
                const EquityHolding& actual) {
    VELMORA_FIELD(Name);
    VELMORA_FIELD(CurrentBasis);
    VELMORA_FIELD(CurrentValue);
    VELMORA_FIELD(RegularDividends);
    VELMORA_FIELD(QualifyingDividends);
    VELMORA_FIELD(CapGainsDistribution);
    VELMORA_FIELD(PriceGrowth);
    VELMORA_FIELD(RiskCategory);
    VELMORA_FIELD(LossFactor);
    VELMORA_FIELD(AutoReinvest);
    VELMORA_FIELD(FedTaxFree);
    VELMORA_FIELD(Err);
}

template <typename Table>
void CompareTable(Differences& diff, const std::string& name, const Table& expected,
                  const Table& actual) {
    for (std::size_t i = 0; i < expected.size(); ++i) {
        CompareRow(diff, name + "[" + std::to_string(i + 1) + "].", expected[i], actual[i]);
    }
}

void Blank(std::string& text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 32) {
            c = ' ';
        }
    }
}

} // namespace

std::string PlanDifference(const PlanData& expected, const PlanData& actual) {
    Differences diff;
    const std::string prefix;
    VELMORA_FIELD(Married);
    VELMORA_FIELD(AgeSelf);
    VELMORA_FIELD(AgeSpouse);
    VELMORA_FIELD(AnnualBudget);
    VELMORA_FIELD(InflationRate);
    VELMORA_FIELD(ReservedValue1);
    VELMORA_FIELD(ReservedValue2);
    VELMORA_FIELD(EarningsSelf);
    VELMORA_FIELD(EarningsSpouse);
    VELMORA_FIELD(SocialSecuritySelf);
    VELMORA_FIELD(SocialSecuritySpouse);
    VELMORA_FIELD(PensionSelf);
    VELMORA_FIELD(PensionSpouse);
    VELMORA_FIELD(TaxFreeSelf);
    VELMORA_FIELD(TaxFreeSpouse);
    VELMORA_FIELD(StateTaxRate);
    CompareTable(diff, "IraHoldings", expected.IraHoldings, actual.IraHoldings);
    CompareTable(diff, "RothHoldings", expected.RothHoldings, actual.RothHoldings);
    CompareTable(diff, "DebtHoldings", expected.DebtHoldings, actual.DebtHoldings);
    CompareTable(diff, "EquityHoldings", expected.EquityHoldings, actual.EquityHoldings);
    return diff.Text();
}

#undef VELMORA_FIELD

PlanData WithControlsBlanked(PlanData plan) {
    Blank(plan.Married);
    for (auto& row : plan.IraHoldings) {
        Blank(row.Name);
    }
    for (auto& row : plan.RothHoldings) {
        Blank(row.Name);
    }
    for (auto& row : plan.DebtHoldings) {
        Blank(row.Name);
        Blank(row.FedTaxFree);
    }
    for (auto& row : plan.EquityHoldings) {
        Blank(row.Name);
        Blank(row.AutoReinvest);
        Blank(row.FedTaxFree);
    }
    return plan;
}

} // namespace velmora::testing
