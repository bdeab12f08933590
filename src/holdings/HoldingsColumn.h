#pragma once
// One column of a holdings table as its screen shows it: three title lines,
// its width, the edit mask of its cells and the field of the row record that
// its cells show and edit. Each holdings screen lists its columns once, in
// order, and builds its title grid, its table grid and its cell handlers from
// that list.

#include "plan/NumberText.h"
#include "plan/PlanData.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace velmora {

using TitleLines = std::array<const char*, 3>; // one column's three title lines

// The field of a row that a column shows: a whole number, or a text of which
// a cell keeps at most `length` characters.
template <class Row> struct HoldingsField {
    std::int32_t Row::*number = nullptr;
    std::string Row::*text = nullptr;
    std::size_t length = 0;
};

template <class Row> constexpr HoldingsField<Row> NumberField(std::int32_t Row::*field) {
    return {field, nullptr, 0};
}
template <class Row> constexpr HoldingsField<Row> NameField(std::string Row::*field) {
    return {nullptr, field, kNameLength};
}
// A one-letter flag: "Y", "N" or empty.
template <class Row> constexpr HoldingsField<Row> FlagField(std::string Row::*field) {
    return {nullptr, field, 1};
}

template <class Row> struct HoldingsColumn {
    TitleLines title;
    int width; // pixels, in the table grid and, unless titleWidth says otherwise, the title grid
    const char* mask;
    HoldingsField<Row> field;
    int titleWidth = 0; // the title grid's width where it differs from the table's; 0: the same

    constexpr int TitleWidth() const { return titleWidth != 0 ? titleWidth : width; }

    // What the column's cell in `row`'s grid row shows: a text as it stands,
    // a number as integer text.
    std::string CellText(const Row& row) const {
        return field.number != nullptr ? IntText(row.*field.number) : row.*field.text;
    }

    // Stores an edited cell's text (bytes of Windows-1252): a text cut to its
    // length, a number read by the leading-digits rule.
    void Store(Row& row, std::string_view text) const {
        if (field.number != nullptr) {
            row.*field.number = LeadingDigits(text);
        } else {
            row.*field.text = std::string(text.substr(0, field.length));
        }
    }
};

// The place of the column that shows `field`; naming a field that no column
// shows does not compile where the place is a constant.
template <class Row, std::size_t Cols, class Field>
constexpr int ColumnOf(const std::array<HoldingsColumn<Row>, Cols>& columns, Field Row::*field) {
    for (std::size_t col = 0; col < Cols; ++col) {
        if constexpr (std::is_same_v<Field, std::int32_t>) {
            if (columns[col].field.number == field) {
                return static_cast<int>(col);
            }
        } else {
            if (columns[col].field.text == field) {
                return static_cast<int>(col);
            }
        }
    }
    throw std::logic_error("no column shows this field");
}

} // namespace velmora
