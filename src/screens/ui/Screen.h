#pragma once
// The eight screens of the program, in their order of creation.

namespace velmora {

enum class Screen { Title, Results, IRAs, Debt, Earnings, Entitlements, Equity, DataInput };

inline constexpr int kScreenCount = 8;

} // namespace velmora
