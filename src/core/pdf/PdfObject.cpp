#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

const PdfObject& PdfObject::Get(std::string_view key) const {
  static const PdfObject kNull;
  if (kind != Kind::Dictionary) return kNull;
  for (std::size_t i = keys.size(); i-- > 0;) {
    if (keys[i] == key) return items[i];
  }
  return kNull;
}

}  // namespace folidex::pdf
