#pragma once

namespace ornadeck {

// Text alignment of labels, edits and select boxes.
enum class Alignment { Left, Right, Center };

// Frame and line colour code of outlined controls: 0 white, 1 black, 2 gray (dotted).
enum LineCode { kLineWhite = 0, kLineBlack = 1, kLineGray = 2 };

} // namespace ornadeck
