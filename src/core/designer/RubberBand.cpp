#include "designer/RubberBand.h"

#include "engine/Engine.h"
#include "model/Form.h"

#include <algorithm>

namespace ornadeck {

namespace {

bool touchesControl(const BandRect& band, const Control& c, int dx, int dy) {
    return c.visible() && band.touches(c.left() + dx, c.top() + dy, c.width(), c.height());
}

void colourGroup(const std::vector<Control*>& marked, const Control* parent,
                 const Control* reference) {
    const bool inDialog = parent && parent->isDialog();
    const bool hasReference = reference && reference->parent() == parent;
    bool primaryGiven = false;
    for (Control* c : marked) {
        if (c->parent() != parent || c->isDialog()) continue;
        const bool primary = hasReference ? c == reference : !primaryGiven;
        primaryGiven = primaryGiven || primary;
        c->setSelectColor(inDialog ? (primary ? kRed : kMaroon) : (primary ? kBlue : kNavy));
    }
}

} // namespace

BandRect BandRect::between(Point a, Point b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool BandRect::touches(int x, int y, int width, int height) const {
    return x <= right && x + width - 1 >= left && y <= bottom && y + height - 1 >= top;
}

std::vector<Control*> touchedControls(const Form& form, BandRect band) {
    std::vector<Control*> out;
    for (const auto& owned : form.surface().children()) {
        Control& c = *owned;
        if (!touchesControl(band, c, 0, 0)) continue;
        if (!c.isDialog()) {
            out.push_back(&c);
            continue;
        }
        std::vector<Control*> children;
        for (const auto& child : c.children())
            if (touchesControl(band, *child, c.left(), c.top())) children.push_back(child.get());
        if (children.empty())
            out.push_back(&c);
        else
            out.insert(out.end(), children.begin(), children.end());
    }
    return out;
}

Control* markBand(Form& form, const Engine& engine, const std::vector<Control*>& controls, bool add,
                  Control* previous) {
    if (!add) engine.clearSelection(form);
    for (Control* c : controls)
        engine.setSelected(*c, true, true);
    const std::vector<Control*> all = form.surfaceControls();
    std::vector<Control*> marked;
    std::copy_if(all.begin(), all.end(), std::back_inserter(marked),
                 [](Control* c) { return c->selected(); });
    if (marked.empty()) return nullptr;
    Control* reference =
        previous && form.contains(previous) && previous->selected() ? previous : marked.front();
    colourGroup(marked, &form.surface(), reference);
    for (const auto& c : form.surface().children())
        if (c->isDialog()) colourGroup(marked, c.get(), reference);
    return reference;
}

} // namespace ornadeck
