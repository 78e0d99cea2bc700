#pragma once

#include "cclib/TextLineControl.h"

#include <string>

namespace ornadeck {

// A text entry: the Edit kind with Tag 0, the EditLine kind with Tag 1.
class TCCEdit final : public TextLineControl {
  public:
    static constexpr int kEditLineTag = 1;

    TCCEdit() : TextLineControl(ClassId::CCEdit, kLineGray, kUnderlined) {}

    bool isEditLine() const { return tag() != 0; }
    const std::string& topic() const { return topic_; }
    void setTopic(std::string v) { topic_ = std::move(v); }

  private:
    std::string topic_;
};

} // namespace ornadeck
