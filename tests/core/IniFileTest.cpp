#include "model/IniFile.h"

#include "model/AtomicFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <random>

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::string>;

TEST(IniFileTest, LookupIgnoresCaseButKeepsFirstSpellingAndOrder) {
    const IniFile ini = IniFile::parse("[Form]\nWidth=100\nheight=50\n"
                                       "[Button1]\nCaption=OK\n"
                                       "[FORM]\nwidth=999\nColor=3\n");
    EXPECT_EQ(ini.sectionNames(), (Names{"Form", "Button1"}));
    EXPECT_EQ(ini.keyNames("form"), (Names{"Width", "height", "Color"}));
    EXPECT_EQ(ini.readString("fOrM", "WIDTH", "?"), "100"); // first value wins
    EXPECT_TRUE(ini.hasKey("BUTTON1", "caption"));
    EXPECT_FALSE(ini.hasKey("Button1", "Width"));
    EXPECT_FALSE(ini.hasSection("Button"));
    EXPECT_EQ(ini.readString("Nope", "Width", "dflt"), "dflt");
}

TEST(IniFileTest, LineEndingsAllSplitTheSameWay) {
    for (std::string_view eol : {"\n", "\r\n", "\r"}) {
        std::string text;
        for (std::string_view line : {"[S]", "a=1", "", "b=2", "[T]", "c=3"})
            text += std::string(line) + std::string(eol);
        const IniFile ini = IniFile::parse(text);
        EXPECT_EQ(ini.sectionNames(), (Names{"S", "T"})) << int(eol.size());
        EXPECT_EQ(ini.keyNames("S"), (Names{"a", "b"})) << int(eol.size());
        EXPECT_EQ(ini.readString("T", "c", ""), "3");
    }
    EXPECT_EQ(IniFile::parse("[S]\nx=1\r\ny=2\rz=3").keyNames("S"), (Names{"x", "y", "z"}));
}

TEST(IniFileTest, LineSyntax) {
    const IniFile ini = IniFile::parse("orphan=1\n"
                                       "  [  Main Form  ]  \n"
                                       "; Caption=commented\n"
                                       "   ;also=comment\n"
                                       "no equals sign\n"
                                       "  Caption  =\t Hello = World \t\n"
                                       "Quoted=\"  padded  \"\n"
                                       "Empty=\n"
                                       "[Broken\n"
                                       "After=still Main Form\n"
                                       "[Next] ; trailing comment\n"
                                       "k=v\n");
    EXPECT_EQ(ini.sectionNames(), (Names{"Main Form", "Next"}));
    EXPECT_EQ(ini.keyNames("Main Form"), (Names{"Caption", "Quoted", "Empty", "After"}));
    EXPECT_EQ(ini.readString("Main Form", "Caption", ""), "Hello = World");
    EXPECT_EQ(ini.readString("Main Form", "Quoted", ""), "\"  padded  \"");
    EXPECT_EQ(ini.readString("Main Form", "Empty", "dflt"), "");
    EXPECT_EQ(ini.readString("Next", "k", ""), "v");
}

TEST(IniFileTest, ReadInt) {
    const std::pair<const char*, int> cases[] = {
        {"42", 42}, {"0x1F", 31}, {"0xFFFFFFFF", -1}, {"0x", -99}, {"12abc", -99}, {"", -99},
    };
    IniFile ini;
    for (const auto& [text, expected] : cases) {
        ini.writeString("N", "v", text);
        EXPECT_EQ(ini.readInt("N", "v", -99), expected) << text;
    }
    EXPECT_EQ(ini.readInt("N", "missing", 5), 5);
    EXPECT_EQ(ini.readInt("Missing", "v", 6), 6);
}

TEST(IniFileTest, WritingKeepsPositionsAndSpelling) {
    IniFile ini = IniFile::parse("[A]\nOne=1\nTwo=2\nThree=3\n[B]\nx=1\n");
    ini.writeString("a", "TWO", "two");
    ini.writeInt("A", "Four", -4);
    ini.writeString("c", "Key", "new");
    EXPECT_EQ(ini.toText(), "[A]\r\nOne=1\r\nTwo=two\r\nThree=3\r\nFour=-4\r\n\r\n"
                            "[B]\r\nx=1\r\n\r\n"
                            "[c]\r\nKey=new\r\n\r\n");
}

// A run of writes keeps to its section while the document changes around it: sections
// added after it (the list grows), one erased before it (it moves), its own erased (made
// again at the end).
TEST(IniFileTest, SectionWritesFollowTheirSectionThroughChanges) {
    IniFile ini = IniFile::parse("[A]\na=1\n[B]\nb=1\n");
    IniFile::SectionWrites b(ini, " b ");
    for (int i = 0; i < 40; ++i)
        ini.writeInt("S" + std::to_string(i), "k", i);
    b.writeInt("two", 2);
    ini.eraseSection("A");
    b.writeString("three", "3\r\n");
    EXPECT_EQ(ini.keyNames("B"), (Names{"b", "two", "three"}));
    EXPECT_EQ(ini.readString("B", "three", ""), "3  ");
    EXPECT_EQ(ini.readInt("S39", "k", 0), 39);
    ini.eraseSection("B");
    b.writeString("again", "x");
    EXPECT_EQ(ini.sectionNames().back(), "b");
    EXPECT_EQ(ini.keyNames("B"), (Names{"again"}));
    EXPECT_FALSE(ini.hasSection("A"));
}

TEST(IniFileTest, EraseSectionAndDeleteKey) {
    IniFile ini = IniFile::parse("[A]\na=1\n[B]\nb=1\nc=2\nd=3\n[C]\ne=1\n");
    ini.eraseSection("b");
    ini.eraseSection("missing");
    EXPECT_EQ(ini.sectionNames(), (Names{"A", "C"}));
    EXPECT_EQ(ini.readString("C", "e", ""), "1"); // later sections still found
    ini.writeString("B", "z", "back");
    EXPECT_EQ(ini.sectionNames(), (Names{"A", "C", "B"}));
    EXPECT_EQ(ini.keyNames("B"), (Names{"z"}));

    ini = IniFile::parse("[S]\nk1=1\nk2=2\nk3=3\n");
    ini.deleteKey("s", "K2");
    ini.deleteKey("S", "missing");
    EXPECT_EQ(ini.keyNames("S"), (Names{"k1", "k3"}));
    EXPECT_EQ(ini.readString("S", "k3", ""), "3");
    ini.writeString("S", "k3", "x");
    EXPECT_EQ(ini.keyNames("S"), (Names{"k1", "k3"}));
}

TEST(IniFileTest, WrittenTextCannotInjectLines) {
    IniFile ini;
    ini.writeString("S", "Caption", "a\r\nEvil=1\r[Hacked]\nx=2");
    ini.writeString("S", "k=ey", "v");
    ini.writeString("S", "[Fake", "Section]");
    ini.writeString("S", ";hidden", "v");
    ini.writeString("Sec]tion\n", "k", "v");

    const IniFile back = IniFile::parse(ini.toText());
    EXPECT_EQ(back.sectionNames(), (Names{"S", "Sec_tion"}));
    EXPECT_EQ(back.keyNames("S"), (Names{"Caption", "k_ey", "_Fake", "_hidden"}));
    EXPECT_EQ(back.readString("S", "Caption", ""), "a  Evil=1 [Hacked] x=2");
    // The name a caller wrote with still finds the entry, before and after a reload.
    for (const IniFile* doc : std::initializer_list<const IniFile*>{&ini, &back}) {
        EXPECT_EQ(doc->readString("S", "k=ey", ""), "v");
        EXPECT_EQ(doc->readString("S", "[Fake", ""), "Section]");
        EXPECT_TRUE(doc->hasKey("Sec]tion\n", "k"));
        EXPECT_EQ(doc->readString(" s\t", " K_EY ", ""), "v"); // cleaned, then found
        EXPECT_EQ(doc->readInt("S", "Missing", 7), 7);
        EXPECT_FALSE(doc->hasKey("S", "k=ey2"));
    }
}

TEST(IniFileTest, LongValuesRoundTrip) {
    for (std::size_t length : {std::size_t{2047}, std::size_t{2048}, std::size_t{100000}}) {
        std::string value(length, 'v');
        value.front() = 'A';
        value.back() = 'Z';
        IniFile ini;
        ini.writeString("Long", "Text", value);
        ini.writeString("Long", "After", "ok");
        const IniFile back = IniFile::parse(ini.toText());
        EXPECT_EQ(back.readString("Long", "Text", ""), value) << length;
        EXPECT_EQ(back.readString("Long", "After", ""), "ok");
    }
}

TEST(IniFileTest, HostileInputIsStable) {
    EXPECT_TRUE(IniFile::parse("").sectionNames().empty());
    EXPECT_EQ(IniFile::parse("").toText(), "");
    const IniFile nul = IniFile::parse(std::string_view("[S\0x]\nk\0=v\0w\n", 13));
    EXPECT_EQ(nul.readString(std::string_view("S\0x", 3), std::string_view("k\0", 2), ""),
              std::string_view("v\0w", 3));

    // Whatever the input, what we write must read back as the same document.
    std::mt19937 rng(7);
    const std::string_view alphabet("[]=;\r\n \t\0aB\xFF\xE9", 14);
    for (int round = 0; round < 300; ++round) {
        std::string junk(rng() % 400, ' ');
        for (char& c : junk)
            c = alphabet[rng() % alphabet.size()];
        const std::string text = IniFile::parse(junk).toText();
        ASSERT_EQ(IniFile::parse(text).toText(), text) << testing::PrintToString(junk);
    }
}

class IniFileDiskTest : public testing::Test {
  protected:
    test::TempDir temp_;
    const fs::path dir_ = temp_.path();
};

TEST_F(IniFileDiskTest, SaveThenLoadIsByteIdentical) {
    const std::string original = "[Project]\r\nName=Caf\xC3\xA9 \xE2\x82\xAC\r\nForms=2\r\n\r\n"
                                 "[Form1]\r\nFile=\"main.ozf\"\r\n\r\n";
    const fs::path first = dir_ / "a.ini";
    const fs::path second = dir_ / "b.ini";
    ASSERT_TRUE(writeFileAtomically(first, original).ok());
    IniFile ini;
    ASSERT_TRUE(ini.load(first).ok());
    ASSERT_TRUE(ini.save(second).ok());
    std::string bytes;
    ASSERT_TRUE(readFileBytes(second, bytes).ok());
    EXPECT_EQ(bytes, original);
}

TEST_F(IniFileDiskTest, LoadsWindows1252AndReportsMissingFile) {
    const fs::path path = dir_ / "old.ini";
    ASSERT_TRUE(writeFileAtomically(path, "[S]\r\nk=caf\xE9 \x80\r\n").ok());
    IniFile ini;
    ASSERT_TRUE(ini.load(path).ok());
    EXPECT_EQ(ini.readString("S", "k", ""), "caf\xC3\xA9 \xE2\x82\xAC");

    const Status missing = ini.load(dir_ / "none.ini");
    EXPECT_NE(missing.message().find("none.ini"), std::string::npos);
    EXPECT_TRUE(ini.hasKey("S", "k")); // a failed load keeps what was there
}

} // namespace
} // namespace ornadeck
