// The traditional chart of a child's sex by the mother's nominal age and the
// lunar month of conception, shown by the 生男生女 window.
#pragma once

namespace hm {

inline constexpr int kConceptionChartFirstAge = 18;
inline constexpr int kConceptionChartLastAge = 45;

// "男" or "女" for a nominal age 18..45 and a lunar month 1..12; "" outside.
const char* ConceptionChartCell(int age, int month);

}  // namespace hm
