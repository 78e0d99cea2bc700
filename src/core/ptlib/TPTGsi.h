#pragma once

#include "ptlib/UnframedControl.h"

namespace ornadeck {

// The graffiti shift indicator: a small arrow of fixed size that no resize can change.
class TPTGsi final : public UnframedControl {
  public:
    static constexpr int kWidth = 8;
    static constexpr int kHeight = 9;

    TPTGsi();

  protected:
    void applyDrawnSize(const TextMetrics&) override;
};

} // namespace ornadeck
