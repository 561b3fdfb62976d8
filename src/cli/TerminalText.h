#pragma once

#include <string>
#include <string_view>

namespace folidex::cli {

// A name as it may be shown on a terminal: control characters, which a terminal would
// obey (move the cursor, clear the screen, set the window title), and bytes that are not
// UTF-8 are written as escapes: \t, \n, \r, \xHH for the other control characters and
// stray bytes, \u00HH for the C1 controls; a backslash is doubled so that nothing reads
// as an escape that is not one.
std::string TerminalText(std::string_view text);

}  // namespace folidex::cli
