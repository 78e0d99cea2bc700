#pragma once

#include "commands/CommandTable.h"

#include <QString>
#include <string_view>

namespace ornadeck::app {

// The table's UTF-8 text as Qt text.
inline QString qText(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The caption as a person reads it, without its '&': "Save Project As...".
inline QString readCaption(const CommandInfo& c) { return qText(c.caption).remove(u'&'); }

// The shortcuts as the help writes them: "Ctrl+Shift+Z or Ctrl+Y".
inline QString shortcutText(const CommandInfo& c) {
    return qText(c.shortcut).replace(u';', QStringLiteral(" or "));
}

} // namespace ornadeck::app
