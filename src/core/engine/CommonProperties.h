#pragma once

#include "engine/PropertyTable.h"
#include "model/Alignment.h"
#include "model/Control.h"
#include "model/IntText.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornadeck::props {

enum class Side { Left, Top, Width, Height };

// A side of the Palm rectangle when `palmValues`, else of the window rectangle, read or
// written through the control's own accessors.
int readSide(const Control& c, Side side, bool palmValues);
void writeSide(Control& c, Side side, bool palmValues, int v);

Property palm(std::string_view name, Side side);                   // the Palm rectangle
Property window(std::string_view name, Side side);                 // the window rectangle
Property componentName();                                          // renames within the form
Property fontName();                                               // "Standard", "Bold", ...
Property fixedText(std::string_view name, std::string_view shown); // "(Items)": no set here

// How a stored integer is shown, and what typed text stores (nullopt: nothing changes).
using Show = std::string (*)(int);
using Parse = std::optional<int> (*)(std::string_view);

template <class T> T& as(Control& c) { return static_cast<T&>(c); }

template <class T>
Property choice(std::string_view name, int (T::*get)() const, void (T::*set)(int), Show show,
                Parse parse) {
    return {name, [=](Control& c, PropertyContext&) { return show((as<T>(c).*get)()); },
            [=](Control& c, std::string_view text, PropertyContext&) {
                if (auto v = parse(text)) (as<T>(c).*set)(*v);
                return Status{};
            }};
}

template <class T>
Property integer(std::string_view name, int (T::*get)() const, void (T::*set)(int)) {
    return {name, [=](Control& c, PropertyContext&) { return std::to_string((as<T>(c).*get)()); },
            [=](Control& c, std::string_view text, PropertyContext&) {
                auto v = parseStrictInt(text);
                if (!v) return Status::fail(notAnIntegerMessage(text));
                (as<T>(c).*set)(*v);
                return Status{};
            }};
}

template <class T>
Property text(std::string_view name, const std::string& (T::*get)() const,
              void (T::*set)(std::string)) {
    return {name, [=](Control& c, PropertyContext&) { return (as<T>(c).*get)(); },
            [=](Control& c, std::string_view value, PropertyContext&) {
                (as<T>(c).*set)(std::string(value));
                return Status{};
            }};
}

// A word per stored value 0, 1, 2, ...: other stored values show empty, other words change
// nothing.
template <class T>
Property words(std::string_view name, int (T::*get)() const, void (T::*set)(int),
               std::vector<std::string_view> list) {
    return {name,
            [=](Control& c, PropertyContext&) {
                const int v = (as<T>(c).*get)();
                return v >= 0 && v < static_cast<int>(list.size()) ? std::string(list[v])
                                                                   : std::string();
            },
            [=](Control& c, std::string_view value, PropertyContext&) {
                for (std::size_t i = 0; i < list.size(); ++i)
                    if (list[i] == value) (as<T>(c).*set)(static_cast<int>(i));
                return Status{};
            }};
}

// Shows and parses of the two-word properties.
std::string trueWhenOne(int v);                       // "True" only for 1
std::string trueWhenNonZero(int v);                   // "True" for any non-zero value
std::string trueWhenZero(int v);                      // inverted flags: 0 means on
std::string yesWhenOne(int v);                        // "Yes" only for 1
std::string yesWhenNonZero(int v);                    // "Yes" for any non-zero value
std::optional<int> oneIfTrue(std::string_view text);  // "True" 1, other text 0
std::optional<int> zeroIfTrue(std::string_view text); // "True" 0, other text 1
std::optional<int> oneIfYes(std::string_view text);   // "Yes" 1, other text 0
std::optional<int> zeroIfNo(std::string_view text);   // "No" 0, other text 1

} // namespace ornadeck::props

namespace ornadeck::props {

// "Left", "Center", "Right" for the text alignment of T.
template <class T> Property alignment(std::string_view name) {
    static constexpr std::pair<std::string_view, Alignment> kWords[] = {
        {"Left", Alignment::Left}, {"Center", Alignment::Center}, {"Right", Alignment::Right}};
    return {name,
            [](Control& c, PropertyContext&) {
                for (auto [word, a] : kWords)
                    if (as<T>(c).alignment() == a) return std::string(word);
                return std::string();
            },
            [](Control& c, std::string_view text, PropertyContext&) {
                for (auto [word, a] : kWords)
                    if (word == text) as<T>(c).setAlignment(a);
                return Status{};
            }};
}

// A dialog's "Test": "Yes" makes it the one dialog shown for editing; other text puts it
// away if it was shown.
Property dialogTest();

} // namespace ornadeck::props
