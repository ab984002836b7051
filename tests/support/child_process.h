#pragma once
// Forked copies of the test process, for what one process cannot show alone: a player without
// root's rights, a program killed midway, two copies of a program at once.
#include <functional>
#include <sys/types.h>

namespace testing_support {

// Starts `body` in a forked copy of the test process. The child leaves with the code that `body`
// returns (99 for an escaped exception) and never runs the parent's clean-ups.
pid_t startChild(const std::function<int()>& body);
// Waits for the child to end: its exit code, or -1 when a signal ended it.
int waitChild(pid_t child);
// Whether the child has ended; then `code` holds what waitChild would return.
bool childEnded(pid_t child, int& code);
// Waits for the child to end, at most `seconds`: its exit code, or kStillRunning when it had not
// ended by then and was killed.
constexpr int kStillRunning = -2;
int waitChildWithin(pid_t child, int seconds);
// In a child: gives up root's rights for those of the unprivileged user, so that permission bits
// bind it as they bind a player. Does nothing for a child that is not root; false when it fails.
bool dropRoot();

}  // namespace testing_support
