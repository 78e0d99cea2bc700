#include "cclib/CControlsFormSections.h"
#include "cclib/TCCButton.h"
#include "cclib/TCCEdit.h"
#include "cclib/TCCLabel.h"
#include "cclib/TCCMenu.h"
#include "cclib/TCCMenuBar.h"
#include "cclib/TCCRadio.h"
#include "formfile/FormFile.h"
#include "model/TPTDialog.h"
#include "support/CControlsFixture.h"

namespace ornadeck {
namespace {

class CControlsFormFile : public test::CControlsFixture {
  protected:
    CControlsFormSections sections;

    std::string text(const Form& f) { return formToIni(f, sections).toText(); }

    // Loads `ini` into a fresh form of a fresh program.
    struct Loaded {
        Workspace workspace;
        test::FakeUi ui;
        CControlsEngine engine{workspace, ui};
        Form form{"Main"};
        Status status;
    };
    std::unique_ptr<Loaded> load(const std::string& fileText) {
        auto l = std::make_unique<Loaded>();
        SectionReadContext ctx{l->form, l->workspace, l->engine};
        l->status = loadFormIni(IniFile::parse(fileText), sections, ctx);
        return l;
    }

    // A form holding every kind, inside and outside a dialog, with odd values.
    void buildRichForm() {
        form.surface().setTitle("Rich = form");
        form.setWindowPosition(12, -3);
        auto* b = static_cast<TCCButton*>(place("Button", 3, 4));
        b->setRadius(2);
        b->setLine(kLineGray);
        Font f = b->font();
        f.face = "PilotBold12";
        f.bold = f.underline = true;
        f.color = 0x00123456;
        b->setFont(f);
        b->setShowForm("Other");
        place("Label", 40, 4)->setFace("PilotLarge");
        place("CheckBox", 40, 20);
        place("Switch", 3, 40);
        auto* e = static_cast<TCCEdit*>(place("Edit", 3, 60));
        e->setAlignment(Alignment::Right);
        place("EditLine", 50, 60);
        place("ListBox", 3, 80);
        auto* r = static_cast<TCCRadio*>(place("Radio", 50, 80));
        r->setItems({"", "Two words", "x=y"});
        place("DropDown", 3, 110);
        place("PopUp", 60, 110);
        place("Image", 100, 100);
        Control* d = place("Dialog");
        place("Button", 5, 5, d);
        place("Radio", 50, 5, d);
        place("MenuBar");
        place("MenuBar");
        // A bar always loads hidden, so only a hidden one can round-trip.
        static_cast<TCCMenuBar*>(form.menuBar())->setTest(0);
    }
};

TEST_F(CControlsFormFile, EmptyFormIsTheFormSectionAlone) {
    EXPECT_EQ(text(form), "[FORM]\r\nName=Main\r\nTop=0\r\nLeft=0\r\nTitle=Form1\r\nLib=1\r\n\r\n");
}

TEST_F(CControlsFormFile, SectionsKeepTheirKeyOrder) {
    Control* list = place("ListBox", 5, 6);
    ASSERT_TRUE(set(list, "Name", "List1").ok());
    place("Button", 20, 30);
    place("EditLine", 20, 50);
    const std::string expected =
        "[List1]\r\nCount=3\r\nItem0=One\r\nItem1=Two\r\nItem2=Three\r\n"
        "Control=ListBox\r\nName=List1\r\nWidth=35\r\nLeft=5\r\nTop=6\r\n"
        "VisibleItems=2\r\nSelectedItem=-1\r\n"
        "Font=PilotStandard,10,,0,clWindowText,2\r\nParent=panScreen\r\n"
        "\r\n"
        "[Button2]\r\nControl=Button\r\nName=Button2\r\nContent=Button2\r\n"
        "Height=14\r\nWidth=40\r\nLeft=19\r\nTop=29\r\nEdge=4\r\nLine=1\r\n"
        "Font=PilotStandard,10,,0,clWindowText,2\r\nShowForm=(None)\r\n"
        "Parent=panScreen\r\n\r\n"
        "[EditLine3]\r\nControl=EditLine\r\nName=EditLine3\r\n"
        "Content=EditLine3\r\nWidth=32\r\nLeft=20\r\nTop=50\r\n"
        "Font=PilotStandard,10,,0,clWindowText,2\r\nStyle=1\r\nLine=2\r\n"
        "Parent=panScreen\r\nType=1\r\n\r\n";
    const std::string all = text(form);
    EXPECT_EQ(all.substr(all.find("[List1]")), expected);
}

TEST_F(CControlsFormFile, RichFormRoundTripsByteForByte) {
    buildRichForm();
    engine.rebuildComponentList(form);
    const std::string first = text(form);
    auto loaded = load(first);
    ASSERT_TRUE(loaded->status.ok()) << loaded->status.message();
    EXPECT_EQ(text(loaded->form), first);
    EXPECT_EQ(loaded->form.surface().title(), "Rich = form");
    EXPECT_EQ(loaded->form.windowLeft(), 12);

    // Property by property, as the inspector sees them.
    const auto& before = form.components();
    const auto& after = loaded->form.components();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].text, before[i].text);
        if (!before[i].control) continue;
        for (auto row : engine.propertyNames(before[i].control)) {
            if (row == "Test") continue; // menus and the bar load closed
            EXPECT_EQ(loaded->engine.getProperty(loaded->form, after[i].control, row),
                      engine.getProperty(form, before[i].control, row))
                << before[i].text << "." << row;
        }
        EXPECT_EQ(after[i].control->font(), before[i].control->font()) << before[i].text;
    }
}

TEST_F(CControlsFormFile, DialogChildrenFollowTheirDialogAndComeBackInside) {
    Control* d = place("Dialog");
    place("Button", 5, 5, d);
    auto loaded = load(text(form));
    auto* dialog = loaded->form.surface().children().front().get();
    ASSERT_EQ(dialog->children().size(), 1u);
    EXPECT_EQ(dialog->children().front()->left(), 4);
    EXPECT_EQ(loaded->form.currentDialog(), dialog);
}

// Menus load closed, and showing each one read opens it: the last one read stays open,
// while the bar stays hidden.
TEST_F(CControlsFormFile, MenuBarLoadsHiddenAndOnlyTheLastMenuOpen) {
    place("MenuBar");
    place("MenuBar");
    auto loaded = load(text(form));
    auto* bar = static_cast<TCCMenuBar*>(loaded->form.menuBar());
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->visible());
    auto menus = loaded->form.menus();
    ASSERT_EQ(menus.size(), 2u);
    EXPECT_EQ(static_cast<TCCMenu*>(menus[0])->test(), 0);
    EXPECT_EQ(static_cast<TCCMenu*>(menus[1])->test(), 1);
    EXPECT_TRUE(menus[0]->visible());
}

TEST_F(CControlsFormFile, HandEditedSectionsTakeTheirDefaults) {
    auto loaded = load("[FORM]\nTitle=T\n"
                       "[a]\nControl=Label\nName=L1\nHeight=40\n"
                       "[b]\nControl=Foo\nName=F1\n"
                       "[c]\nName=NoKind\n"
                       "[d]\nControl=Edit\nName=E1\nAlignment=2\nLeft=0x10\nTop=junk\n"
                       "[e]\nControl=Button\nName=B1\nParent=LaterDialog\nCount=5\n"
                       "[f]\nControl=Dialog\nName=LaterDialog\nTest=1\n"
                       "[g]\nControl=Radio\nName=R1\nCount=4\nItem0=a\nItem2=c\nItem9=z\n"
                       "[h]\nControl=button\nName=Lower\n");
    ASSERT_TRUE(loaded->status.ok()) << loaded->status.message();
    Form& f = loaded->form;
    auto* label = static_cast<TCCLabel*>(f.findByName("L1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->style(), TextLineControl::kUnderlined);
    EXPECT_EQ(label->height(), 13);
    EXPECT_EQ(label->content(), "Label");
    EXPECT_EQ(f.findByName("F1"), nullptr);
    EXPECT_EQ(f.findByName("Lower"), nullptr); // kind tags are case-sensitive
    auto* edit = static_cast<TCCEdit*>(f.findByName("E1"));
    EXPECT_EQ(edit->alignment(), Alignment::Right);
    EXPECT_EQ(edit->left(), 16);
    EXPECT_EQ(edit->top(), 10);
    EXPECT_EQ(f.findByName("B1")->parent(), &f.surface());
    auto* radio = static_cast<TCCRadio*>(f.findByName("R1"));
    EXPECT_EQ(radio->items(), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(radio->orientation(), 0);
    EXPECT_EQ(loaded->workspace.selected.control, radio); // the last control read
}

TEST_F(CControlsFormFile, MenuWithOnlyItsKindTakesTheReadDefaults) {
    auto loaded = load("[FORM]\n[m]\nControl=Menu\n");
    ASSERT_TRUE(loaded->status.ok()) << loaded->status.message();
    auto* menu = dynamic_cast<TCCMenu*>(loaded->form.findByName("Menu"));
    ASSERT_NE(menu, nullptr);
    const TCCForm& surface = loaded->form.surface();
    EXPECT_EQ(menu->userLeft(), surface.left() + 5);
    EXPECT_EQ(menu->userWidth(), 38);
    EXPECT_EQ(menu->topicWidth(), 36);
    EXPECT_EQ(menu->topic(), "Topic");
    EXPECT_EQ(menu->top(), surface.top());
    EXPECT_TRUE(menu->items().empty());
    EXPECT_EQ(menu->parent(), nullptr); // a child of the designer window
}

TEST_F(CControlsFormFile, DuplicateNameStopsTheLoadAndKeepsWhatWasRead) {
    auto loaded = load("[FORM]\n[a]\nControl=Button\nName=B1\n[b]\nControl=Label\nName=b1\n"
                       "[c]\nControl=Label\nName=L2\n");
    EXPECT_EQ(loaded->status.message(), "A component named b1 already exists");
    EXPECT_NE(loaded->form.findByName("B1"), nullptr);
    EXPECT_EQ(loaded->form.findByName("L2"), nullptr);
}

// An empty Name takes the kind's default name and the rest of the form still loads.
TEST_F(CControlsFormFile, EmptyNameTakesTheDefaultNameAndTheLoadGoesOn) {
    auto loaded = load("[FORM]\n[a]\nControl=Button\nName=Button1\n[b]\nControl=Button\nName=\n"
                       "[c]\nControl=MenuBar\nName=\n[d]\nControl=Menu\nName=\n"
                       "[e]\nControl=Label\nName=L9\n");
    ASSERT_TRUE(loaded->status.ok()) << loaded->status.message();
    EXPECT_TRUE(loaded->ui.messages.empty());
    Form& f = loaded->form;
    // The counter skips the name already read, as a placed control's would.
    EXPECT_NE(dynamic_cast<TCCButton*>(f.findByName("Button2")), nullptr);
    EXPECT_NE(dynamic_cast<TCCMenuBar*>(f.findByName("MenuBarMain")), nullptr);
    EXPECT_NE(dynamic_cast<TCCMenu*>(f.findByName("Menu3")), nullptr);
    EXPECT_NE(f.findByName("L9"), nullptr);
}

TEST_F(CControlsFormFile, HostileFilesNeitherCrashNorHang) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 131) % 256);
    const std::string hostile[] = {
        "",
        "not an ini file at all",
        binary,
        "[FORM]\n[x]\nControl=Radio\nName=R\nCount=2147483647\nItem0=a\n",
        "[FORM]\n[x]\nControl=ListBox\nName=L\nVisibleItems=2147483647\nWidth=-2147483648\n",
        "[FORM]\n[x]\nControl=Button\nName=B\nContent=" + std::string(100000, 'x') + "\n",
        "[FORM]\n[x]\nControl=Button\nName=B\nFont=,,,,,\n[y]\nControl=Label\nName=L\nFont=a,b\n",
        "[FORM]\n[x]\nControl=Button\nName=has space\n",
        "[FORM]\n[x]\nControl=Menu\nName=M\nLeft=-2147483648\nTopicWidth=2147483647\n",
    };
    for (const std::string& fileText : hostile) {
        auto loaded = load(fileText);
        loaded->form.forEachControl([](Control& c) {
            EXPECT_GE(c.width(), 1);
            EXPECT_FALSE(c.name().empty());
        });
    }
    EXPECT_FALSE(load(hostile[7])->status.ok());
    auto big = load(hostile[5]);
    EXPECT_EQ(static_cast<TCCButton*>(big->form.findByName("B"))->content().size(), 100000u);
}

TEST_F(CControlsFormFile, SaveReplacesTheFileAtomically) {
    const auto dir = std::filesystem::temp_directory_path() / "ornadeck-formfile-test";
    std::filesystem::create_directories(dir);
    const auto path = dir / "Main.ozf";
    place("Button");
    ASSERT_TRUE(saveFormFile(form, path, sections).ok());
    auto l = std::make_unique<Loaded>();
    SectionReadContext ctx{l->form, l->workspace, l->engine};
    ASSERT_TRUE(loadFormFile(path, sections, ctx).ok());
    EXPECT_EQ(l->form.filePath(), path);
    EXPECT_NE(l->form.findByName("Button1"), nullptr);
    std::filesystem::remove_all(dir);
}

// Reading shows each control without its rows, but an image too big for the handheld is
// still told about and cut back, height first, as the inspector would show it.
TEST_F(CControlsFormFile, OversizedImageIsCutBackWhenRead) {
    auto loaded = load("[FORM]\n[a]\nControl=Image\nName=I1\nWidth=60\nHeight=50\n"
                       "[b]\nControl=Image\nName=I2\nWidth=40\nHeight=12\n");
    ASSERT_TRUE(loaded->status.ok()) << loaded->status.message();
    const Control* big = loaded->form.findByName("I1");
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->width(), 40);
    EXPECT_EQ(big->height(), 40);
    ASSERT_EQ(loaded->ui.messages.size(), 2u);
    EXPECT_EQ(loaded->ui.messages[0].text, "The maximum height of a Image control is 40");
    EXPECT_EQ(loaded->ui.messages[1].text, "The maximum width of a Image control is 40");
    EXPECT_EQ(loaded->form.findByName("I2")->width(), 40);
}

} // namespace
} // namespace ornadeck
