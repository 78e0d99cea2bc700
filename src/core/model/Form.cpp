#include "model/Form.h"

#include "model/Names.h"
#include "model/TPTDialog.h"
#include "model/TextMetrics.h"

#include <algorithm>

namespace ornadeck {

Form::Form(std::string name, const TextMetrics* metrics)
    : name_(std::move(name)), caption_(name_ + ".ozf"),
      metrics_(metrics ? metrics : &FallbackTextMetrics::instance()),
      surface_(std::make_unique<TCCForm>()) {
    surface_->name_ = "panScreen";
    surface_->owner_ = this;
}

Form::~Form() = default;

void Form::setFilePath(std::filesystem::path p) {
    filePath_ = std::move(p);
    caption_ = filePath_.filename().string();
}

void Form::forgetFile() {
    filePath_.clear();
    caption_ = name_ + ".ozf";
    disk_.forget();
}

void Form::setWindowPosition(int left, int top) {
    windowLeft_ = left;
    windowTop_ = top;
}

void Form::setMetrics(const TextMetrics* metrics) {
    metrics_ = metrics ? metrics : &FallbackTextMetrics::instance();
    forEachControl([](Control& c) { c.repaint(); });
}

Control* Form::menuBar() const {
    for (const auto& c : windowChildren_)
        if (c->classId() == ClassId::CCMenuBar) return c.get();
    return nullptr;
}

void Form::bringWindowChildToFront(Control* child) {
    auto it = std::find_if(windowChildren_.begin(), windowChildren_.end(),
                           [&](const auto& c) { return c.get() == child; });
    if (it != windowChildren_.end()) std::rotate(it, it + 1, windowChildren_.end());
}

std::vector<Control*> Form::menus() const {
    std::vector<Control*> out;
    for (const auto& c : windowChildren_)
        if (c->classId() == ClassId::CCMenu) out.push_back(c.get());
    return out;
}

bool Form::isNameTaken(std::string_view name, const Control* except) const {
    for (auto fixed : kFixedNames)
        if (sameName(fixed, name)) return true;
    if (!names_.contains(name)) return false;
    return !except || !sameName(except->name(), name);
}

Status Form::checkName(std::string_view name, const Control* self) const {
    // An empty name would leave a control that no file section or variable can carry.
    if (!isValidIdentifier(name)) return Status::fail(invalidNameMessage(name));
    if (self && sameName(self->name(), name)) return {};
    // A control section named FORM would merge into the form's own section of the file.
    if (isNameTaken(name, self) || sameName(name, "FORM"))
        return Status::fail(duplicateNameMessage(name));
    return {};
}

Status Form::rename(Control& control, std::string name) {
    Status s = checkName(name, &control);
    if (s) {
        forgetName(control.name_);
        names_.insert(name);
        control.name_ = std::move(name);
    }
    return s;
}

std::string Form::nextDefaultName(std::string_view prefix, int& counter) const {
    const auto candidates = surfaceControls();
    for (;;) {
        ++counter;
        std::string name = std::string(prefix) + std::to_string(counter);
        const bool used = std::any_of(candidates.begin(), candidates.end(), [&](Control* c) {
            return !c->isDialog() && sameName(c->name(), name);
        });
        if (!used) return name;
    }
}

std::vector<std::unique_ptr<Control>>& Form::childListOf(Control* parent) {
    return parent ? parent->children_ : windowChildren_;
}

Control* Form::add(std::unique_ptr<Control> control, Control* parent, std::string name,
                   Status& status) {
    status = checkName(name, nullptr);
    if (!status) return nullptr;
    // Dialogs hold no dialogs, and only the surface and dialogs hold controls.
    if (parent && (control->isDialog() || (!parent->isDialog() && parent != surface_.get())))
        parent = surface_.get();
    names_.insert(name);
    control->name_ = std::move(name);
    control->owner_ = this;
    control->parent_ = parent;
    Control* raw = control.get();
    childListOf(parent).push_back(std::move(control));
    raw->repaint();
    return raw;
}

std::unique_ptr<Control> Form::detach(Control& control) {
    auto& list = childListOf(control.parent_);
    auto it =
        std::find_if(list.begin(), list.end(), [&](const auto& p) { return p.get() == &control; });
    if (it == list.end()) return nullptr;
    std::unique_ptr<Control> owned = std::move(*it);
    list.erase(it);
    return owned;
}

void Form::reparent(Control& control, Control* newParent) {
    if (newParent &&
        (control.isDialog() || (!newParent->isDialog() && newParent != surface_.get())))
        newParent = surface_.get();
    if (control.parent_ == newParent || &control == newParent) return;
    std::unique_ptr<Control> owned = detach(control);
    if (!owned) return;
    control.parent_ = newParent;
    childListOf(newParent).push_back(std::move(owned));
    control.repaint();
}

void Form::destroy(Control* control) {
    if (!control || control == surface_.get() || !contains(control)) return;
    auto gone = [control](const Control* c) { return c == control || c->parent() == control; };
    if (currentDialog_ && gone(currentDialog_)) currentDialog_ = nullptr;
    std::erase_if(components_,
                  [&](const ComponentEntry& e) { return e.control && gone(e.control); });
    forgetName(control->name());
    for (const auto& child : control->children())
        forgetName(child->name());
    detach(*control); // the returned owner frees it and its children here
}

void Form::forgetName(std::string_view name) {
    if (auto at = names_.find(name); at != names_.end()) names_.erase(at);
}

void Form::destroyAll() {
    currentDialog_ = nullptr;
    std::erase_if(components_, [](const ComponentEntry& e) { return e.control != nullptr; });
    names_.clear();
    surface_->children_.clear();
    windowChildren_.clear();
}

Control& Form::parentForName(std::string_view name) {
    if (name != "panScreen") {
        for (const auto& c : surface_->children())
            if (c->isDialog() && sameName(c->name(), name)) return *c;
    }
    return *surface_;
}

Control* Form::findByName(std::string_view name) const {
    Control* found = nullptr;
    forEachControl([&](Control& c) {
        if (!found && sameName(c.name(), name)) found = &c;
    });
    return found;
}

bool Form::contains(const Control* control) const {
    bool found = false;
    forEachControl([&](Control& c) { found = found || &c == control; });
    return found;
}

void Form::forEachControl(const std::function<void(Control&)>& visit) const {
    for (const auto& c : surface_->children()) {
        visit(*c);
        for (const auto& child : c->children())
            visit(*child);
    }
    for (const auto& c : windowChildren_)
        visit(*c);
}

std::vector<Control*> Form::surfaceControls() const {
    std::vector<Control*> out;
    for (const auto& c : surface_->children()) {
        out.push_back(c.get());
        for (const auto& child : c->children())
            out.push_back(child.get());
    }
    return out;
}

} // namespace ornadeck
