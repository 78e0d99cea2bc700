#include "codegen/CControlsGenerator.h"

#include "CControlsGenFixture.h"
#include "cclib/TCCBitmap.h"
#include "model/ItemsControl.h"
#include "support/CControlsFixture.h"

#include <string>
#include <utility>

namespace ornadeck {
namespace {

using test::CControlsGen;
using test::linesOf;
TEST_F(CControlsGen, WorkedExampleLineByLine) {
    buildWorkedExample();
    const Texts t = generate({&form});
    EXPECT_EQ(t.main,
              (Lines{"", "#include \"Demo.h\"", "#include \"DemoForms.pc\"",
                     "#include \"DemoEvents.pc\"", "", "//init", "main(){", "  graph_on();",
                     "  title(\"\");", "  Form1();", "}", "", "Form1(){", "  Form1Controls();",
                     "  Form1Contents();", "  Form1Draw();", "  Form1Events();", "}", ""}));
    EXPECT_EQ(
        t.forms,
        (Lines{"#include \"Ccontrols.c\"", "Chandle Button1, Label1;", "", "Form1Controls(){",
               "  Button1=Cbutton(10,20,38,12,1,4);", "  Label1=Clabel(10,40,30,1,2,0);", "}",
               "Form1Contents(){", "  Csetcontent(Button1,\"OK\");",
               "  Csetcontent(Label1,\"/f1Name\");", "}", "Form1Draw(){", "  title(\"Hello\");",
               "  clearg();", "  Cdraw(Button1);", "  Cdraw(Label1);", "}", ""}));
    EXPECT_EQ(t.events, (Lines{"#include \"Demo.h\"", "OnButton1(){", "}", "", "OnLabel1(){", "}",
                               "", "Form1Events(){", "  int e;", "  while(1){", "    e=event(1);",
                               "    if (Cevent(Button1,e)) OnButton1();",
                               "    else if (Cevent(Label1,e)) OnLabel1();", "  }", "}", ""}));
    EXPECT_EQ(t.header, (Lines{"//Form and dialog prototypes", "Form1();"}));
}

// Every kind, fonts, quotes, long bits, a dialog with children, menus, and a second form
// with nothing to declare (no handle line).
TEST_F(CControlsGen, MemoTargetHeadsEachTextWithItsTitle) {
    buildWorkedExample();
    const Texts memo = generate({&form}, true);
    const Texts pde = generate({&form}, false);
    const struct {
        const Lines& memo;
        const Lines& pde;
        const char* title;
    } cases[] = {{memo.forms, pde.forms, "/$ DemoForms.pc"},
                 {memo.events, pde.events, "/$ DemoEvents.pc"},
                 {memo.header, pde.header, "/$ Demo.h"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        Lines expected{c.title};
        expected.insert(expected.end(), c.pde.begin(), c.pde.end());
        EXPECT_EQ(c.memo, expected);
    }
    EXPECT_EQ(memo.main, pde.main) << "the caller writes Main's first lines";
}

TEST_F(CControlsGen, AMenuBarAloneIsTheFirstDispatch) {
    place("MenuBar");
    Lines out;
    generator.generateEvents(out, false, {&form}, "Demo");
    EXPECT_EQ(Lines(out.end() - 4, out.end()),
              (Lines{"    if (Cevent(MenuBarForm1,e)) OnMenuBarForm1(Cgetcontent(MenuBarForm1));",
                     "  }", "}", ""}));
}

// "();" would not compile: an empty ShowForm shows nothing, like "(None)".
TEST_F(CControlsGen, EmptyShowFormWritesNoCall) {
    add(form, "Button", "Name=B|ShowForm=");
    Lines out;
    generator.generateEvents(out, false, {&form}, "Demo");
    EXPECT_EQ(Lines(out.begin() + 1, out.begin() + 4), (Lines{"OnB(){", "}", ""}));
}

} // namespace
} // namespace ornadeck
