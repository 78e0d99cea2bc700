#pragma once

namespace ornadeck::app::test {

// app_tests started with this switch is the program that the killed-program test kills: it
// makes an edit, says "edited" and where it placed a button once the edit is kept for recovery, and
// waits.
inline constexpr char kKilledChildSwitch[] = "--edit-and-wait-to-be-killed";
// Where that child keeps its recovery files: its parent's folder.
inline constexpr char kKilledChildStateHome[] = "ORNADECK_TEST_STATE_HOME";

int editAndWaitToBeKilled();

} // namespace ornadeck::app::test
