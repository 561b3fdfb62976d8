#include "core/about/Registry.h"

namespace folidex {

bool GetKeyValue(const Registry& registry, std::string_view root, std::string_view keyPath, std::string_view valueName,
                 std::string& text) {
  constexpr std::size_t kBufferSize = 1024;
  std::optional<std::string> value =
      registry.HasKey(root, keyPath) ? registry.Query(root, keyPath, valueName) : std::nullopt;
  if (!value || value->size() > kBufferSize) {
    text.clear();
    return false;
  }
  text = std::move(*value);
  return true;
}

}  // namespace folidex
