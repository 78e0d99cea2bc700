#include "help/KeyboardPage.h"

#include "commands/CommandText.h"

namespace ornadeck::app {

namespace {

struct Key {
    const char* keys;
    const char* what;
};

// Keys that are no menu command: they belong to the windows that take them.
constexpr Key kDesignerKeys[] = {
    {"Left, Right, Up, Down", "Move the marked controls one grid step (4 pixels with the grid "
                              "on, 1 without)"},
    {"Ctrl+arrow", "Move the marked controls one pixel, even with the grid on"},
    {"Shift+arrow", "Make the marked controls wider, narrower, taller or shorter"},
    {"Tab, Shift+Tab", "Select the next or the previous control"},
    {"Escape", "Raise the pressed (or locked) button of the Controls toolbar"},
    {"Delete", "Delete the selected control"},
    {"Ctrl+mouse wheel", "Zoom the designer window in or out"},
    {"Double-click a Controls button", "Lock it: each click places another control"},
    {"Shift+click", "Add a control to the marked ones"},
    {"Drag on the empty form", "Mark every control the band touches"},
    {"Ctrl while dragging", "Single pixels, and no alignment guides"},
    {"Drag a Controls button onto the form", "Place a control of its kind where it drops"},
};

constexpr Key kObjectsKeys[] = {
    {"Ctrl+click, Shift+click", "Mark several controls of one form"},
    {"F2", "Rename the chosen control or form"},
    {"Delete", "Delete the chosen controls"},
    {"Alt+Up, Alt+Down", "Move the control back or forward in the stacking order"},
};

constexpr Key kInspectorKeys[] = {
    {"Enter", "End the edit of a cell; a name is taken now"},
    {"Escape", "Leave the cell; a name not yet taken is dropped"},
    {"Up, Down", "In a closed pick list: go to the row above or below"},
    {"Alt+Down", "In the Items box: open the items editor"},
};

QString escaped(QString s) { return s.toHtmlEscaped(); }

QString rows(const Key* first, const Key* last) {
    QString out;
    for (const Key* k = first; k != last; ++k)
        out += "<tr><td>" + escaped(k->keys) + "</td><td>" + escaped(k->what) + "</td></tr>\n";
    return out;
}

} // namespace

QString keyboardPageHtml() {
    QString html = QStringLiteral(
        "<html><head><title>Keyboard reference</title>"
        "<link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\"></head><body>"
        "<p class=\"nav\"><a href=\"index.html\">Contents</a></p>"
        "<h1>Keyboard reference</h1>"
        "<p>Every menu opens with Alt and its underlined letter. These commands also have a "
        "shortcut:</p>"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
        "<tr><th>Keys</th><th>Command</th></tr>\n");
    for (const CommandInfo& c : commandTable()) {
        if (c.shortcut.empty()) continue;
        html += "<tr><td>" + escaped(shortcutText(c)) + "</td><td>" + escaped(readCaption(c)) +
                " - " + escaped(qText(c.hint)) + "</td></tr>\n";
    }
    html += QStringLiteral("</table><h2>In a designer window</h2>"
                           "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
                           "<tr><th>Keys</th><th>What they do</th></tr>\n");
    html += rows(std::begin(kDesignerKeys), std::end(kDesignerKeys));
    html += QStringLiteral("</table><h2>In the Properties Editor</h2>"
                           "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
                           "<tr><th>Keys</th><th>What they do</th></tr>\n");
    html += rows(std::begin(kInspectorKeys), std::end(kInspectorKeys));
    html += QStringLiteral("</table><h2>In the Objects window</h2>"
                           "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
                           "<tr><th>Keys</th><th>What they do</th></tr>\n");
    html += rows(std::begin(kObjectsKeys), std::end(kObjectsKeys));
    html += QStringLiteral("</table></body></html>");
    return html;
}

} // namespace ornadeck::app
