#pragma once

#include <string>
#include <utility>

namespace ornadeck {

// Outcome of an operation that can fail with a message meant for the user.
class [[nodiscard]] Status {
  public:
    Status() = default;
    static Status fail(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

  private:
    explicit Status(std::string message) : message_(std::move(message)), failed_(true) {}

    std::string message_;
    bool failed_ = false;
};

} // namespace ornadeck
