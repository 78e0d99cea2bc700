#pragma once

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace ornadeck::test {

// A fresh folder for one test, removed with everything in it afterwards (write permission
// given back first, for tests that take it away).
class TempDir {
  public:
    TempDir() {
        std::random_device seed;
        std::mt19937 random(seed());
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto candidate = std::filesystem::temp_directory_path() /
                                   ("ornadeck-test-" + std::to_string(random()));
            std::error_code ec;
            if (std::filesystem::create_directory(candidate, ec)) path_ = candidate;
        }
        if (path_.empty()) ADD_FAILURE() << "cannot make a temporary folder";
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

} // namespace ornadeck::test
