#pragma once
// A small strict JSON reader for checking the report's output in tests.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text; // a string's value, or a number's token as written
    std::vector<JsonValue> items;
    std::vector<std::string> keys; // in the order written
    std::map<std::string, JsonValue> members;

    // Member or item; a missing one is a Null value.
    const JsonValue& operator[](const std::string& key) const;
    const JsonValue& operator[](std::size_t index) const;
};

// The value of the whole text (blanks allowed around it), or nothing when the
// text is not exactly one well-formed JSON value with unique object keys.
std::optional<JsonValue> ParseJson(std::string_view text);

} // namespace velmora::testing
