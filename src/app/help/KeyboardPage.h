#pragma once

#include <QString>

namespace ornadeck::app {

// The help's keyboard reference, made from the command table each time it is shown, so that
// it names every shortcut the program binds and no other.
QString keyboardPageHtml();

// The page's file name among the help pages.
inline constexpr const char* kKeyboardPage = "keys.html";

} // namespace ornadeck::app
