#include "plan/PlanEdit.h"

#include "plan/PlanFields.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

// The fields of one row, or of the personal data, in plan file order: numbers
// and texts apart. The personal data has the most numbers (15), an equity row
// the most texts (3).
template <class TextT, class NumberT> struct RowFields {
    std::array<TextT*, 3> texts{};
    std::array<NumberT*, 15> numbers{};
    std::size_t textCount = 0;
    std::size_t numberCount = 0;

    void Text(TextT& text) { texts[textCount++] = &text; }
    void Name(TextT& text) { Text(text); }
    void Flag(TextT& text) { Text(text); }
    void Int(NumberT& number) { numbers[numberCount++] = &number; }
};

template <class Plan, class Visitor>
void VisitRow(Plan& plan, PlanPart part, int row, Visitor& visit) {
    const auto index = static_cast<std::size_t>(row);
    switch (part) {
    case PlanPart::Personal:
        VisitPersonalFields(plan, visit);
        return;
    case PlanPart::Ira:
        VisitIraRow(plan.IraHoldings[index], visit);
        return;
    case PlanPart::Roth:
        VisitIraRow(plan.RothHoldings[index], visit);
        return;
    case PlanPart::Debt:
        VisitDebtRow(plan.DebtHoldings[index], visit);
        return;
    case PlanPart::Equity:
        VisitEquityRow(plan.EquityHoldings[index], visit);
        return;
    }
}

using ConstFields = RowFields<const std::string, const std::int32_t>;
using Fields = RowFields<std::string, std::int32_t>;

// Calls `each(row)` for every row in `scope`: 0 alone for the personal data, no
// row for a row number outside the table.
template <class Each> void ForEachRow(const PlanScope& scope, Each&& each) {
    if (scope.part == PlanPart::Personal) {
        each(0);
    } else if (scope.row == PlanScope::kAllRows) {
        for (int row = 0; row < kTableRows; ++row) {
            each(row);
        }
    } else if (scope.row >= 0 && scope.row < kTableRows) {
        each(scope.row);
    }
}

// What a string holds beyond its own size.
std::size_t HeapBytes(const std::string& text) {
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

// Keeps a later change of the same place as one, from the first before to the
// last after, and drops the places that end as they began.
template <class Change>
void AppendChanges(std::vector<Change>& changes, const std::vector<Change>& later) {
    for (const Change& change : later) {
        auto same = std::find_if(changes.begin(), changes.end(),
                                 [&](const Change& c) { return c.place == change.place; });
        if (same != changes.end()) {
            same->after = change.after;
        } else {
            changes.push_back(change);
        }
    }
    std::erase_if(changes, [](const Change& c) { return c.before == c.after; });
}

} // namespace

void PlanEdit::Apply(PlanData& plan, bool after) const {
    for (const NumberChange& change : numbers_) {
        Fields fields;
        VisitRow(plan, change.place.part, change.place.row, fields);
        *fields.numbers[change.place.field] = after ? change.after : change.before;
    }
    for (const TextChange& change : texts_) {
        Fields fields;
        VisitRow(plan, change.place.part, change.place.row, fields);
        *fields.texts[change.place.field] = after ? change.after : change.before;
    }
}

void PlanEdit::Undo(PlanData& plan) const {
    Apply(plan, false);
}

void PlanEdit::Redo(PlanData& plan) const {
    Apply(plan, true);
}

void PlanEdit::Append(const PlanEdit& later) {
    AppendChanges(numbers_, later.numbers_);
    AppendChanges(texts_, later.texts_);
}

std::vector<int> PlanEdit::Rows(PlanPart part) const {
    std::vector<int> rows;
    auto consider = [&](const Place& place) {
        if (place.part == part) {
            rows.push_back(place.row);
        }
    };
    for (const NumberChange& change : numbers_) {
        consider(change.place);
    }
    for (const TextChange& change : texts_) {
        consider(change.place);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int PlanEdit::FirstRow(PlanPart part) const {
    int first = -1;
    auto consider = [&](const Place& place) {
        if (place.part == part && (first < 0 || place.row < first)) {
            first = place.row;
        }
    };
    for (const NumberChange& change : numbers_) {
        consider(change.place);
    }
    for (const TextChange& change : texts_) {
        consider(change.place);
    }
    return first;
}

std::size_t PlanEdit::Bytes() const {
    std::size_t bytes = sizeof(*this) + numbers_.capacity() * sizeof(NumberChange) +
                        texts_.capacity() * sizeof(TextChange);
    for (const TextChange& change : texts_) {
        bytes += HeapBytes(change.before) + HeapBytes(change.after);
    }
    return bytes;
}

PlanWatch::PlanWatch(const PlanData& plan, std::initializer_list<PlanScope> scopes)
    : scopes_(scopes) {
    for (const PlanScope& scope : scopes_) {
        ForEachRow(scope, [&](int row) {
            ConstFields fields;
            VisitRow(plan, scope.part, row, fields);
            for (std::size_t i = 0; i < fields.numberCount; ++i) {
                numbers_.push_back(*fields.numbers[i]);
            }
            for (std::size_t i = 0; i < fields.textCount; ++i) {
                texts_.push_back(*fields.texts[i]);
            }
        });
    }
}

PlanWatch PlanWatch::Everything(const PlanData& plan) {
    return PlanWatch(plan, {{PlanPart::Personal},
                            {PlanPart::Ira},
                            {PlanPart::Roth},
                            {PlanPart::Debt},
                            {PlanPart::Equity}});
}

PlanEdit PlanWatch::Changes(const PlanData& now) const {
    PlanEdit edit;
    std::size_t number = 0;
    std::size_t text = 0;
    for (const PlanScope& scope : scopes_) {
        ForEachRow(scope, [&](int row) {
            ConstFields fields;
            VisitRow(now, scope.part, row, fields);
            for (std::size_t i = 0; i < fields.numberCount; ++i, ++number) {
                if (*fields.numbers[i] != numbers_[number]) {
                    const PlanEdit::Place place{scope.part, static_cast<std::uint8_t>(row),
                                                static_cast<std::uint8_t>(i)};
                    edit.numbers_.push_back({place, numbers_[number], *fields.numbers[i]});
                }
            }
            for (std::size_t i = 0; i < fields.textCount; ++i, ++text) {
                if (*fields.texts[i] != texts_[text]) {
                    const PlanEdit::Place place{scope.part, static_cast<std::uint8_t>(row),
                                                static_cast<std::uint8_t>(i)};
                    edit.texts_.push_back({place, texts_[text], *fields.texts[i]});
                }
            }
        });
    }
    edit.numbers_.shrink_to_fit();
    edit.texts_.shrink_to_fit();
    return edit;
}

} // namespace velmora
