#pragma once

namespace folidex {

// Looks the system-information program up on the search path (PATH) and starts it as a
// program of its own. False when none was found or it could not be started.
bool StartSystemInformation();

}  // namespace folidex
