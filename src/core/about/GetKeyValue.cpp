#include "core/about/Registry.h"

namespace folidex {

bool GetKeyValue(const Registry& registry, std::string_view root, std::string_view keyPath, std::string_view valueName,
                 std::string& text) {
  constexpr std::size_t kBufferSize = 1024;
  const std::optional<RegistryValue> value =
      registry.HasKey(root, keyPath) ? registry.Query(root, keyPath, valueName) : std::nullopt;
  if (!value || value->data.size() > kBufferSize) {
    text.clear();
    return false;
  }
  std::string_view data = value->data;
  if (!data.empty() && data.back() == '\0') data.remove_suffix(1);

  if (value->type == kRegistryString) {
    text = std::string{data};
  } else if (value->type == kRegistryNumber) {
    std::uint32_t number = 0;
    for (std::size_t i = std::min<std::size_t>(value->data.size(), 4); i-- > 0;) {
      number = (number << 8) | static_cast<unsigned char>(value->data[i]);
    }
    text = std::to_string(number);
  }
  return true;
}

}  // namespace folidex
