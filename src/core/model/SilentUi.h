#pragma once

#include "model/Ui.h"

namespace ornadeck {

// For work without a person: every message is taken as read with its default answer, and
// nothing is chosen or edited.
class SilentUi final : public Ui {
  public:
    Answer ask(const Message& message) override { return message.defaultAnswer; }
    bool editItems(std::vector<std::string>&) override { return false; }
    std::optional<std::filesystem::path> chooseOpenFile(const std::string&, const std::string&,
                                                        const std::string&) override {
        return std::nullopt;
    }
    std::optional<Library> chooseLibrary(Library) override { return std::nullopt; }
    std::optional<std::filesystem::path> chooseSaveFile(const std::string&, const std::string&,
                                                        const std::filesystem::path&) override {
        return std::nullopt;
    }
};

} // namespace ornadeck
