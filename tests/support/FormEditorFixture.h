#pragma once

#include "designer/FormEditor.h"
#include "engine/LibraryKit.h"
#include "model/Form.h"
#include "support/FakeUi.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace ornadeck::test {

// A designer window driven as the view will drive it: pointer events in surface pixels.
class FormEditorFixture : public testing::Test {
  protected:
    Form& addForm(const std::string& name) {
        workspace.forms.push_back(std::make_unique<Form>(name));
        return *workspace.forms.back();
    }
    static Point centre(const Control& c) {
        Point p{c.left() + c.width() / 2, c.top() + c.height() / 2};
        if (const Control* parent = c.parent(); parent && parent->isDialog())
            p = {p.x + parent->left(), p.y + parent->top()};
        return p;
    }
    void click(Point p, std::uint8_t keys = 0, MouseButton b = MouseButton::Left) {
        const ShiftState held(static_cast<std::uint8_t>(keys | buttonFlag(b)));
        window.mousePress(p, b, held);
        window.mouseRelease(p, b, held);
    }
    void click(const Control* c, std::uint8_t keys = 0) { click(centre(*c), keys); }
    void drag(Point from, Point to, std::uint8_t keys = 0, MouseButton b = MouseButton::Left) {
        const ShiftState held(static_cast<std::uint8_t>(keys | buttonFlag(b)));
        window.mousePress(from, b, held);
        window.mouseMove(to, held);
        window.mouseRelease(to, b, held);
    }
    Control* place(const std::string& tool, Point at) {
        workspace.tool = tool;
        click(at);
        return workspace.selected.control;
    }
    std::vector<Control*> marked() const {
        std::vector<Control*> out;
        for (Control* c : form.surfaceControls())
            if (c->selected()) out.push_back(c);
        return out;
    }

    // Forms a test takes out of the workspace; kept until the designer window is gone.
    std::vector<std::unique_ptr<Form>> parked;
    Workspace workspace;
    FakeUi ui;
    LibraryKits kits{workspace, ui};
    Form& form = addForm("Form1");
    FormEditor window{workspace, ui, kits, form};
};

} // namespace ornadeck::test
