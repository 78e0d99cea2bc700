#include "cclib/CControlsEngine.h"

#include "cclib/CControlsProperties.h"
#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCCheckbox.h"
#include "cclib/TCCDropDown.h"
#include "cclib/TCCEdit.h"
#include "cclib/TCCLabel.h"
#include "cclib/TCCListBox.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "cclib/TCCPopUp.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "engine/KindRecipe.h"
#include "model/Form.h"
#include "model/TPTDialog.h"
#include "model/Ui.h"
#include "model/Workspace.h"

#include <array>
#include <functional>

namespace ornadeck {

namespace {

const std::vector<std::string> kListItems{"One", "Two", "Three"};

template <class T> std::unique_ptr<T> newEdit(const std::string& name, int x, int y, int tag) {
    auto c = atWindow<T>(x, y);
    c->setContent(name);
    c->setTag(tag);
    return c;
}

const std::array<KindRecipe, 12> kRecipes{{
    {"Button", "Button", "Bt",
     [](const std::string& name, int x, int y) {
         auto c = std::make_unique<TCCButton>();
         c->setUserLeft(x);
         c->setUserTop(y);
         c->setContent(name);
         c->setShowForm("(None)");
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"Label", "Label", "Lb",
     [](const std::string& name, int x, int y) {
         auto c = atWindow<TCCLabel>(x, y);
         c->setContent(name);
         c->setLine(kLineWhite);
         c->setStyle(TextLineControl::kPlain);
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"CheckBox", "CheckBox", "Cb",
     [](const std::string& name, int x, int y) {
         auto c = atWindow<TCCCheckbox>(x, y);
         c->setContent(name);
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"Switch", "Switch", "Sw",
     [](const std::string& name, int x, int y) {
         auto c = atWindow<TCCSwitch>(x, y);
         c->setContent(name);
         c->setWidth(38);
         c->setRadius(0);
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"Edit", "Edit", "Ed",
     [](const std::string& name, int x, int y) {
         auto c = newEdit<TCCEdit>(name, x, y, 0);
         c->setTopic("Topic");
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"EditLine", "EditLine", "El",
     [](const std::string& name, int x, int y) {
         return std::unique_ptr<Control>(newEdit<TCCEdit>(name, x, y, TCCEdit::kEditLineTag));
     }},
    {"ListBox", "ListBox", "Lb",
     [](const std::string&, int x, int y) {
         auto c = atWindow<TCCListBox>(x, y);
         c->setVisibleItems(2);
         c->setItems(kListItems);
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"Radio", "Radio", "Rd",
     [](const std::string&, int x, int y) {
         auto c = atWindow<TCCRadio>(x, y);
         c->setItems({"A", "B", "C"});
         c->setSelectedItem(0);
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"DropDown", "DropDown", "Dd",
     [](const std::string&, int x, int y) {
         auto c = atWindow<TCCDropDown>(x, y);
         c->setVisibleItems(2);
         c->setItems(kListItems);
         c->setSelectedItem(0);
         c->setTestItems(0);
         c->setUserWidth(36);
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"PopUp", "PopUp", "Pu",
     [](const std::string&, int x, int y) {
         auto c = atWindow<TCCPopUp>(x, y);
         c->setVisibleItems(2);
         c->setItems(kListItems);
         c->setTest(1);
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"Image", "Image", "Im",
     [](const std::string&, int x, int y) {
         auto c = atWindow<TCCBitmap>(x, y);
         c->setStringBits("");
         c->setTag(1);
         return std::unique_ptr<Control>(std::move(c));
     }},
    {"Dialog", "Dialog", "Dl",
     [](const std::string&, int, int) {
         auto c = std::make_unique<TPTDialog>();
         c->setUserTop(60);
         c->setUserLeft(5);
         c->setUserHeight(80);
         c->setUserWidth(152);
         c->setTag(1);
         return std::unique_ptr<Control>(std::move(c));
     }},
}};

} // namespace

std::string_view CControlsEngine::kindTag(const Control& control) const {
    switch (control.classId()) {
    case ClassId::CCButton:
        return "Button";
    case ClassId::CCLabel:
        return "Label";
    case ClassId::CCCheckbox:
        return "CheckBox";
    case ClassId::CCSwitch:
        return "Switch";
    case ClassId::CCEdit:
        return control.tag() == 0 ? "Edit" : "EditLine";
    case ClassId::CCListBox:
        return "ListBox";
    case ClassId::CCRadio:
        return "Radio";
    case ClassId::CCDropDown:
        return "DropDown";
    case ClassId::CCPopUp:
        return "PopUp";
    case ClassId::CCBitmap:
        return "Image";
    case ClassId::PTDialog:
        return "Dialog";
    case ClassId::CCMenuBar:
        return "MenuBar";
    case ClassId::CCMenu:
        return "Menu";
    default:
        return {};
    }
}

const PropertyTable* CControlsEngine::propertiesOf(const Control& control) const {
    return ccPropertiesOf(control);
}

bool CControlsEngine::hasEditableItems(const Control& control) const {
    switch (control.classId()) {
    case ClassId::CCRadio:
    case ClassId::CCListBox:
    case ClassId::CCDropDown:
    case ClassId::CCPopUp:
    case ClassId::CCMenu:
        return true;
    default:
        return false;
    }
}

void CControlsEngine::beforeShow(Form& form, Control& control) {
    if (control.classId() != ClassId::CCMenu || workspace_.inspectorRow == "Test") return;
    auto& menu = static_cast<TCCMenu&>(control);
    if (menu.test() == 0) openMenu(form, menu, false);
}

// Reading an image's sides cuts an oversized one back and says so; Height is listed first.
void CControlsEngine::readChangingProperties(Form& form, Control& control) {
    if (control.classId() != ClassId::CCBitmap) return;
    (void)getProperty(form, &control, "Height");
    (void)getProperty(form, &control, "Width");
}

std::span<const KindRecipe> CControlsEngine::recipes() const { return kRecipes; }

// The bar is named after its form, so each form has at most one of that name.
std::string CControlsEngine::menuBarName(const Form& form) const {
    return std::string(prefix("MenuBar", "Mb")) + form.name();
}

std::string CControlsEngine::defaultName(Form& form, const Control& control) {
    if (control.classId() == ClassId::CCMenuBar) return menuBarName(form);
    if (control.classId() == ClassId::CCMenu)
        return form.nextDefaultName(prefix("Menu", "Mn"), workspace_.nameCounter);
    return Engine::defaultName(form, control);
}

// The menu tool places a menu, and the bar with the first one.
bool CControlsEngine::placeTool(Form& form, const std::string& tool, int x, int y,
                                Control* target) {
    if (tool == "MenuBar" || tool == "Menu") return createMenu(form);
    return Engine::placeTool(form, tool, x, y, target);
}

bool CControlsEngine::createMenu(Form& form) {
    const TCCForm& surface = form.surface();
    Status status;
    if (!form.menuBar()) {
        auto bar = std::make_unique<TCCMenuBar>();
        bar->setColor(workspace_.surfaceColor);
        bar->setLeft(surface.left());
        bar->setTop(surface.top());
        std::string name = menuBarName(form);
        Control* added = form.add(std::move(bar), nullptr, name, status);
        if (!added) {
            ui_.showError("Duplicate name");
            return false;
        }
        form.components().push_back({added->name() + ": MenuBar", added});
    }
    auto menu = std::make_unique<TCCMenu>();
    const std::string name = defaultName(form, *menu);
    menu->setColor(workspace_.surfaceColor);
    menu->setTop(surface.top());
    menu->setUserLeft(surface.left() + 5);
    menu->setItems({"Item1"});
    menu->setTopicWidth(36);
    menu->setUserWidth(38);
    auto* added = form.add(std::move(menu), nullptr, name, status);
    if (!added) {
        ui_.showError("Duplicate name");
        return false;
    }
    form.components().push_back({added->name() + ": Menu", added});
    showProperties(form, added);
    openMenu(form, *added, true);
    return true;
}

} // namespace ornadeck
