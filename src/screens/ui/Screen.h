#pragma once
// The screens of the program, in their order of creation.

namespace velmora {

enum class Screen {
    Title,
    Results,
    IRAs,
    Debt,
    Earnings,
    Entitlements,
    Equity,
    DataInput,
    YearsAhead
};

inline constexpr int kScreenCount = 9;

} // namespace velmora
