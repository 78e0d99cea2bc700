#include "model/ReadingOrder.h"

#include <cstddef>

namespace ornadeck {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The digit run starting at `at`, without its leading zeros; `at` moves past the run.
std::string_view digitRun(std::string_view text, std::size_t& at) {
    while (at < text.size() && text[at] == '0')
        ++at;
    const std::size_t start = at;
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return text.substr(start, at - start);
}

// Negative, zero or positive as `a` reads before, with or after `b`.
int compareReading(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::string_view x = digitRun(a, i), y = digitRun(b, j);
            // Without leading zeros, the longer run is the larger number.
            if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0) return c;
            continue;
        }
        const char x = folded(a[i++]), y = folded(b[j++]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    if (i < a.size()) return 1;
    return j < b.size() ? -1 : 0;
}

} // namespace

bool inReadingOrder(std::string_view a, std::string_view b) {
    const int c = compareReading(a, b);
    return c != 0 ? c < 0 : a < b;
}

} // namespace ornadeck
