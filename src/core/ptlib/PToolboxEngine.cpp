#include "ptlib/PToolboxEngine.h"

#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "engine/KindRecipe.h"
#include "model/Form.h"
#include "model/TPTDialog.h"
#include "model/Ui.h"
#include "model/Workspace.h"
#include "ptlib/PToolboxProperties.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTGsi.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"
#include "ptlib/TPTPopTrigger.h"

#include <array>
#include <functional>

namespace ornadeck {

namespace {

constexpr std::string_view kNoForm = "(None)";

template <class T> std::unique_ptr<Control> done(std::unique_ptr<T> c) {
    return std::unique_ptr<Control>(std::move(c));
}

const std::array<KindRecipe, 12> kRecipes{{
    {"Button", "Button", "Bt",
     [](const std::string& name, int x, int y) {
         auto c = std::make_unique<TPTButton>();
         c->setText(name);
         c->setShowForm(std::string(kNoForm));
         c->setUserWidth(42);
         c->setUserHeight(13);
         c->setUserLeft(x);
         c->setUserTop(y);
         return done(std::move(c));
     }},
    {"Select", "Select", "Sl",
     [](const std::string& name, int x, int y) {
         auto c = std::make_unique<TCCButton>();
         c->setTag(TCCButton::kSelectTag);
         c->setRadius(0);
         c->setLine(kLineGray);
         c->setShowForm(std::string(kNoForm));
         c->setContent(name);
         c->setUserLeft(x);
         c->setUserTop(y);
         c->setUserHeight(13);
         c->setUserWidth(34); // drawing gives it the width of its text at once
         return done(std::move(c));
     }},
    {"Label", "Label", "Lb",
     [](const std::string& name, int x, int y) {
         auto c = atWindow<TPTLabel>(x, y);
         c->setContent(name);
         return done(std::move(c));
     }},
    {"CheckBox", "CheckBox", "Cb",
     [](const std::string& name, int x, int y) {
         auto c = atWindow<TPTCheckbox>(x, y);
         c->setContent(name);
         c->setHeight(15);
         c->setWidth(58);
         return done(std::move(c));
     }},
    {"Push", "Push", "Pb",
     [](const std::string& name, int x, int y) {
         auto c = atWindow<TCCSwitch>(x, y);
         c->setContent(name);
         c->setTag(0);
         c->setUserHeight(13);
         return done(std::move(c));
     }},
    {"List", "List", "Lb",
     [](const std::string&, int x, int y) {
         auto c = atWindow<TPTList>(x, y);
         c->setItems({"One", "Two", "Three"});
         c->setMaxItems(2);
         c->setSelectedItem(-1);
         c->setTrigger(std::string(kNoForm));
         c->setHeight(25);
         c->setWidth(35);
         return done(std::move(c));
     }},
    {"PopTrigger", "Pop", "Pt",
     [](const std::string&, int x, int y) {
         auto c = atWindow<TPTPopTrigger>(x, y);
         c->setHeight(15);
         return done(std::move(c));
     }},
    {"Field", "Field", "Fl",
     [](const std::string&, int x, int y) {
         auto c = atWindow<TPTEdit>(x, y);
         c->setText("Field");
         c->setMaxChars(20);
         return done(std::move(c));
     }},
    {"Dialog", "Dialog", "Dl",
     [](const std::string&, int, int) {
         auto c = std::make_unique<TPTDialog>();
         c->setUserTop(60);
         c->setUserLeft(5);
         c->setUserHeight(80);
         c->setUserWidth(152);
         return done(std::move(c));
     }},
    {"GSI", "GSI", "GSI",
     [](const std::string&, int x, int y) { return done(atWindow<TPTGsi>(x, y)); }},
    {"Bitmap", "Bitmap", "Bm",
     [](const std::string&, int x, int y) { return done(atWindow<TCCBitmap>(x, y)); }},
    {"Radio", "Radio", "Rd",
     [](const std::string&, int x, int y) {
         auto c = atWindow<TCCRadio>(x, y);
         c->setItems({"A", "B", "C"});
         c->setTag(1);
         c->setUserHeight(13);
         return done(std::move(c));
     }},
}};

} // namespace

std::string_view PToolboxEngine::kindTag(const Control& control) const {
    switch (control.classId()) {
    case ClassId::PTButton:
        return "Button";
    case ClassId::CCSwitch:
        return "Push";
    case ClassId::CCButton:
        return "Select";
    case ClassId::PTCheckbox:
        return "CheckBox";
    case ClassId::PTLabel:
        return "Label";
    case ClassId::PTList:
        return "List";
    case ClassId::PTPopTrigger:
        return "PopTrigger";
    case ClassId::PTEdit:
        return "Field";
    case ClassId::PTDialog:
        return "Dialog";
    case ClassId::PTGsi:
        return "GSI";
    case ClassId::CCBitmap:
        return "Bitmap";
    case ClassId::CCRadio:
        return "Radio";
    default:
        return {};
    }
}

const PropertyTable* PToolboxEngine::propertiesOf(const Control& control) const {
    return ptPropertiesOf(control);
}

bool PToolboxEngine::hasEditableItems(const Control& control) const {
    return control.classId() == ClassId::PTList || control.classId() == ClassId::CCRadio;
}

std::span<const KindRecipe> PToolboxEngine::recipes() const { return kRecipes; }

} // namespace ornadeck
