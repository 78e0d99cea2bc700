#pragma once

#include "ptlib/UnframedControl.h"

#include <string>

namespace ornadeck {

// A text field. Underline and Editable hold the library's attribute bits as they are
// passed on, so 0 means underlined and editable.
class TPTEdit final : public UnframedControl {
  public:
    TPTEdit();

    const std::string& text() const { return text_; }
    void setText(std::string v) { assign(text_, std::move(v)); }
    int justification() const { return justification_; }
    void setJustification(int v) { assign(justification_, v); }
    int singleLine() const { return singleLine_; }
    void setSingleLine(int v) { assign(singleLine_, v); }
    int underline() const { return underline_; }
    void setUnderline(int v) { assign(underline_, v); }
    int numbersOnly() const { return numbersOnly_; }
    void setNumbersOnly(int v) { numbersOnly_ = v; }
    int editable() const { return editable_; }
    void setEditable(int v) { editable_ = v; }
    int maxChars() const { return maxChars_; }
    void setMaxChars(int v) { maxChars_ = v; }

  private:
    std::string text_ = "Edit";
    int justification_ = 0;
    int singleLine_ = 0;
    int underline_ = 0;
    int numbersOnly_ = 0;
    int editable_ = 0;
    int maxChars_ = 0;
};

} // namespace ornadeck
