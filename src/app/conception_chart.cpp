#include "app/conception_chart.h"

namespace hm {

namespace {

// 清宫生男生女表, the folk chart handed down as a palace table of the Qing
// court: one row per nominal age (虚岁) of the mother from 18 to 45, one
// letter per lunar month of conception from 1 to 12, M for 男 and F for 女.
// It is kept as it is printed in the almanacs; it predicts nothing.
constexpr const char* kRows[] = {
    "FMFMMMMMMMMM",  // 18
    "MFMFFMMMMMFF",  // 19
    "FMFMMMMMMFMM",  // 20
    "MFFFFFFFFFFF",  // 21
    "FMMFMFFMFFFF",  // 22
    "MMFMMFMFMMMF",  // 23
    "MFMMFMMFFFFF",  // 24
    "FMMFFMFMMMMM",  // 25
    "MFMFFMFMFFFF",  // 26
    "FMFMFFMMMMFM",  // 27
    "MFMFFFMMMMFF",  // 28
    "FMFFMMMMMFFF",  // 29
    "MFFFFFFFFFMM",  // 30
    "MFMFFFFFFFFM",  // 31
    "MFMFFFFFFFFM",  // 32
    "FMFMFFFMFFFM",  // 33
    "MFMFFFFFFFMM",  // 34
    "MMFMFFFMFFMM",  // 35
    "FMMFMFFFMMMM",  // 36
    "MFMMFMFMFMFM",  // 37
    "FMFMMFMFMFMF",  // 38
    "MFMMMFFMFMFF",  // 39
    "FMFMFMMFMFMF",  // 40
    "MFMFMFMMFMFM",  // 41
    "FMFMFMFMMFMF",  // 42
    "MFMFMFMFMMMM",  // 43
    "MMFMMMFMFMFF",  // 44
    "FMMFFFMFMFMM",  // 45
};

static_assert(sizeof kRows / sizeof kRows[0] == kConceptionChartLastAge - kConceptionChartFirstAge + 1);

}  // namespace

const char* ConceptionChartCell(int age, int month) {
  if (age < kConceptionChartFirstAge || age > kConceptionChartLastAge || month < 1 || month > 12) return "";
  return kRows[age - kConceptionChartFirstAge][month - 1] == 'M' ? "男" : "女";
}

}  // namespace hm
