#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornadeck::bdf {

// The largest number a font file may hold anywhere; larger ones are malformed.
inline constexpr long long kMaxNumber = 1'000'000'000;

// What the reader throws inside itself; it becomes the error text of the result.
struct BdfError {
    std::string message;
};

// At most the first 40 characters of a word, quoted, for error messages.
std::string shown(std::string_view s);

// Walks the text line by line, skipping blank lines and comments.
class Lines {
  public:
    explicit Lines(std::string_view text) : text_(text) {}

    bool next() {
        while (pos_ < text_.size()) {
            std::size_t end = text_.find('\n', pos_);
            if (end == std::string_view::npos) end = text_.size();
            line_ = text_.substr(pos_, end - pos_);
            pos_ = end + 1;
            ++number_;
            split();
            if (!words_.empty() && words_[0] != "COMMENT") return true;
        }
        return false;
    }
    // Like next(), but running out of text is an error saying where.
    void expect(std::string_view where) {
        if (!next()) throw BdfError{"the font ends " + std::string(where)};
    }

    std::string_view keyword() const { return words_[0]; }
    const std::vector<std::string_view>& words() const { return words_; }
    // Everything after the keyword, trimmed.
    std::string_view rest() const {
        const std::size_t start = words_[0].data() + words_[0].size() - line_.data();
        std::string_view r = line_.substr(start);
        while (!r.empty() && (r.front() == ' ' || r.front() == '\t'))
            r.remove_prefix(1);
        while (!r.empty() && (r.back() == ' ' || r.back() == '\t' || r.back() == '\r'))
            r.remove_suffix(1);
        return r;
    }
    int number() const { return number_; }

    [[noreturn]] void fail(const std::string& what) const {
        throw BdfError{"line " + std::to_string(number_) + ": " + what};
    }

  private:
    void split() {
        words_.clear();
        std::size_t i = 0;
        const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        while (i < line_.size()) {
            while (i < line_.size() && blank(line_[i]))
                ++i;
            const std::size_t start = i;
            while (i < line_.size() && !blank(line_[i]))
                ++i;
            if (i > start) words_.push_back(line_.substr(start, i - start));
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::string_view line_;
    std::vector<std::string_view> words_;
    int number_ = 0;
};

// A whole number within kMaxNumber either way; nothing else.
std::optional<long long> parseNumber(std::string_view word);

// The first N numbers after the keyword.
template <std::size_t N> std::array<long long, N> numbers(const Lines& in) {
    const auto& words = in.words();
    const std::string keyword(in.keyword());
    if (words.size() < N + 1)
        in.fail(keyword + " needs " + std::to_string(N) + (N == 1 ? " number" : " numbers"));
    std::array<long long, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto v = parseNumber(words[i + 1]);
        if (!v) in.fail(shown(words[i + 1]) + " in " + keyword + " is not a usable whole number");
        values[i] = *v;
    }
    return values;
}

void checkRange(const Lines& in, long long value, long long low, long long high,
                const std::string& what);

} // namespace ornadeck::bdf
