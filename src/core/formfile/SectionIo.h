#pragma once

#include "formfile/FontText.h"
#include "model/Control.h"
#include "model/IniFile.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace ornadeck {

struct SectionReadContext;
class ItemsControl;

// Writes the keys of one control section in the order they are called.
class SectionWriter {
  public:
    SectionWriter(IniFile& ini, std::string_view section) : writes_(ini, section) {}
    SectionWriter& text(std::string_view key, std::string_view value) {
        writes_.writeString(key, value);
        return *this;
    }
    SectionWriter& number(std::string_view key, int value) {
        writes_.writeInt(key, value);
        return *this;
    }
    SectionWriter& font(const Control& c) { return text("Font", fontToText(c.font())); }
    SectionWriter& parent(const Control& c);

  private:
    IniFile::SectionWrites writes_;
};

// Reads the keys of one control section, each with its default.
class SectionReader {
  public:
    SectionReader(const IniFile& ini, std::string_view section)
        : ini_(ini), section_(section), keys_(ini.keysOf(section)) {}
    std::string text(std::string_view key, std::string_view def) const {
        return keys_.readString(key, def);
    }
    int number(std::string_view key, int def) const { return keys_.readInt(key, def); }
    bool has(std::string_view key) const { return keys_.hasKey(key); }
    void font(Control& c) const;
    const IniFile& ini() const { return ini_; }
    const std::string& section() const { return section_; }
    const IniFile::SectionKeys& keys() const { return keys_; }

  private:
    const IniFile& ini_;
    std::string section_;
    IniFile::SectionKeys keys_;
};

// Gives a control read from a file its place: the parent named by `parentName` (the
// surface for a dialog, or null for the designer window), the surface colour, its name.
// An empty name takes the default name of its kind. Then shows it in the inspector.
// Returns null with the form's error if the name is refused.
Control* placeReadControl(SectionReadContext& context, std::unique_ptr<Control> control,
                          std::string_view parentName, std::string name, Status& status,
                          bool show = true);
Control* placeReadControl(SectionReadContext& context, std::unique_ptr<Control> control,
                          const SectionReader& reader, std::string_view defaultName,
                          Status& status);

// Starts a control's section with Control and Name; a list kind's section is erased and
// starts with its items.
SectionWriter beginSection(IniFile& ini, const Control& control, std::string_view tag);
SectionWriter beginListSection(IniFile& ini, const ItemsControl& control, std::string_view tag);
// Replaces the control's items when the section stores a list.
void readItems(const SectionReader& reader, ItemsControl& control);
// placeReadControl for a control of the surface or a dialog, giving only the status.
Status placeRead(SectionReadContext& context, std::unique_ptr<Control> control,
                 const SectionReader& reader, std::string_view defaultName);

// A library's section readers by kind tag; a section's Control key picks one.
using KindReader = Status (*)(const SectionReader&, SectionReadContext&);
using KindReaders = std::span<const std::pair<std::string_view, KindReader>>;
bool knowsKindIn(KindReaders readers, std::string_view tag);
// Reads the section with the reader of its kind; a kind the library lacks reads nothing.
Status readSectionWith(KindReaders readers, const IniFile& ini, const std::string& section,
                       SectionReadContext& context);

// The dialog section both libraries share; `titleKey` is "Content" or "Title".
void writeDialogSection(IniFile& ini, const Control& dialog, std::string_view titleKey);
Status readDialogSection(const SectionReader& reader, std::string_view titleKey,
                         SectionReadContext& context);

} // namespace ornadeck
