#pragma once

#include <functional>

namespace folidex::test {

// Root may write where nobody else may, so permission checks run in a child process with
// the rights of "nobody" when the tests run as root. Returns what `check` returned.
bool RunAsOrdinaryUser(const std::function<bool()>& check);

}  // namespace folidex::test
