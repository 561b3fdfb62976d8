#pragma once

#include <string>
#include <system_error>

namespace folidex {

// The system's description of an error number, the text strerror gives, but safe to ask
// for from several threads at once, as the folder walk and the page counters do.
inline std::string SystemErrorText(int error) { return std::generic_category().message(error); }

}  // namespace folidex
