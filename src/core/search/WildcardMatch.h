#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace folidex {

// Splits a filter text into name patterns: "*.*" gives none; otherwise the text is
// split at every ";" or, without one, at every ","; pieces are kept as they are,
// empty ones included.
std::vector<std::string> SplitFilterPatterns(std::string_view filterText);

// MS-DOS style wildcard match of a whole file name: "*" any run of characters, "?" one
// character, letters compared without regard to case. Blanks leading a pattern are
// ignored, "*.*" matches every name, an empty pattern matches nothing.
bool MatchesPattern(std::string_view name, std::string_view pattern);

bool MatchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns);

}  // namespace folidex
