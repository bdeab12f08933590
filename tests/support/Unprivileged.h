#pragma once
// Running a piece of a test as a user without special rights: root (as the tests run
// in CI) ignores file permissions, so "no permission" can only be seen as another user.

#include <functional>
#include <sys/types.h>

namespace velmora::testing {

inline constexpr uid_t kNobody = 65534;
inline constexpr gid_t kNoGroup = 65534;

// Runs `work` as user `user` (in a child process when we are root) and returns what it
// returns (0 to 254), or -1 when no user switch is possible here.
int RunAsUnprivilegedUser(const std::function<int()>& work, uid_t user = kNobody,
                          gid_t group = kNoGroup);

} // namespace velmora::testing
