#pragma once

#include "model/Library.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ornadeck {

enum class MessageIcon { None, Error, Warning, Information, Question, Exclamation };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultAnswer = Answer::Ok;
    // Words for the buttons in order ("Reload", "Keep"), when Yes, No and Cancel would not
    // say what they do; empty for the usual ones.
    std::vector<std::string> buttonTexts = {};
};

// Everything the core asks of a person goes through here: the desktop answers with real
// dialogs, tests with a script. The core itself never blocks or prints.
class Ui {
  public:
    virtual ~Ui() = default;

    virtual Answer ask(const Message& message) = 0;
    // The items editor: one entry per line. Returns false when closed without OK.
    virtual bool editItems(std::vector<std::string>& items) = 0;
    // A name typed without an extension gets `defaultExtension` (".ozf"), when one is given.
    virtual std::optional<std::filesystem::path>
    chooseOpenFile(const std::string& caption, const std::string& filter,
                   const std::string& defaultExtension = "") = 0;
    virtual std::optional<std::filesystem::path>
    chooseSaveFile(const std::string& caption, const std::string& filter,
                   const std::filesystem::path& suggested) = 0;

    // The new-project window: the library for a new project, proposing `proposed`.
    virtual std::optional<Library> chooseLibrary(Library proposed) = 0;

    void showError(const std::string& text) {
        ask({text, "Error", MessageIcon::Error, MessageButtons::Ok, Answer::Ok});
    }
    void showWarning(const std::string& text) {
        ask({text, "Warning", MessageIcon::Warning, MessageButtons::Ok, Answer::Ok});
    }
    void showInformation(const std::string& text) {
        ask({text, "Information", MessageIcon::Information, MessageButtons::Ok, Answer::Ok});
    }
};

} // namespace ornadeck
