#include "core/pdf/PdfObject.h"

namespace folidex::pdf {
namespace {

// The index of the last entry named `key`, or the number of entries when there is none.
std::size_t Find(const PdfObject& dictionary, std::string_view key) {
  if (dictionary.kind != PdfObject::Kind::Dictionary) return dictionary.keys.size();
  for (std::size_t i = dictionary.keys.size(); i-- > 0;) {
    if (dictionary.keys[i] == key) return i;
  }
  return dictionary.keys.size();
}

}  // namespace

const PdfObject& PdfObject::Get(std::string_view key) const {
  static const PdfObject kNull;
  const std::size_t at = Find(*this, key);
  return at < keys.size() ? items[at] : kNull;
}

std::optional<double> PdfObject::Number() const {
  if (kind == Kind::Integer) return static_cast<double>(number);
  if (kind == Kind::Real) return real;
  return std::nullopt;
}

PdfObject PdfObject::Take(std::string_view key) {
  const std::size_t at = Find(*this, key);
  return at < keys.size() ? std::move(items[at]) : PdfObject{};
}

PdfObject PdfObject::Unpack(std::uint64_t packed) {
  PdfObject reference;
  reference.kind = Kind::Reference;
  reference.number = static_cast<std::int64_t>(packed >> 24);
  reference.generation = static_cast<std::int64_t>(packed & kMaxGeneration);
  return reference;
}

}  // namespace folidex::pdf
