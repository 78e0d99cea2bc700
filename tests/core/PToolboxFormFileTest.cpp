#include "cclib/TCCButton.h"
#include "cclib/TCCRadio.h"
#include "formfile/FormFile.h"
#include "model/TPTDialog.h"
#include "ptlib/PToolboxFormSections.h"
#include "ptlib/TPTCheckbox.h"
#include "ptlib/TPTEdit.h"
#include "ptlib/TPTLabel.h"
#include "ptlib/TPTList.h"
#include "support/PToolboxFixture.h"

namespace ornadeck {
namespace {

class PToolboxFormFile : public test::PToolboxFixture {
  protected:
    PToolboxFormSections sections;

    std::string text(const Form& f) { return formToIni(f, sections).toText(); }

    struct Loaded {
        Workspace workspace;
        test::FakeUi ui;
        PToolboxEngine engine{workspace, ui};
        Form form{"Main"};
        Status status;
    };
    std::unique_ptr<Loaded> load(const std::string& fileText) {
        auto l = std::make_unique<Loaded>();
        l->workspace.library = Library::PToolboxLib;
        SectionReadContext ctx{l->form, l->workspace, l->engine};
        l->status = loadFormIni(IniFile::parse(fileText), sections, ctx);
        return l;
    }
};

TEST_F(PToolboxFormFile, EveryKindRoundTripsByteForByteAndPropertyByProperty) {
    for (const char* tool : {"Button", "Select", "Label", "CheckBox", "Push", "List", "PopTrigger",
                             "Field", "GSI", "Bitmap", "Radio"})
        place(tool, 3, 5);
    auto* list = static_cast<TPTList*>(form.findByName("List6"));
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(set(list, "Trigger", "PopTrigger7").ok());
    ASSERT_TRUE(set(list, "Style", "Popup-list").ok());
    ASSERT_TRUE(set(form.findByName("Select2"), "Align", "Right").ok());
    ASSERT_TRUE(set(form.findByName("Field8"), "Underline", "False").ok());
    ASSERT_TRUE(set(form.findByName("CheckBox4"), "GroupNumber", "300").ok());
    ASSERT_TRUE(set(form.findByName("Radio11"), "Orientation", "Vertical").ok());
    ASSERT_TRUE(set(form.findByName("Label3"), "Font", "LargeBold").ok());
    Control* dialog = place("Dialog");
    place("GSI", 4, 4, dialog);
    place("Field", 20, 4, dialog);
    engine.rebuildComponentList(form);

    const std::string first = text(form);
    auto loaded = load(first);
    ASSERT_TRUE(loaded->status.ok()) << loaded->status.message();
    EXPECT_EQ(text(loaded->form), first);
    const auto& before = form.components();
    const auto& after = loaded->form.components();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i].text, before[i].text);
        if (!before[i].control) continue;
        for (auto row : engine.propertyNames(before[i].control))
            EXPECT_EQ(loaded->engine.getProperty(loaded->form, after[i].control, row),
                      engine.getProperty(form, before[i].control, row))
                << before[i].text << "." << row;
    }
}

TEST_F(PToolboxFormFile, SectionsKeepTheirKeyOrder) {
    place("Field", 20, 30);
    place("Radio", 5, 6);
    const std::string all = text(form);
    EXPECT_EQ(all.substr(all.find("[Field1]")),
              "[Field1]\r\nControl=Field\r\nName=Field1\r\nText=Field\r\nHeight=15\r\n"
              "Width=32\r\nLeft=20\r\nTop=30\r\nFont=PilotStandard,10,,0,clWindowText,2\r\n"
              "SingleLine=0\r\nJustification=0\r\nUnderline=0\r\nNumbersOnly=0\r\nEditable=0\r\n"
              "MaxChars=20\r\nParent=panScreen\r\n\r\n"
              "[Radio2]\r\nCount=3\r\nItem0=A\r\nItem1=B\r\nItem2=C\r\nControl=Radio\r\n"
              "Name=Radio2\r\nWidth=31\r\nLeft=5\r\nTop=6\r\nHeight=15\r\nGroupNumber=1\r\n"
              "SelectedItem=0\r\nOrientation=0\r\nFont=PilotStandard,10,,0,clWindowText,2\r\n"
              "Parent=panScreen\r\n\r\n");
}

TEST_F(PToolboxFormFile, HandEditedSectionsTakeTheirDefaults) {
    auto loaded = load("[FORM]\r\nLib=2\r\n"
                       "[f]\r\nControl=Field\r\nName=F1\r\n"
                       "[l]\r\nControl=Label\r\nName=L1\r\nText=Hi\r\nWidth=99\r\nHeight=99\r\n"
                       "[d1]\r\nControl=Dialog\r\nName=D1\r\nTest=1\r\n"
                       "[d2]\r\nControl=Dialog\r\nName=D2\r\nTest=1\r\n"
                       "[s]\r\nControl=Select\r\nName=S1\r\nParent=D1\r\n"
                       "[x]\r\nControl=Switch\r\nName=X1\r\n");
    ASSERT_TRUE(loaded->status.ok()) << loaded->status.message();
    Form& f = loaded->form;
    auto* field = static_cast<TPTEdit*>(f.findByName("F1"));
    EXPECT_EQ(field->maxChars(), 20);
    EXPECT_EQ(field->underline(), 0);
    EXPECT_NE(f.findByName("L1")->width(), 99);
    EXPECT_TRUE(f.findByName("D1")->visible());
    EXPECT_EQ(f.currentDialog(), f.findByName("D2"));
    auto* select = static_cast<TCCButton*>(f.findByName("S1"));
    EXPECT_EQ(select->parent(), f.findByName("D1"));
    EXPECT_EQ(select->tag(), TCCButton::kSelectTag);
    EXPECT_EQ(select->line(), kLineGray);
    EXPECT_EQ(f.findByName("X1"), nullptr); // a CControls kind
}

TEST_F(PToolboxFormFile, DuplicateNameStopsTheLoad) {
    auto loaded = load("[FORM]\n[a]\nControl=GSI\nName=G\n[b]\nControl=GSI\nName=G\n"
                       "[c]\nControl=GSI\nName=H\n");
    EXPECT_EQ(loaded->status.message(), "A component named G already exists");
    EXPECT_EQ(loaded->form.findByName("H"), nullptr);
}

} // namespace
} // namespace ornadeck

namespace ornadeck {
namespace {

// A section holding nothing but its kind and name reads each key's default.
TEST_F(PToolboxFormFile, BareSectionsTakeEachKindsDefaults) {
    struct Case {
        const char* kind;
        int left, top, width, height;
        const char* row;
        const char* value;
    };
    const Case cases[] = {
        {"Button", 5, 18, 46, 17, "Text", "Button"},
        {"Push", 10, 10, 34, 14, "GroupNumber", "0"},
        {"CheckBox", 10, 10, 34, 15, "State", "False"},
        {"PopTrigger", 10, 18, 34, 15, "Text", "PopTr"},
        {"Field", 10, 18, 34, 15, "MaxChars", "20"},
        {"GSI", 150, 150, 8, 9, "Left", "150"},
        {"Bitmap", 10, 18, 20, 20, "Bitmap", "(Bitmap)"},
        {"Radio", 10, 10, 34, 15, "GroupNumber", "1"},
        {"List", 10, 10, 34, 25, "Trigger", "(None)"},
        {"Dialog", 5, 60, 152, 80, "Test", "No"},
    };
    for (const Case& c : cases) {
        auto loaded = load(std::string("[FORM]\n[x]\nControl=") + c.kind + "\nName=X\n");
        ASSERT_TRUE(loaded->status.ok()) << c.kind;
        Control* x = loaded->form.findByName("X");
        ASSERT_NE(x, nullptr) << c.kind;
        EXPECT_EQ(x->left(), c.left) << c.kind;
        EXPECT_EQ(x->top(), c.top) << c.kind;
        EXPECT_EQ(x->width(), c.width) << c.kind;
        EXPECT_EQ(x->height(), c.height) << c.kind;
        EXPECT_EQ(loaded->engine.getProperty(loaded->form, x, c.row), c.value) << c.kind;
    }
}

TEST_F(PToolboxFormFile, EmptyNameTakesTheShortDefaultNameWhenShortNamesAreOn) {
    auto l = std::make_unique<Loaded>();
    l->workspace.library = Library::PToolboxLib;
    l->workspace.shortNames = true;
    SectionReadContext ctx{l->form, l->workspace, l->engine};
    const IniFile ini = IniFile::parse("[FORM]\n[a]\nControl=PopTrigger\nName=\n"
                                       "[b]\nControl=Dialog\nName=\n[c]\nControl=Label\nName=L\n");
    ASSERT_TRUE(loadFormIni(ini, sections, ctx).ok());
    EXPECT_NE(l->form.findByName("Pt1"), nullptr);
    EXPECT_NE(dynamic_cast<TPTDialog*>(l->form.findByName("Dl2")), nullptr);
    EXPECT_NE(l->form.findByName("L"), nullptr);
}

} // namespace
} // namespace ornadeck
