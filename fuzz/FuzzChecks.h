#pragma once
// Checks shared by the fuzz targets. A failed check prints what failed and
// aborts, which the fuzzer reports as a crash together with the input.

#include "plan/PlanData.h"

#include <cstddef>
#include <string_view>

namespace velmora::fuzzing {

// Aborts with `what` and `detail` on standard error unless `holds`.
void Check(bool holds, const char* what, std::string_view detail = {});

// Aborts unless the two plans hold the same values, listing the fields that differ.
void CheckSamePlan(const PlanData& expected, const PlanData& actual, const char* what);

// Whether `text` is exactly what a save of `plan` writes, checked without the
// program's writer: 1376 lines in file order, each ended by CR LF and nothing
// after the last; an integer in plain decimal ("-" before a negative value, no
// leading zero, no "-0"), a text as it stands with every control character
// (code below 32) written as a blank.
bool IsPlanFileOf(std::string_view text, const PlanData& plan);

// Whether the text is well-formed UTF-8: no stray continuation byte, overlong
// form, surrogate or code beyond U+10FFFF.
bool IsUtf8(std::string_view text);

} // namespace velmora::fuzzing
