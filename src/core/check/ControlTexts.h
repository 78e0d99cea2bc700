#pragma once

#include "model/Font.h"
#include "model/Library.h"

#include <functional>
#include <string>
#include <string_view>

namespace ornadeck {

class Control;
class Form;

// One text the generated code writes between double quotes.
struct GeneratedText {
    std::string what;      // for the user: "Content", "item 2", "Title"
    std::string_view text; // as the user typed it
    std::string prefix;    // written in front of it in the same literal ("/f1")
    Font font;             // what the handheld draws it in
};

// Every text of a control that its library's generated code writes, in the order written.
void forEachGeneratedText(const Control& control, Library library,
                          const std::function<void(const GeneratedText&)>& visit);
// The form's title, drawn in the bold font of titles.
GeneratedText formTitleText(const Form& form);

} // namespace ornadeck
