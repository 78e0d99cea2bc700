#pragma once

#include "cclib/TCCBitmap.h"
#include "codegen/CControlsGenerator.h"
#include "model/ItemsControl.h"
#include "support/CControlsFixture.h"

#include <string>
#include <utility>
#include <vector>

namespace ornadeck::test {

// The lines of a text written out whole; each token is replaced by its value.
inline Lines linesOf(std::string_view text,
                     const std::vector<std::pair<std::string, std::string>>& values = {}) {
    std::string whole(text.substr(1)); // the literal starts on the line after R"(
    for (const auto& [token, value] : values)
        for (auto at = whole.find(token); at != std::string::npos; at = whole.find(token))
            whole.replace(at, token.size(), value);
    Lines out;
    std::size_t start = 0;
    for (auto end = whole.find('\n'); end != std::string::npos; end = whole.find('\n', start)) {
        out.push_back(whole.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

inline std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    for (std::size_t at; (at = text.find(separator)) != std::string_view::npos;) {
        parts.emplace_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    parts.emplace_back(text);
    return parts;
}

class CControlsGen : public CControlsFixture {
  protected:
    CControlsGenerator generator;

    void SetUp() override { form.setName("Form1"); }

    // Places a control through the engine and edits it as `edit` does.
    Control* add(Form& f, const std::string& tool, std::string_view props,
                 Control* target = nullptr) {
        workspace.tool = tool;
        EXPECT_TRUE(engine.createControl(f, 1, 1, target ? target : &f.surface())) << tool;
        return edit(f, workspace.selected.control, props);
    }
    // Sets "Prop=value|..." in order through the inspector; "Items" (comma separated) and
    // "Bits" have no inspector row and are set directly.
    Control* edit(Form& f, Control* c, std::string_view props) {
        engine.showProperties(f, c);
        for (const std::string& pair : split(props, '|')) {
            const auto eq = pair.find('=');
            const std::string prop = pair.substr(0, eq), value = pair.substr(eq + 1);
            if (prop == "Items")
                static_cast<ItemsControl*>(c)->setItems(split(value, ','));
            else if (prop == "Bits")
                static_cast<TCCBitmap*>(c)->setStringBits(value);
            else
                EXPECT_TRUE(engine.setProperty(prop, value).ok()) << pair;
        }
        return c;
    }

    struct Texts {
        Lines main, forms, events, header;
    };
    Texts generate(const FormList& forms, bool memos = false) {
        Texts t;
        generator.generateMain(t.main, forms, *forms.front(), "Demo");
        generator.generateForms(t.forms, memos, forms, "Demo");
        generator.generateEvents(t.events, memos, forms, "Demo");
        generator.generateHeader(t.header, memos, forms, "Demo");
        return t;
    }

    void buildWorkedExample() {
        form.surface().setTitle("Hello");
        add(form, "Button",
            "Name=Button1|Left=10|Top=20|Width=38|Height=12|Line=Black|Edge=4|"
            "Content=OK|Font=Standard");
        add(form, "Label",
            "Name=Label1|Left=10|Top=40|Width=30|Line=Black|Style=Boxed|"
            "Alignment=Left|Content=Name|Font=Bold");
    }
};

} // namespace ornadeck::test
