#pragma once

#include "model/ItemsControl.h"

#include <string>

namespace ornadeck {

// One drop-down menu of the menu bar. Its Palm left and width are stored values; the window
// is as wide as the larger of the title box and the drop-down box.
class TCCMenu final : public ItemsControl {
  public:
    static constexpr int kRowHeight = 11;

    TCCMenu();

    int userLeft() const override { return userLeft_; }
    int userWidth() const override { return userWidth_; }

    int test() const { return test_; }
    // A non-zero value shows the menu open; zero leaves it visible with only its title.
    void setTest(int v);
    const std::string& topic() const { return topic_; }
    void setTopic(std::string v) { topic_ = std::move(v); }
    int topicWidth() const { return topicWidth_; }
    void setTopicWidth(int v);

  protected:
    void placeUserLeft(int v) override;
    void placeUserWidth(int v) override;
    void itemsChanged() override;
    void applyDrawnSize(const TextMetrics&) override;

  private:
    int test_ = 1;
    std::string topic_ = "Topic";
    int topicWidth_ = 31;
    int userLeft_ = 5;
    int userWidth_ = 32;
};

} // namespace ornadeck
