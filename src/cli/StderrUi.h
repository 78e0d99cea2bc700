#pragma once

#include "model/Ui.h"

#include <ostream>

namespace ornadeck::cli {

// A tool has no one to ask: messages go to standard error and every question takes its
// default answer.
class StderrUi final : public Ui {
  public:
    explicit StderrUi(std::ostream& err) : err_(err) {}

    Answer ask(const Message& message) override {
        err_ << "ornadeck-cli: " << message.text << "\n";
        return message.defaultAnswer;
    }
    bool editItems(std::vector<std::string>&) override { return false; }
    std::optional<std::filesystem::path> chooseOpenFile(const std::string&, const std::string&,
                                                        const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> chooseSaveFile(const std::string&, const std::string&,
                                                        const std::filesystem::path&) override {
        return std::nullopt;
    }
    std::optional<Library> chooseLibrary(Library) override { return std::nullopt; }

  private:
    std::ostream& err_;
};

} // namespace ornadeck::cli
