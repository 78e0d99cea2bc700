#pragma once

#include "model/IniFile.h"
#include "model/Status.h"

#include <condition_variable>
#include <filesystem>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace ornadeck {

// Reads files as IniFile::load does, in order, on a thread of their own, while the caller
// takes them one by one in the same order: a project's form files are read and parsed
// while the forms before them are being built.
class IniReadAhead {
  public:
    explicit IniReadAhead(std::vector<std::filesystem::path> paths);
    ~IniReadAhead();
    IniReadAhead(const IniReadAhead&) = delete;
    IniReadAhead& operator=(const IniReadAhead&) = delete;

    // The next file's contents and how reading it went, once it is read.
    Status next(IniFile& into);
    // Takes a file back from the caller, to be freed on the reading thread.
    void giveBack(IniFile&& used);

  private:
    struct Read {
        Status status;
        IniFile ini;
    };
    void readAll();

    std::vector<std::filesystem::path> paths_;
    std::vector<std::promise<Read>> promises_;
    std::vector<std::future<Read>> futures_;
    // A few files ahead of the caller at most, so a big project is never held all at once.
    static constexpr std::size_t kAhead = 2;
    std::mutex mutex_;
    std::condition_variable taken_changed_;
    std::size_t taken_ = 0;
    std::vector<IniFile> spent_; // given back, not yet freed
    bool stop_ = false;          // the caller went away: read no more
    std::thread worker_;         // not started when the system has no thread to give
};

} // namespace ornadeck
