#pragma once

#include "model/FileStamp.h"
#include "model/NameIndex.h"
#include "model/Status.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornadeck {

// An INI document held in memory: the format of project, form and settings files.
//
// Sections and keys keep file order. Names are looked up without regard to ASCII
// case and are written with the spelling they were first created with. A repeated
// section merges into the first of that name; a repeated key keeps its first value.
//
// Values are kept verbatim (no quoting or escaping), except that a line break in a
// value becomes a space so it cannot start a new line in the file. Blanks around a
// value do not survive a save and reload. Names are made writable the same way:
// blanks around them are trimmed, line breaks become spaces, and a character that
// would end the name early or change the line's meaning becomes '_' — '=' in a key,
// ']' in a section name, and ';' or '[' at the start of a key. Lookups apply the
// same rules, so a name reads back under the spelling it was written with.
class IniFile {
  public:
    static IniFile parse(std::string_view text);
    // Replaces the contents with the file's (UTF-8 or Windows-1252) on success.
    // `stamp`, when given, gets what was read or written, for telling later changes by others.
    Status load(const std::filesystem::path& path, FileStamp* stamp = nullptr);
    Status save(const std::filesystem::path& path, FileStamp* stamp = nullptr) const;
    // CRLF line ends and a blank line after every section.
    std::string toText() const;

  private:
    struct Section;

  public:
    // One section's keys, found once for a run of reads; a missing section has no keys.
    // Valid until the document changes.
    class SectionKeys {
      public:
        std::string readString(std::string_view key, std::string_view def) const;
        int readInt(std::string_view key, int def) const;
        bool hasKey(std::string_view key) const;
        std::vector<std::string> keyNames() const;
        // Every key with its value, in file order, without a copy of either.
        std::vector<std::pair<std::string_view, std::string_view>> entries() const;

      private:
        friend class IniFile;
        explicit SectionKeys(const Section* section) : section_(section) {}
        const Section* section_;
    };
    SectionKeys keysOf(std::string_view section) const;

    // One section's keys for a run of writes: the section is found, or made, once. Other
    // writes may come in between; a section that moved is found again.
    class SectionWrites {
      public:
        SectionWrites(IniFile& ini, std::string_view section);
        void writeString(std::string_view key, std::string_view value);
        void writeInt(std::string_view key, int value);

      private:
        Section& section();
        IniFile* ini_;
        std::string name_; // as stored
        std::size_t index_;
    };

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal or 0x-hex; `def` when missing or not a number.
    int readInt(std::string_view section, std::string_view key, int def) const;
    bool hasSection(std::string_view section) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keyNames(std::string_view section) const;

    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, int value);
    void eraseSection(std::string_view section);
    void deleteKey(std::string_view section, std::string_view key);

  private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        NameIndex keyIndex;

        Entry* find(std::string_view cleanKey);
        const Entry* find(std::string_view cleanKey) const;
        // A key as a caller gives it, clean or not.
        const Entry* findGiven(std::string_view key) const;
        // The entry of this (already cleaned) key, appended with an empty value if missing.
        Entry& entryFor(std::string_view cleanKey, bool& added);
        void reindex();
    };

    Section* findSection(std::string_view section);
    const Section* findSection(std::string_view section) const;
    // The section with this (already cleaned) name, appended if missing.
    Section& sectionFor(std::string_view name);

    std::vector<Section> sections_;
    NameIndex sectionIndex_;
};

} // namespace ornadeck
