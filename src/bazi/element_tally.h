// How the eight characters of a chart divide among the five elements.
#pragma once

#include <string>
#include <string_view>

namespace hm {

// Counts 金, 木, 水, 火 and 土 at the eight fixed GBK byte positions of the
// elements text (1, 3, 8, 10, 15, 17, 22, 24: four pairs separated by three
// blanks) and writes "金:占n个 s, 木:占n个 s, ... 土:占n个 s." with s the
// share of eight. A shorter or shifted text is still read at those places.
std::string FiveElementTally(std::string_view elements);

}  // namespace hm
