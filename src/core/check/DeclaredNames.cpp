#include "check/DeclaredNames.h"

#include "codegen/CControlsKinds.h"
#include "codegen/CControlsScope.h"
#include "codegen/PToolboxKinds.h"
#include "codegen/PToolboxUnits.h"
#include "model/Form.h"
#include "model/ItemsControl.h"

#include <algorithm>
#include <array>

namespace ornadeck {

namespace {

using namespace std::string_view_literals;

constexpr std::array kKeywords{"break"sv,   "case"sv,   "char"sv,    "continue"sv, "default"sv,
                               "do"sv,      "else"sv,   "float"sv,   "for"sv,      "if"sv,
                               "include"sv, "int"sv,    "library"sv, "pointer"sv,  "return"sv,
                               "string"sv,  "switch"sv, "while"sv};

// What the CControls code calls or declares itself: PocketC's graphics and event calls, the
// library's calls and handle type, main, and the event loop's variable.
constexpr std::array kCControlsFixed{
    "main"sv,       "graph_on"sv,  "title"sv,     "clearg"sv,    "event"sv,       "bitmap"sv,
    "e"sv,          "Chandle"sv,   "Cbutton"sv,   "Cswitch"sv,   "Cradio"sv,      "Clabel"sv,
    "Clistbox"sv,   "Cdropdown"sv, "Cpopup"sv,    "Ccheckbox"sv, "Cedit"sv,       "Ceditline"sv,
    "Cimage"sv,     "Cframe"sv,    "Cmenubar"sv,  "Cmenu"sv,     "Csetcontent"sv, "Csetstate"sv,
    "Csetcursel"sv, "Cadditem"sv,  "Csettopic"sv, "Caddmenu"sv,  "Cdraw"sv,       "Cevent"sv,
    "Cgetcontent"sv};

// What the PToolboxLib code calls or uses: the library's calls and constants, PocketC's
// calls, main, and the variables of the event loop and the repeat handler.
constexpr std::array kPToolboxFixed{
    "main"sv,      "textattr"sv, "bitmap"sv, "e"sv,      "butID"sv,  "Form"sv,
    "Dialog"sv,    "Button"sv,   "Field"sv,  "List"sv,   "Label"sv,  "GSI"sv,
    "FsetState"sv, "FaddList"sv, "Fctl"sv,   "Fevent"sv, "REPEAT"sv, "DRAW"sv};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

class Declarations {
  public:
    explicit Declarations(const Form& form) : form_(form) {}

    void own(const Control* owner, std::string name) { add(owner, std::move(name), true); }
    void made(const Control* owner, std::string name) { add(owner, std::move(name), false); }
    void madeAll(const Control* owner, const std::string& base,
                 std::initializer_list<std::string_view> suffixes) {
        for (std::string_view suffix : suffixes)
            made(owner, base + std::string(suffix));
    }

    std::vector<DeclaredName> names;

  private:
    void add(const Control* owner, std::string name, bool own) {
        names.push_back({std::move(name), &form_, owner, own});
    }
    const Form& form_;
};

void declareCControls(const Form& form, Declarations& d) {
    for (const CControlsScope& scope : scopesOf(form)) {
        d.own(scope.dialog, scope.name());
        d.madeAll(scope.dialog, scope.name(), {"Controls", "Contents", "Draw", "Events"});
        if (scope.dialog) d.made(scope.dialog, "h" + scope.name());
        for (const auto& child : scope.container().children()) {
            if (!bearsHandle(*child)) continue;
            d.own(child.get(), child->name());
            if (getsHandler(*child)) d.made(child.get(), "On" + child->name());
        }
    }
    const Control* bar = form.menuBar();
    for (const auto& child : form.windowChildren()) {
        const ClassId id = child->classId();
        if (id != ClassId::CCMenuBar && id != ClassId::CCMenu) continue;
        d.own(child.get(), child->name());
        if (child.get() == bar) d.made(child.get(), "On" + child->name());
    }
}

void declarePToolbox(const Form& form, Declarations& d) {
    for (const PtUnit& unit : ptUnits({&form})) {
        const Control* self = unit.isDialog ? unit.container : nullptr;
        const std::string name(unit.name);
        d.own(self, name);
        d.madeAll(self, name, {"Create", "Draw", "Events"});
        if (unit.hasRepeat) d.made(self, name + "Repeat");
        for (const auto& child : unit.container->children()) {
            const int count = ptNumberCount(*child);
            if (ptKindOf(*child) == PtKind::Radio) {
                for (int i = 0; i < count; ++i)
                    d.made(child.get(), child->name() + std::to_string(i));
            } else if (count > 0) {
                d.own(child.get(), child->name());
            }
            if (ptKindOf(*child) == PtKind::List &&
                static_cast<const ItemsControl&>(*child).itemCount() > 0)
                d.made(child.get(), "itm" + child->name());
        }
    }
}

} // namespace

std::vector<DeclaredName> declaredNames(const FormList& forms, Library library) {
    std::vector<DeclaredName> all;
    for (const Form* form : forms) {
        Declarations d(*form);
        if (library == Library::CControls)
            declareCControls(*form, d);
        else
            declarePToolbox(*form, d);
        all.insert(all.end(), std::make_move_iterator(d.names.begin()),
                   std::make_move_iterator(d.names.end()));
    }
    return all;
}

bool isPocketCKeyword(std::string_view identifier) { return contains(kKeywords, identifier); }

std::string_view fixedUseOf(std::string_view identifier, Library library) {
    if (isPocketCKeyword(identifier)) return "a reserved word of PocketC";
    const bool cc = library == Library::CControls;
    if (cc ? contains(kCControlsFixed, identifier) : contains(kPToolboxFixed, identifier))
        return cc ? "used by the CControls code itself" : "used by the PToolboxLib code itself";
    return {};
}

} // namespace ornadeck
