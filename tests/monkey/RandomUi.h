#pragma once

#include "model/Ui.h"

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace ornadeck::monkey {

// Answers every question of the core at random, as a person clicking without reading would;
// files are chosen and named only inside the scratch folder.
class RandomUi final : public Ui {
  public:
    RandomUi(std::mt19937& random, std::filesystem::path scratch)
        : random_(random), scratch_(std::move(scratch)) {}

    Answer ask(const Message& message) override {
        switch (message.buttons) {
        case MessageButtons::Ok:
            return Answer::Ok;
        case MessageButtons::YesNo:
            return pick({Answer::Yes, Answer::No});
        case MessageButtons::YesNoCancel:
            return pick({Answer::Yes, Answer::No, Answer::Cancel});
        }
        return message.defaultAnswer;
    }

    bool editItems(std::vector<std::string>& items) override {
        if (chance(3)) return false;
        items.clear();
        const int count = below(6);
        for (int i = 0; i < count; ++i)
            items.push_back(text());
        return true;
    }

    std::optional<std::filesystem::path> chooseOpenFile(const std::string&, const std::string&,
                                                        const std::string& extension) override {
        if (chance(4)) return std::nullopt;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(scratch_)) {
            const auto ext = entry.path().extension();
            if (ext == ".ozp" || ext == ".ozf" || ext == ".bmp" || ext == extension)
                files.push_back(entry.path());
        }
        if (files.empty() || chance(8)) return scratch_ / (text() + extension);
        return files[static_cast<std::size_t>(below(static_cast<int>(files.size())))];
    }

    std::optional<std::filesystem::path> chooseSaveFile(const std::string&, const std::string&,
                                                        const std::filesystem::path&) override {
        if (chance(4)) return std::nullopt;
        static const char* const names[] = {"A", "B", "Trip", "Demo"};
        return scratch_ / names[below(4)];
    }

    std::optional<Library> chooseLibrary(Library proposed) override {
        if (chance(5)) return std::nullopt;
        return chance(2) ? proposed : (chance(2) ? Library::CControls : Library::PToolboxLib);
    }

    // Text a person might type into a cell: digits, words, blanks, the odd sign; never a
    // path separator or a dot, so a folder typed anywhere stays inside the scratch folder.
    std::string text() {
        static const std::string alphabet = "abcXYZ019 -_#'\"=;[]~";
        std::string out;
        const int length = below(9);
        for (int i = 0; i < length; ++i)
            out += alphabet[static_cast<std::size_t>(below(static_cast<int>(alphabet.size())))];
        return out;
    }
    int below(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int oneIn) { return below(oneIn) == 0; }

  private:
    Answer pick(std::initializer_list<Answer> answers) {
        return *(answers.begin() + below(static_cast<int>(answers.size())));
    }

    std::mt19937& random_;
    std::filesystem::path scratch_;
};

} // namespace ornadeck::monkey
