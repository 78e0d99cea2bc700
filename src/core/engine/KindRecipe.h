#pragma once

#include "model/Control.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace ornadeck {

// A kind the control toolbar places: its name prefixes and how a new one is made at the
// click point (x, y).
struct KindRecipe {
    std::string_view tag;
    std::string_view longPrefix;
    std::string_view shortPrefix;
    std::function<std::unique_ptr<Control>(const std::string& name, int x, int y)> make;
};

inline const KindRecipe* findRecipe(std::span<const KindRecipe> recipes, std::string_view tag) {
    for (const auto& r : recipes)
        if (r.tag == tag) return &r;
    return nullptr;
}

// A new control whose window, not its Palm rectangle, goes at the click point.
template <class T> std::unique_ptr<T> atWindow(int x, int y) {
    auto c = std::make_unique<T>();
    c->setLeft(x);
    c->setTop(y);
    return c;
}

} // namespace ornadeck
