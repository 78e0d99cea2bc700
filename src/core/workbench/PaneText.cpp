#include "workbench/PaneText.h"

#include "model/TextEncoding.h"

#include <algorithm>

namespace ornadeck {

std::string paneTextOf(const Lines& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

Lines linesOfPane(std::string_view text) {
    Lines lines;
    if (text.empty()) return lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

std::string paneTextOfFile(std::string_view bytes) {
    if (bytes.ends_with("\r\n"))
        bytes.remove_suffix(2);
    else if (bytes.ends_with('\n'))
        bytes.remove_suffix(1);
    return paneTextOf(linesOfPane(windows1252ToUtf8(bytes)));
}

PaneCounters countPane(std::string_view text) {
    const std::size_t breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    const std::size_t lines = text.empty() ? 0 : breaks + 1;
    return {std::to_string(lines) + " lines", std::to_string(codePointCount(text)) + " chars"};
}

} // namespace ornadeck
