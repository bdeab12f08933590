#pragma once
// What one change did to the plan, kept as the fields that it changed, each
// with its value before and after, so that the change can be taken back and
// made again. A PlanWatch looks at parts of the plan before a change and tells
// afterwards what the change did to them.
//
// Only what is stored in the plan file counts: a row's computed Err is neither
// watched nor put back, it stays with its place until the rates are computed
// again.

#include "plan/PlanData.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace velmora {

// The personal data and assumptions, or one of the four holdings tables.
enum class PlanPart : std::uint8_t { Personal, Ira, Roth, Debt, Equity };

// What a watch looks at: the personal data, or one row (0 to 39) of a table, or
// all 40 rows of it.
struct PlanScope {
    static constexpr int kAllRows = -1;
    PlanPart part = PlanPart::Personal;
    int row = kAllRows;
};

class PlanEdit {
public:
    bool Empty() const { return numbers_.empty() && texts_.empty(); }
    // How many fields the change changed.
    std::size_t FieldCount() const { return numbers_.size() + texts_.size(); }

    // Puts back the values from before the change.
    void Undo(PlanData& plan) const;
    // Makes the change again.
    void Redo(PlanData& plan) const;

    // Adds what a later change did, so that this edit does both: a field that
    // both changed keeps its value from before this one and takes its value
    // after the later one; a field that ends as it began is dropped.
    void Append(const PlanEdit& later);

    // The first row (0 to 39) of a table that the change touched; -1 if none.
    int FirstRow(PlanPart part) const;
    // Every row of a table that the change touched, in order.
    std::vector<int> Rows(PlanPart part) const;

    // The memory that the edit holds, its own size included.
    std::size_t Bytes() const;

private:
    friend class PlanWatch;

    // Fields are counted within their row (or the personal data) in plan file
    // order, numbers and texts each on their own.
    struct Place {
        PlanPart part;
        std::uint8_t row;
        std::uint8_t field;
        friend bool operator==(const Place&, const Place&) = default;
    };
    struct NumberChange {
        Place place;
        std::int32_t before;
        std::int32_t after;
    };
    struct TextChange {
        Place place;
        std::string before;
        std::string after;
    };

    void Apply(PlanData& plan, bool after) const;

    std::vector<NumberChange> numbers_;
    std::vector<TextChange> texts_;
};

class PlanWatch {
public:
    PlanWatch(const PlanData& plan, std::initializer_list<PlanScope> scopes);
    // The personal data and every row of every table.
    static PlanWatch Everything(const PlanData& plan);

    // What changed in the watched parts since the watch began.
    PlanEdit Changes(const PlanData& now) const;

private:
    std::vector<PlanScope> scopes_;
    std::vector<std::int32_t> numbers_; // the watched values, in plan file order
    std::vector<std::string> texts_;
};

} // namespace velmora
