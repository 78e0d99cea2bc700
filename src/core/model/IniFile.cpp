#include "model/IniFile.h"

#include "model/AtomicFile.h"
#include "model/IntText.h"
#include "model/TextEncoding.h"

namespace ornadeck {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string foldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::string withoutLineBreaks(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

// A key as it can be written and read back: see the class comment.
std::string cleanKey(std::string_view key) {
    std::string out(trimBlanks(withoutLineBreaks(key)));
    for (char& c : out)
        if (c == '=') c = '_';
    if (!out.empty() && (out.front() == ';' || out.front() == '[')) out.front() = '_';
    return out;
}

std::string cleanSectionName(std::string_view name) {
    std::string out(trimBlanks(withoutLineBreaks(name)));
    for (char& c : out)
        if (c == ']') c = '_';
    return out;
}

// Calls `onLine` for every line, whichever of \n, \r\n or \r ends it.
template <typename OnLine> void forEachLine(std::string_view text, OnLine onLine) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            onLine(text.substr(start));
            return;
        }
        onLine(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
}

} // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t current = kNone;
    forEachLine(text, [&](std::string_view raw) {
        const std::string_view line = trimBlanks(raw);
        if (line.empty() || line.front() == ';') return;
        if (line.front() == '[') {
            // Anything after the closing bracket is ignored, as Windows does.
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos) return;
            current = ini.sectionFor(cleanSectionName(line.substr(1, close - 1)));
            return;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || current == kNone) return;
        Section& section = ini.sections_[current];
        const std::string_view key = trimBlanks(line.substr(0, eq));
        // emplace keeps the first value of a repeated key.
        if (section.keyIndex.emplace(foldCase(key), section.entries.size()).second)
            section.entries.push_back(
                {std::string(key), std::string(trimBlanks(line.substr(eq + 1)))});
    });
    return ini;
}

Status IniFile::load(const std::filesystem::path& path) {
    std::string bytes;
    if (Status status = readFileBytes(path, bytes); !status.ok()) return status;
    *this = parse(decodeFileText(bytes));
    return {};
}

Status IniFile::save(const std::filesystem::path& path) const {
    return writeFileAtomically(path, toText());
}

std::string IniFile::toText() const {
    std::string out;
    for (const Section& section : sections_) {
        out += '[';
        out += section.name;
        out += "]\r\n";
        for (const Entry& entry : section.entries) {
            out += entry.key;
            out += '=';
            out += entry.value;
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    const auto it = sectionIndex_.find(foldCase(cleanSectionName(section)));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

const IniFile::Entry* IniFile::findEntry(std::string_view section, std::string_view key) const {
    const Section* found = findSection(section);
    if (found == nullptr) return nullptr;
    const auto it = found->keyIndex.find(foldCase(cleanKey(key)));
    return it == found->keyIndex.end() ? nullptr : &found->entries[it->second];
}

std::size_t IniFile::sectionFor(const std::string& name) {
    const auto [it, added] = sectionIndex_.emplace(foldCase(name), sections_.size());
    if (added) sections_.push_back({name, {}, {}});
    return it->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    const Entry* entry = findEntry(section, key);
    return std::string(entry == nullptr ? def : std::string_view(entry->value));
}

int IniFile::readInt(std::string_view section, std::string_view key, int def) const {
    const Entry* entry = findEntry(section, key);
    if (entry == nullptr) return def;
    return parseIniInt(entry->value).value_or(def);
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    return findEntry(section, key) != nullptr;
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_)
        names.push_back(section.name);
    return names;
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* found = findSection(section)) {
        names.reserve(found->entries.size());
        for (const Entry& entry : found->entries)
            names.push_back(entry.key);
    }
    return names;
}

std::size_t IniFile::sectionForWrite(std::string_view section) {
    // Writers fill one section key after key: the one written last needs no lookup. Cleaning
    // a clean name changes nothing, so an exact match is that section.
    if (lastWritten_ < sections_.size() && sections_[lastWritten_].name == section)
        return lastWritten_;
    lastWritten_ = sectionFor(cleanSectionName(section));
    return lastWritten_;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    Section& target = sections_[sectionForWrite(section)];
    std::string name = cleanKey(key);
    const auto [it, added] = target.keyIndex.emplace(foldCase(name), target.entries.size());
    if (added) {
        target.entries.push_back({std::move(name), withoutLineBreaks(value)});
    } else {
        target.entries[it->second].value = withoutLineBreaks(value);
    }
}

void IniFile::writeInt(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::eraseSection(std::string_view section) {
    const auto it = sectionIndex_.find(foldCase(cleanSectionName(section)));
    if (it == sectionIndex_.end()) return;
    const std::size_t index = it->second;
    lastWritten_ = kNoSection;
    sectionIndex_.erase(it);
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(index));
    for (auto& [name, position] : sectionIndex_)
        if (position > index) --position;
}

void IniFile::deleteKey(std::string_view section, std::string_view key) {
    const auto found = sectionIndex_.find(foldCase(cleanSectionName(section)));
    if (found == sectionIndex_.end()) return;
    Section& target = sections_[found->second];
    const auto it = target.keyIndex.find(foldCase(cleanKey(key)));
    if (it == target.keyIndex.end()) return;
    const std::size_t index = it->second;
    target.keyIndex.erase(it);
    target.entries.erase(target.entries.begin() + static_cast<std::ptrdiff_t>(index));
    for (auto& [name, position] : target.keyIndex)
        if (position > index) --position;
}

} // namespace ornadeck
