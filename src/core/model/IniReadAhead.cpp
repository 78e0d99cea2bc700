#include "model/IniReadAhead.h"

#include <system_error>

namespace ornadeck {

IniReadAhead::IniReadAhead(std::vector<std::filesystem::path> paths)
    : paths_(std::move(paths)), promises_(paths_.size()) {
    futures_.reserve(paths_.size());
    for (auto& promise : promises_)
        futures_.push_back(promise.get_future());
    try {
        worker_ = std::thread([this] { readAll(); });
    } catch (const std::system_error&) {
        // Each file is then read when it is asked for.
    }
}

IniReadAhead::~IniReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    taken_changed_.notify_one();
    if (worker_.joinable()) worker_.join();
}

void IniReadAhead::readAll() {
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        bool stopped = false, due = false;
        while (!due) {
            std::vector<IniFile> spent; // freed outside the lock
            std::unique_lock lock(mutex_);
            taken_changed_.wait(lock,
                                [&] { return stop_ || i < taken_ + kAhead || !spent_.empty(); });
            spent.swap(spent_);
            stopped = stop_;
            due = stopped || i < taken_ + kAhead;
            lock.unlock();
        }
        try {
            Read read;
            if (!stopped) read.status = read.ini.load(paths_[i]);
            promises_[i].set_value(std::move(read));
        } catch (...) {
            promises_[i].set_exception(std::current_exception());
        }
    }
}

void IniReadAhead::giveBack(IniFile&& used) {
    if (!worker_.joinable()) return; // freed by the caller as it goes
    {
        const std::lock_guard lock(mutex_);
        spent_.push_back(std::move(used));
    }
    taken_changed_.notify_one();
}

Status IniReadAhead::next(IniFile& into) {
    std::size_t i = 0;
    {
        const std::lock_guard lock(mutex_);
        i = taken_++;
    }
    taken_changed_.notify_one();
    if (!worker_.joinable()) return into.load(paths_.at(i));
    Read read = futures_.at(i).get();
    into = std::move(read.ini);
    return read.status;
}

} // namespace ornadeck
