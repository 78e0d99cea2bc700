// Writes a Qt Designer form of 5,000 widgets to compare with ornadeck-cli generate on the
// 50-form, 5,000-control project: the same kinds in the same rotation, each with its
// position and size and text: make_big_ui FILE.ui [--full]
//
// --full adds what else our controls store, a font and list items. uic's time grows with
// the square of the number of fonts and items (twice the widgets, four times the time),
// so that file flatters our ratio; the plain one is the fair comparison.
#include <array>
#include <fstream>
#include <iostream>
#include <string>

namespace {

struct Kind {
    const char* qtClass;
    bool text;
    bool font;
    bool items;
};

// Qt's nearest widget for each of the toolbar's CControls kinds, in BigProject's order.
constexpr std::array<Kind, 11> kKinds{{{"QPushButton", true, true, false},
                                       {"QLabel", true, true, false},
                                       {"QCheckBox", true, true, false},
                                       {"QPushButton", true, true, false},
                                       {"QLineEdit", true, true, false},
                                       {"QLineEdit", true, true, false},
                                       {"QListWidget", false, true, true},
                                       {"QListWidget", false, true, true},
                                       {"QComboBox", false, false, true},
                                       {"QComboBox", false, true, true},
                                       {"QLabel", false, false, false}}};

void writeWidget(std::ostream& out, int i, bool full) {
    const Kind& kind = kKinds[static_cast<std::size_t>(i) % kKinds.size()];
    const std::string name = "w" + std::to_string(i + 1);
    out << "  <widget class=\"" << kind.qtClass << "\" name=\"" << name << "\">\n"
        << "   <property name=\"geometry\">\n    <rect>\n"
        << "     <x>" << (i * 13) % 150 << "</x>\n     <y>" << (i * 7) % 150 << "</y>\n"
        << "     <width>40</width>\n     <height>14</height>\n    </rect>\n   </property>\n";
    if (full && kind.font)
        out << "   <property name=\"font\">\n    <font>\n     <family>Pilot Standard</family>\n"
            << "     <pointsize>10</pointsize>\n    </font>\n   </property>\n";
    if (kind.text)
        out << "   <property name=\"text\">\n    <string>" << name << "</string>\n"
            << "   </property>\n";
    if (full && kind.items)
        for (const char* item : {"One", "Two", "Three"})
            out << "   <item>\n    <property name=\"text\">\n     <string>" << item
                << "</string>\n    </property>\n   </item>\n";
    out << "  </widget>\n";
}

} // namespace

int main(int argc, char** argv) {
    const bool full = argc == 3 && std::string(argv[2]) == "--full";
    if (argc < 2 || (argc == 3 && !full) || argc > 3) {
        std::cerr << "usage: make_big_ui FILE.ui [--full]\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n"
        << " <class>Big</class>\n <widget class=\"QWidget\" name=\"Big\">\n"
        << "  <property name=\"geometry\">\n   <rect>\n    <x>0</x>\n    <y>0</y>\n"
        << "    <width>160</width>\n    <height>160</height>\n   </rect>\n  </property>\n";
    for (int i = 0; i < 5000; ++i)
        writeWidget(out, i, full);
    out << " </widget>\n <resources/>\n <connections/>\n</ui>\n";
    out.close();
    if (!out) {
        std::cerr << "make_big_ui: cannot write " << argv[1] << "\n";
        return 1;
    }
    std::cout << argv[1] << "\n";
    return 0;
}
