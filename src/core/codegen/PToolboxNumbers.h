#pragma once

#include "codegen/PToolboxUnits.h"

#include <string>
#include <vector>

namespace ornadeck {

struct PtNumber {
    std::string name;
    int number = 0;
};

// The numbers of one form or dialog: its own first, then those of its children.
struct PtNumberBlock {
    std::string_view owner;
    std::vector<PtNumber> numbers;
};

inline constexpr int kFirstPtNumber = 3000;

// One counter for the whole project, so that no two forms share an event number.
std::vector<PtNumberBlock> ptNumbers(const std::vector<PtUnit>& units);

} // namespace ornadeck
