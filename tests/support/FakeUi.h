#pragma once

#include "model/Ui.h"

#include <deque>
#include <string>
#include <vector>

namespace ornadeck::test {

// A Ui that records every message and answers from a script (Ok/Yes by default).
class FakeUi : public Ui {
  public:
    std::vector<Message> messages;
    std::deque<Answer> answers;
    // The items editor: when set, returns these lines as if the user pressed OK.
    std::optional<std::vector<std::string>> editedItems;
    std::vector<std::string> itemsShown;
    std::deque<std::optional<std::filesystem::path>> files;
    // The new-project window's answer: a library, or nullopt for Cancel.
    std::optional<Library> library;
    std::optional<Library> libraryProposed;
    // The default extension the last open dialog was given.
    std::string openExtension;

    Answer ask(const Message& message) override {
        messages.push_back(message);
        if (answers.empty())
            return message.buttons == MessageButtons::Ok ? Answer::Ok : Answer::Yes;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    bool editItems(std::vector<std::string>& items) override {
        itemsShown = items;
        if (!editedItems) return false;
        items = *editedItems;
        return true;
    }
    std::optional<std::filesystem::path> chooseOpenFile(const std::string&, const std::string&,
                                                        const std::string& extension) override {
        openExtension = extension;
        return nextFile();
    }
    std::optional<std::filesystem::path> chooseSaveFile(const std::string&, const std::string&,
                                                        const std::filesystem::path&) override {
        return nextFile();
    }

    std::optional<Library> chooseLibrary(Library proposed) override {
        libraryProposed = proposed;
        return library;
    }

    std::string lastText() const { return messages.empty() ? "" : messages.back().text; }

  private:
    std::optional<std::filesystem::path> nextFile() {
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace ornadeck::test
