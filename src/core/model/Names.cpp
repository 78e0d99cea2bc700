#include "model/Names.h"

#include "model/NameIndex.h"

namespace ornadeck {

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::size_t NameHash::operator()(std::string_view name) const {
    return NameIndex::hashFolded(name);
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lower(c);
    return out;
}

bool isValidIdentifier(std::string_view name) {
    if (name.empty() || !isLetter(name.front())) return false;
    for (char c : name)
        if (!isLetter(c) && !isDigit(c)) return false;
    return true;
}

std::string invalidNameMessage(std::string_view name) {
    return "''" + std::string(name) + "'' is not a valid component name";
}

std::string duplicateNameMessage(std::string_view name) {
    return "A component named " + std::string(name) + " already exists";
}

} // namespace ornadeck
