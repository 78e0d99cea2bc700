#include "codegen/PToolboxGenerator.h"

#include "cclib/TCCBitmap.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCRadio.h"
#include "cclib/TCCSwitch.h"
#include "model/TPTDialog.h"
#include "ptlib/TPTButton.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTGsi.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"
#include "ptlib/TPTPopTrigger.h"
#include "support/PToolboxFixture.h"

namespace ornadeck {
namespace {

class PToolboxGen : public test::PToolboxFixture {
  protected:
    using Op = void (PToolboxGenerator::*)(Lines&, bool, const FormList&, std::string_view) const;

    // Places a control on `on` (its surface unless `parent` is given), renamed and moved.
    template <class T>
    T* put(Form& on, const std::string& tool, std::string name, int l, int t, int w, int h,
           Control* parent = nullptr) {
        workspace.tool = tool;
        EXPECT_TRUE(engine.createControl(on, l, t, parent ? parent : &on.surface()));
        auto* c = static_cast<T*>(workspace.selected.control);
        EXPECT_TRUE(on.rename(*c, std::move(name)).ok());
        c->setBounds(l, t, w, h);
        return c;
    }
    template <class T>
    T* put(const std::string& tool, std::string name, int l, int t, int w, int h,
           Control* parent = nullptr) {
        return put<T>(form, tool, std::move(name), l, t, w, h, parent);
    }

    Lines text(Op op, bool memos = false) const {
        Lines out;
        (PToolboxGenerator{}.*op)(out, memos, forms, project);
        return out;
    }
    Lines main(const Form& first) const {
        Lines out;
        PToolboxGenerator{}.generateMain(out, forms, first, project);
        return out;
    }

    std::string project = "Demo";
    FormList forms{&form};
};

TEST_F(PToolboxGen, WorkedExampleGivesEveryLineOfTheFourTexts) {
    form.setName("Form1");
    form.surface().setTitle("Hello");
    auto* ok = put<TPTButton>("Button", "Button1", 8, 18, 42, 16);
    ok->setText("OK");

    EXPECT_EQ(main(form),
              (Lines{"", "library \"PToolboxLib\"", "#include \"Fctl.h\"", "#include \"Demo.h\"",
                     "#include \"DemoForms.pc\"", "#include \"DemoEvents.pc\"", "//init", "main(){",
                     "  Form1Create();", "", "  //Show first form", "  Form1Draw();", "}", ""}));
    EXPECT_EQ(text(&PToolboxGenerator::generateForms),
              (Lines{"Form1Create(){", "  Form(Form1,\"Hello\");",
                     "  Button(Button1,0x00,10,20,38,12,\"OK\");", "}", "Form1Draw(){",
                     "  Fctl(DRAW,Form1);", "  Form1Events();", "}", ""}));
    EXPECT_EQ(text(&PToolboxGenerator::generateEvents),
              (Lines{"Form1Events(){", "  int e;", "  while(1){", "    e=Fevent(1);",
                     "    switch(e){", "", "    case Button1:", "    break;", "", "    } //switch",
                     "  } //while", "}", ""}));
    EXPECT_EQ(text(&PToolboxGenerator::generateHeader),
              (Lines{"//Form1 ID numbers", "#define Form1 3000", "#define Button1 3001", "",
                     "//Prototypes", "Form1Create();", "Form1Events();", "Form1Draw();", ""}));
}

TEST_F(PToolboxGen, MemoTargetHeadsEachTextWithItsTitleLine) {
    put<TPTButton>("Button", "Button1", 8, 18, 42, 16);
    const struct {
        Op op;
        const char* title;
    } cases[] = {{&PToolboxGenerator::generateForms, "/$ DemoForms.pc"},
                 {&PToolboxGenerator::generateEvents, "/$ DemoEvents.pc"},
                 {&PToolboxGenerator::generateHeader, "/$ Demo.h"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        Lines expected{c.title};
        const Lines plain = text(c.op);
        expected.insert(expected.end(), plain.begin(), plain.end());
        EXPECT_EQ(text(c.op, true), expected);
    }
}

// Every kind, fonts, a dialog with children and a second form, compared line for line.
class PToolboxGenRich : public PToolboxGen {
  protected:
    PToolboxGenRich() {
        project = "Rich";
        forms = {&form, &second};
        form.surface().setTitle("Main \"one\"");
        second.surface().setTitle("Two");

        auto* go = put<TPTButton>("Button", "Go", 8, 18, 46, 17);
        go->setText("Go"), go->setFrame(TPTButton::kBold), go->setShowForm("Second");
        go->setFace("PilotBold");
        auto* up = put<TPTButton>("Button", "Up", 0, 40, 20, 16);
        up->setText("+"), up->setFrame(TPTButton::kSquare), up->setButtonType(TPTButton::kRepeat);
        auto* down = put<TPTButton>("Button", "Down", 20, 40, 20, 16);
        down->setText("-"), down->setFrame(7), down->setButtonType(TPTButton::kRepeat);
        auto* loud = put<TCCSwitch>("Push", "Loud", 50, 40, 30, 15);
        loud->setContent("Loud"), loud->setTag(26), loud->setState(1);
        loud->setFace("PilotLarge");
        auto* pick = put<TCCButton>("Select", "Pick", 90, 40, 30, 15);
        pick->setContent("Pick"), pick->setAlignment(Alignment::Right);
        auto* size = put<TCCButton>("Select", "Size", 120, 40, 30, 15);
        size->setContent("Size"), size->setFace("PilotBold12");
        auto* keep = put<TPTCheckbox>("CheckBox", "Keep", 0, 60, 58, 15);
        keep->setContent("Keep \"all\""), keep->setGroupNumber(300), keep->setState(1);
        keep->setFace("PilotBold");
        put<TPTLabel>("Label", "Note", 70, 60, 30, 11)->setContent("Say \"hi\"");
        put<TPTPopTrigger>("PopTrigger", "Color", 0, 80, 35, 15)->setText("Pick...");
        auto* colors = put<TPTList>("List", "Colors", 40, 80, 35, 25);
        colors->setItems({"Red", "Blue"}), colors->setTrigger("Color");
        auto* empty = put<TPTList>("List", "Empty", 80, 80, 30, 25);
        empty->setItems({}), empty->setMaxItems(3);
        auto* entry = put<TPTEdit>("Field", "Entry", 0, 110, 50, 15);
        entry->setText("abc"), entry->setMaxChars(12), entry->setJustification(1);
        entry->setNumbersOnly(5), entry->setEditable(1), entry->setUnderline(0);
        entry->setSingleLine(1);
        put<TPTGsi>("GSI", "Shift", 150, 150, 8, 9)->setFace("PilotBold");
        put<TCCBitmap>("Bitmap", "Logo", 60, 110, 40, 30)->setStringBits(bits);
        auto* ask = put<TPTDialog>("Dialog", "Ask", 3, 58, 156, 84);
        ask->setTitle("Sure?");
        auto* rh = put<TCCRadio>("Radio", "Rh", 0, 130, 24, 15);
        rh->setItems({"Yes", "No"}), rh->setSelectedItem(1), rh->setFace("PilotBold");
        rh->setBounds(0, 130, 24, 15); // (24 - 3) / 2 = 10.5 goes to the even 10
        auto* rv = put<TCCRadio>("Radio", "Rv", 100, 110, 20, 41);
        rv->setOrientation(1), rv->setTag(255);
        rv->setBounds(100, 110, 20, 41); // (41 - 4) / 3 drops its fraction: 12

        auto* faster = put<TPTButton>("Button", "Faster", 8, 8, 46, 17, ask);
        faster->setText("Faster"), faster->setButtonType(TPTButton::kRepeat);
        auto* answers = put<TPTList>("List", "Answers", 60, 8, 40, 25, ask);
        answers->setItems({"Yes", "No", "Maybe"});
        put<TPTLabel>("Label", "Q", 4, 40, 30, 11, ask)->setContent("Really?");
        put<TCCSwitch>("Push", "Ok", 100, 40, 30, 15, ask)->setContent("OK");

        auto* back = put<TPTButton>(second, "Button", "Back", 0, 0, 46, 17);
        back->setText("Back"), back->setShowForm("Main");
        put<TPTCheckbox>(second, "CheckBox", "Agree", 0, 20, 58, 15)->setContent("Agree");
        put<TCCBitmap>(second, "Bitmap", "Dot", 100, 100, 6, 2)->setStringBits("fcfc");
    }

    Form second{"Second"};
    const std::string bits = std::string(255, 'a') + std::string(45, 'b');
};

TEST_F(PToolboxGenRich, Main) {
    EXPECT_EQ(main(second),
              (Lines{"", "library \"PToolboxLib\"", "#include \"Fctl.h\"", "#include \"Rich.h\"",
                     "#include \"RichForms.pc\"", "#include \"RichEvents.pc\"", "//init", "main(){",
                     "  MainCreate();", "  AskCreate();", "  SecondCreate();", "",
                     "  //Show first form", "  SecondDraw();", "}", ""}));
}

TEST_F(PToolboxGenRich, Forms) {
    const std::string logo = "  bitmap(60,110,\"28\" + \"" + std::string(255, 'a') + "\" + \"" +
                             std::string(45, 'b') + "\");";
    EXPECT_EQ(text(&PToolboxGenerator::generateForms),
              (Lines{"MainCreate(){",
                     "string itmColors[2] = {\"Red\",\"Blue\"};",
                     "  Form(Main,\"Main \\\"one\\\"\");",
                     "  textattr(1,1,0);",
                     "  Button(Go,0x10,10,20,42,13,\"Go\");",
                     "  textattr(0,1,0);",
                     "  Button(Up,0x25,2,42,16,12,\"+\");",
                     "  Button(Down,0x05,22,42,16,12,\"-\");",
                     "  textattr(2,1,0);",
                     "  Button(Loud,0x1A01,51,41,28,13,\"Loud\");",
                     "  FsetState(Loud,1);",
                     "  textattr(0,1,0);",
                     "  Button(Pick,0x1004,91,41,0,13,\"Pick\");",
                     "  textattr(7,1,0);",
                     "  Button(Size,0x4,121,41,0,13,\"Size\");",
                     "  textattr(0,1,0);",
                     "  textattr(1,1,0);",
                     "  Button(Keep,0x2C02,1,61,58,15,\"Keep \\\"all\\\"\");",
                     "FsetState(Keep,1);",
                     "  textattr(0,1,0);",
                     "  Label(Note,70,60,\"Say \\\"hi\\\"\");",
                     "  Button(Color,0x3,0,80,35,15,\"Pick...\");",
                     "  List(Colors,41,81,35,2,Color);",
                     "  FaddList(Colors,2,itmColors);",
                     "  List(Empty,81,81,30,3,0);",
                     "  Field(Entry,0x10101,0,110,50,15,12,\"abc\");",
                     "  GSI(150,150);",
                     "  textattr(1,1,0);",
                     "  Button(Rh0,0x101,1,131,10,13,\"Yes\");",
                     "  Button(Rh1,0x101,12,131,10,13,\"No\");",
                     "  FsetState(Rh1,1);",
                     "  textattr(0,1,0);",
                     "  Button(Rv0,0xFF01,101,111,16,12,\"A\");",
                     "  FsetState(Rv0,1);",
                     "  Button(Rv1,0xFF01,101,124,16,12,\"B\");",
                     "  Button(Rv2,0xFF01,101,137,16,12,\"C\");",
                     "}",
                     "MainDraw(){",
                     "  //Bind repeat events handler",
                     "  Fctl(REPEAT,MainRepeat);",
                     "  Fctl(DRAW,Main);",
                     logo,
                     "  MainEvents();",
                     "}",
                     "",
                     "AskCreate(){",
                     "string itmAnswers[3] = {\"Yes\",\"No\",\"Maybe\"};",
                     "  Dialog(Ask,5,60,152,80,\"Sure?\");",
                     "  Button(Faster,0x05,10,10,42,13,\"Faster\");",
                     "  List(Answers,61,9,40,2,0);",
                     "  FaddList(Answers,3,itmAnswers);",
                     "  Label(Q,4,40,\"Really?\");",
                     "  Button(Ok,0x001,101,41,28,13,\"OK\");",
                     "}",
                     "AskDraw(){",
                     "  //Bind repeat events handler",
                     "  Fctl(REPEAT,AskRepeat);",
                     "  Fctl(DRAW,Ask);",
                     "  AskEvents();",
                     "}",
                     "",
                     "SecondCreate(){",
                     "  Form(Second,\"Two\");",
                     "  Button(Back,0x00,2,2,42,13,\"Back\");",
                     "  Button(Agree,0x002,1,21,58,15,\"Agree\");",
                     "}",
                     "SecondDraw(){",
                     "  Fctl(DRAW,Second);",
                     "  bitmap(100,100,\"06\" + \"fcfc\");",
                     "  SecondEvents();",
                     "}",
                     ""}));
}

TEST_F(PToolboxGenRich, Events) {
    const Lines head{"  int e;", "  while(1){", "    e=Fevent(1);", "    switch(e){", ""};
    const Lines tail{"    } //switch", "  } //while", "}", ""};
    const auto repeatCase = [](const std::string& n) {
        return Lines{"    case " + n + ":", "        //handle the repeat here",
                     "        return(3); //wait 3 seconds and repeat", "    break;", ""};
    };
    const Lines handlerTail{"    default:", "    break;", "  }//switch", "return(0);", "}", ""};
    Lines expected;
    const auto add = [&](const Lines& chunk) {
        expected.insert(expected.end(), chunk.begin(), chunk.end());
    };
    add({"MainEvents(){"}), add(head);
    add({"    case Go:", "      SecondDraw();", "    break;", ""});
    for (const char* n : {"Loud", "Pick", "Size", "Keep", "Empty"})
        add({std::string("    case ") + n + ":", "    break;", ""});
    add(tail);
    add({"int MainRepeat(int butID){", "  switch(butID){"}), add(repeatCase("Up"));
    add(repeatCase("Down")), add(handlerTail);
    add({"AskEvents(){"}), add(head);
    add({"    case Answers:", "    break;", "", "    case Ok:", "    break;", ""}), add(tail);
    add({"int AskRepeat(int butID){", "  switch(butID){"}), add(repeatCase("Faster"));
    add(handlerTail);
    add({"SecondEvents(){"}), add(head);
    add({"    case Back:", "      MainDraw();", "    break;", "", "    case Agree:", "    break;",
         ""});
    add(tail);
    EXPECT_EQ(text(&PToolboxGenerator::generateEvents), expected);
}

TEST_F(PToolboxGenRich, Header) {
    EXPECT_EQ(text(&PToolboxGenerator::generateHeader), (Lines{"//Main ID numbers",
                                                               "#define Main 3000",
                                                               "#define Go 3001",
                                                               "#define Up 3002",
                                                               "#define Down 3003",
                                                               "#define Loud 3004",
                                                               "#define Pick 3005",
                                                               "#define Size 3006",
                                                               "#define Keep 3007",
                                                               "#define Note 3008",
                                                               "#define Color 3009",
                                                               "#define Colors 3010",
                                                               "#define Empty 3011",
                                                               "#define Entry 3012",
                                                               "#define Rh0 3013",
                                                               "#define Rh1 3014",
                                                               "#define Rv0 3015",
                                                               "#define Rv1 3016",
                                                               "#define Rv2 3017",
                                                               "",
                                                               "//Ask ID numbers",
                                                               "#define Ask 3018",
                                                               "#define Faster 3019",
                                                               "#define Answers 3020",
                                                               "#define Q 3021",
                                                               "#define Ok 3022",
                                                               "",
                                                               "//Second ID numbers",
                                                               "#define Second 3023",
                                                               "#define Back 3024",
                                                               "#define Agree 3025",
                                                               "",
                                                               "//Prototypes",
                                                               "MainCreate();",
                                                               "MainEvents();",
                                                               "MainDraw();",
                                                               "int MainRepeat(int butID);",
                                                               "",
                                                               "AskCreate();",
                                                               "AskEvents();",
                                                               "AskDraw();",
                                                               "int AskRepeat(int butID);",
                                                               "",
                                                               "SecondCreate();",
                                                               "SecondEvents();",
                                                               "SecondDraw();",
                                                               ""}));
}

TEST_F(PToolboxGen, HorizontalRadioSharesItsWidthRoundingHalvesToEven) {
    const struct {
        int width;
        std::vector<std::string> items;
        int buttonWidth;
    } cases[] = {{64, {"A", "B", "C"}, 20}, // (64 - 4) / 3, exact
                 {24, {"A", "B"}, 10},      // 10.5 down to the even neighbour
                 {26, {"A", "B"}, 12},      // 11.5 up to the even neighbour
                 {30, {"A", "B", "C"}, 9}}; // 8.67 to the nearest
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        if (Control* old = form.findByName("R")) form.destroy(old);
        auto* r = put<TCCRadio>("Radio", "R", 4, 8, c.width, 15);
        r->setItems(c.items), r->setSelectedItem(-1), r->setBounds(4, 8, c.width, 15);
        Lines lines = text(&PToolboxGenerator::generateForms);
        Lines expected;
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            const int x = 5 + static_cast<int>(i) * (c.buttonWidth + 1);
            expected.push_back("  Button(R" + std::to_string(i) + ",0x101," + std::to_string(x) +
                               ",9," + std::to_string(c.buttonWidth) + ",13,\"" + c.items[i] +
                               "\");");
        }
        ASSERT_GE(lines.size(), 2 + expected.size());
        EXPECT_EQ(Lines(lines.begin() + 2, lines.begin() + 2 + static_cast<long>(expected.size())),
                  expected);
    }
}

TEST_F(PToolboxGen, UnlinkedNamesAndEmptyRadioWriteNoBrokenCode) {
    // Constructed values, as an older form file may still hold them: an empty ShowForm or
    // Trigger links nothing, and a Radio without items has no button to create or number.
    auto* b = put<TPTButton>("Button", "B", 8, 18, 46, 17);
    b->setText("B"), b->setShowForm("");
    put<TPTList>("List", "L", 40, 80, 35, 25)->setTrigger("");
    put<TCCRadio>("Radio", "R", 0, 130, 24, 15)->setItems({});

    const Lines created = text(&PToolboxGenerator::generateForms);
    EXPECT_EQ(Lines(created.begin() + 3, created.begin() + 6),
              (Lines{"  Button(B,0x00,10,20,42,13,\"B\");", "  List(L,41,81,35,2,0);",
                     "  FaddList(L,3,itmL);"}));
    EXPECT_EQ(created[6], "}");
    const Lines events = text(&PToolboxGenerator::generateEvents);
    EXPECT_EQ(Lines(events.begin() + 6, events.begin() + 9),
              (Lines{"    case B:", "    break;", ""}));
    EXPECT_EQ(events[9], "    } //switch"); // a pop-triggered list gets no case
    const Lines header = text(&PToolboxGenerator::generateHeader);
    EXPECT_EQ(
        Lines(header.begin(), header.begin() + 5),
        (Lines{"//Main ID numbers", "#define Main 3000", "#define B 3001", "#define L 3002", ""}));
}

} // namespace
} // namespace ornadeck
