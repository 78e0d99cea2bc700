#include "ToolbarLayout.h"

#include "model/IniFile.h"

#include <QMainWindow>
#include <QToolBar>
#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace ornadeck::app {

namespace {

constexpr std::string_view kDocks = "Docks";

struct Placement {
    QToolBar* bar = nullptr;
    Qt::ToolBarArea area = Qt::TopToolBarArea;
    int row = 0;
    int pos = 0;
    int order = 0; // position in the default layout, to keep ties stable
    bool visible = true;
};

const std::map<std::string, Qt::ToolBarArea, std::less<>>& areaNames() {
    static const std::map<std::string, Qt::ToolBarArea, std::less<>> names{
        {"Top", Qt::TopToolBarArea},   {"Bottom", Qt::BottomToolBarArea},
        {"Left", Qt::LeftToolBarArea}, {"Right", Qt::RightToolBarArea},
        {"nil", Qt::TopToolBarArea}, // floating: docked here until the dock state says more
    };
    return names;
}

std::string areaName(Qt::ToolBarArea area) {
    for (const auto& [name, a] : areaNames())
        if (a == area && name != "nil") return name;
    return "Top";
}

bool isNumber(const std::string& text) {
    if (text.empty()) return false;
    std::size_t i = text[0] == '-' ? 1 : 0;
    return i < text.size() && std::all_of(text.begin() + static_cast<long>(i), text.end(),
                                          [](char c) { return c >= '0' && c <= '9'; });
}

// The stored place of a toolbar, or nothing when its section is missing or garbled.
std::optional<Placement> readPlacement(const IniFile& ini, QToolBar* bar) {
    const std::string section = bar->objectName().toStdString();
    if (!ini.hasSection(section)) return std::nullopt;
    const std::string docked = ini.readString(section, "DockedTo", "");
    const auto area = areaNames().find(docked);
    if (area == areaNames().end()) return std::nullopt;
    const std::string row = ini.readString(section, "DockRow", "");
    const std::string pos = ini.readString(section, "DockPos", "");
    if (!isNumber(row) || !isNumber(pos)) return std::nullopt;
    Placement p;
    p.bar = bar;
    p.area = area->second;
    p.row = std::clamp(std::stoi(row.substr(0, 6)), 0, 16);
    p.pos = std::clamp(std::stoi(pos.substr(0, 6)), -100000, 100000);
    p.visible = ini.readInt(section, "Visible", 1) != 0;
    return p;
}

} // namespace

void ToolbarLayout::restore(QMainWindow& window, const QList<QToolBar*>& toolbars,
                            const IniFile& ini) {
    std::vector<Placement> places;
    for (int i = 0; i < toolbars.size(); ++i) {
        QToolBar* bar = toolbars[i];
        Placement p = readPlacement(ini, bar).value_or(Placement{});
        if (!p.bar) { // the default: its row, in table order
            p.bar = bar;
            p.row = bar->property("defaultRow").toInt();
            p.pos = i;
        }
        p.order = i;
        places.push_back(p);
    }
    std::stable_sort(places.begin(), places.end(), [](const Placement& a, const Placement& b) {
        return std::tie(a.area, a.row, a.pos, a.order) < std::tie(b.area, b.row, b.pos, b.order);
    });
    std::optional<Qt::ToolBarArea> lastArea;
    int lastRow = 0;
    for (const Placement& p : places) {
        if (lastArea == p.area && p.row != lastRow) window.addToolBarBreak(p.area);
        window.addToolBar(p.area, p.bar);
        p.bar->setVisible(p.visible);
        lastArea = p.area;
        lastRow = p.row;
    }
    const std::string state = ini.readString(kDocks, "State", "");
    if (!state.empty())
        window.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
}

void ToolbarLayout::save(const QMainWindow& window, const QList<QToolBar*>& toolbars,
                         IniFile& ini) {
    // Rows are the distinct distances from the window edge the toolbars of an area sit at.
    std::map<Qt::ToolBarArea, std::set<int>> rowEdges;
    auto edgeOf = [&](QToolBar* bar) {
        const Qt::ToolBarArea area = window.toolBarArea(bar);
        const bool horizontal = area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
        return horizontal ? bar->y() : bar->x();
    };
    for (QToolBar* bar : toolbars)
        if (!bar->isFloating()) rowEdges[window.toolBarArea(bar)].insert(edgeOf(bar));
    for (QToolBar* bar : toolbars) {
        const std::string section = bar->objectName().toStdString();
        const Qt::ToolBarArea area = window.toolBarArea(bar);
        const bool horizontal = area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
        ini.writeInt(section, "Visible", bar->isHidden() ? 0 : 1);
        ini.writeString(section, "DockedTo", bar->isFloating() ? "nil" : areaName(area));
        const auto& edges = rowEdges[area];
        const auto row =
            bar->isFloating() ? 0 : std::distance(edges.begin(), edges.find(edgeOf(bar)));
        ini.writeInt(section, "DockRow", static_cast<int>(row));
        ini.writeInt(section, "DockPos", horizontal ? bar->x() : bar->y());
        const QRect floating = bar->isFloating() ? bar->geometry() : QRect();
        ini.writeInt(section, "FloatLeft", floating.left());
        ini.writeInt(section, "FloatTop", floating.top());
        ini.writeInt(section, "FloatRightX", floating.isNull() ? 0 : floating.right() + 1);
    }
    ini.writeString(kDocks, "State", window.saveState().toBase64().toStdString());
}

} // namespace ornadeck::app
