#pragma once

#include <string>
#include <string_view>

namespace folidex::cli {

// The bytes in base64 (RFC 4648, with padding).
std::string Base64(std::string_view bytes);

}  // namespace folidex::cli
