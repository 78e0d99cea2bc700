#include "model/IniFile.h"

#include "model/AtomicFile.h"
#include "model/IntText.h"
#include "model/TextEncoding.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace ornadeck {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string withoutLineBreaks(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (isLineBreak(c)) c = ' ';
    return out;
}

// Whether a name is already as cleaning would leave it: no line break or `bad` character,
// no blank at either end. Most names are, and then need no copy.
bool isClean(std::string_view name, char bad) {
    if (!name.empty() && (isBlank(name.front()) || isBlank(name.back()))) return false;
    for (char c : name)
        if (c == bad || (static_cast<unsigned char>(c) <= '\r' && isLineBreak(c))) return false;
    return true;
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

// The cleaned key, copied into `storage` only when cleaning changes it.
std::string_view keyAsStored(std::string_view key, std::string& storage) {
    if (isClean(key, '=') && (key.empty() || (key.front() != ';' && key.front() != '[')))
        return key;
    return storage = cleanKey(key);
}

std::string_view sectionAsStored(std::string_view name, std::string& storage) {
    if (isClean(name, ']')) return name;
    return storage = cleanSectionName(name);
}

// Calls `onLine` for every line, whichever of \n, \r\n or \r ends it.
template <typename OnLine> void forEachLine(std::string_view text, OnLine onLine) {
    const char* p = text.data();
    const char* const end = p + text.size();
    const char* newline = nullptr; // the next \n at or after p, or end; kept across lines
    while (p < end) {
        if (newline < p) {
            newline = static_cast<const char*>(std::memchr(p, '\n', end - p));
            if (!newline) newline = end;
        }
        const auto* cr = static_cast<const char*>(std::memchr(p, '\r', newline - p));
        const char* stop = cr ? cr : newline;
        onLine(std::string_view(p, static_cast<std::size_t>(stop - p)));
        if (stop == end) return;
        p = stop + 1;
        if (*stop == '\r' && p < end && *p == '\n') ++p;
    }
}

} // namespace

IniFile::Entry* IniFile::Section::find(std::string_view cleanKey) {
    const auto at = keyIndex.find(
        cleanKey, [this](std::size_t i) -> std::string_view { return entries[i].key; });
    return at ? &entries[*at] : nullptr;
}

const IniFile::Entry* IniFile::Section::find(std::string_view cleanKey) const {
    return const_cast<Section*>(this)->find(cleanKey);
}

IniFile::Entry& IniFile::Section::entryFor(std::string_view cleanKey, bool& added) {
    const std::uint32_t hash = NameIndex::hashFolded(cleanKey);
    const auto at = keyIndex.find(
        cleanKey, hash, [this](std::size_t i) { return std::string_view(entries[i].key); });
    added = !at;
    if (at) return entries[*at];
    if (entries.empty()) {
        // A control's section holds about a dozen keys: grow once, not five times.
        entries.reserve(16);
        keyIndex.reserve(16);
    }
    entries.emplace_back().key = cleanKey; // in place: a pushed temporary would be copied
    keyIndex.appendHashed(hash);
    return entries.back();
}

void IniFile::Section::reindex() {
    keyIndex.rebuild(entries.size(),
                     [this](std::size_t i) -> std::string_view { return entries[i].key; });
}

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    Section* current = nullptr;
    std::string storage;
    forEachLine(text, [&](std::string_view raw) {
        const std::string_view line = trimBlanks(raw);
        if (line.empty() || line.front() == ';') return;
        if (line.front() == '[') {
            // Anything after the closing bracket is ignored, as Windows does.
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos) return;
            current = &ini.sectionFor(sectionAsStored(line.substr(1, close - 1), storage));
            return;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || current == nullptr) return;
        // A line's key is already clean: it holds no '=', and ';' or '[' would have made
        // the line a comment or a section. A repeated key keeps its first value.
        bool added = false;
        Entry& entry = current->entryFor(trimBlanks(line.substr(0, eq)), added);
        if (added) entry.value = trimBlanks(line.substr(eq + 1));
    });
    return ini;
}

Status IniFile::load(const std::filesystem::path& path, FileStamp* stamp) {
    std::string bytes;
    if (Status status = readFileBytes(path, bytes); !status.ok()) return status;
    if (stamp) *stamp = stampOfBytes(bytes);
    *this = parse(decodeFileText(bytes));
    return {};
}

Status IniFile::save(const std::filesystem::path& path, FileStamp* stamp) const {
    const std::string text = toText();
    Status status = writeFileAtomically(path, text);
    if (status && stamp) *stamp = stampOfBytes(text);
    return status;
}

std::string IniFile::toText() const {
    std::size_t size = 0;
    for (const Section& section : sections_) {
        size += section.name.size() + 6;
        for (const Entry& entry : section.entries)
            size += entry.key.size() + entry.value.size() + 3;
    }
    std::string out;
    out.reserve(size);
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

// As with keys, a section name found as it is given needs no cleaning.
IniFile::Section* IniFile::findSection(std::string_view section) {
    auto nameAt = [this](std::size_t i) { return std::string_view(sections_[i].name); };
    auto at = sectionIndex_.find(section, nameAt);
    if (!at) {
        std::string storage;
        const std::string_view stored = sectionAsStored(section, storage);
        if (stored.data() != section.data()) at = sectionIndex_.find(stored, nameAt);
    }
    return at ? &sections_[*at] : nullptr;
}

const IniFile::Section* IniFile::findSection(std::string_view section) const {
    return const_cast<IniFile*>(this)->findSection(section);
}

IniFile::Section& IniFile::sectionFor(std::string_view name) {
    const auto at = sectionIndex_.find(
        name, [this](std::size_t i) { return std::string_view(sections_[i].name); });
    if (at) return sections_[*at];
    sections_.emplace_back().name = name;
    sectionIndex_.append(name);
    return sections_.back();
}

// Stored keys are clean, so a key found as it is given needs no cleaning: only a miss is
// cleaned and, when that changes it, looked up again.
const IniFile::Entry* IniFile::Section::findGiven(std::string_view key) const {
    if (const Entry* entry = find(key)) return entry;
    std::string storage;
    const std::string_view stored = keyAsStored(key, storage);
    return stored.data() == key.data() ? nullptr : find(stored);
}

std::string IniFile::SectionKeys::readString(std::string_view key, std::string_view def) const {
    const Entry* entry = section_ ? section_->findGiven(key) : nullptr;
    return std::string(entry == nullptr ? def : std::string_view(entry->value));
}

int IniFile::SectionKeys::readInt(std::string_view key, int def) const {
    const Entry* entry = section_ ? section_->findGiven(key) : nullptr;
    if (entry == nullptr) return def;
    return parseIniInt(entry->value).value_or(def);
}

bool IniFile::SectionKeys::hasKey(std::string_view key) const {
    return section_ && section_->findGiven(key) != nullptr;
}

std::vector<std::string> IniFile::SectionKeys::keyNames() const {
    std::vector<std::string> names;
    if (section_) {
        names.reserve(section_->entries.size());
        for (const Entry& entry : section_->entries)
            names.push_back(entry.key);
    }
    return names;
}

std::vector<std::pair<std::string_view, std::string_view>> IniFile::SectionKeys::entries() const {
    std::vector<std::pair<std::string_view, std::string_view>> all;
    if (section_) {
        all.reserve(section_->entries.size());
        for (const Entry& entry : section_->entries)
            all.emplace_back(entry.key, entry.value);
    }
    return all;
}

IniFile::SectionKeys IniFile::keysOf(std::string_view section) const {
    return SectionKeys(findSection(section));
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    return keysOf(section).readString(key, def);
}

int IniFile::readInt(std::string_view section, std::string_view key, int def) const {
    return keysOf(section).readInt(key, def);
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    return keysOf(section).hasKey(key);
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_)
        names.push_back(section.name);
    return names;
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    return keysOf(section).keyNames();
}

IniFile::SectionWrites::SectionWrites(IniFile& ini, std::string_view section) : ini_(&ini) {
    std::string storage;
    name_ = sectionAsStored(section, storage);
    Section& found = ini.sectionFor(name_);
    index_ = static_cast<std::size_t>(&found - ini.sections_.data());
}

IniFile::Section& IniFile::SectionWrites::section() {
    auto& sections = ini_->sections_;
    if (index_ >= sections.size() || !NameIndex::sameFolded(sections[index_].name, name_))
        index_ = static_cast<std::size_t>(&ini_->sectionFor(name_) - sections.data());
    return sections[index_];
}

void IniFile::SectionWrites::writeString(std::string_view key, std::string_view value) {
    std::string keyStorage;
    bool added = false;
    std::string& stored = section().entryFor(keyAsStored(key, keyStorage), added).value;
    // Nearly every value is one line already, and is then copied once.
    if (std::none_of(value.begin(), value.end(), isLineBreak))
        stored.assign(value);
    else
        stored = withoutLineBreaks(value);
}

void IniFile::SectionWrites::writeInt(std::string_view key, int value) {
    char digits[16];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    writeString(key, std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    SectionWrites(*this, section).writeString(key, value);
}

void IniFile::writeInt(std::string_view section, std::string_view key, int value) {
    SectionWrites(*this, section).writeInt(key, value);
}

void IniFile::eraseSection(std::string_view section) {
    const Section* found = findSection(section);
    if (found == nullptr) return;
    sections_.erase(sections_.begin() + (found - sections_.data()));
    sectionIndex_.rebuild(sections_.size(),
                          [this](std::size_t i) { return std::string_view(sections_[i].name); });
}

void IniFile::deleteKey(std::string_view section, std::string_view key) {
    Section* target = findSection(section);
    if (target == nullptr) return;
    std::string storage;
    const Entry* entry = target->find(keyAsStored(key, storage));
    if (entry == nullptr) return;
    target->entries.erase(target->entries.begin() + (entry - target->entries.data()));
    target->reindex();
}

} // namespace ornadeck
