#include "core/pdf/StreamDecoder.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace folidex::pdf {
namespace {

// Inflates zlib data. The two-byte header is checked here and the rest inflated raw, so
// that zlib skips the checksum at the end: computing it over every byte took a tenth of
// the time, and a count needs no more than the data the stream yields.
std::string Inflate(std::string_view data, ReadBudget& budget) {
  if (data.size() > UINT_MAX) throw PdfReadFailure::NotUnderstood;
  if (data.size() < 2) return {};  // cut short before any data
  const unsigned method = static_cast<unsigned char>(data[0]), flags = static_cast<unsigned char>(data[1]);
  const bool deflate = (method & 0x0F) == 8 && (method >> 4) <= 7;
  const bool presetDictionary = (flags & 0x20) != 0;
  if (!deflate || presetDictionary || (method * 256 + flags) % 31 != 0) throw PdfReadFailure::NotUnderstood;
  data.remove_prefix(2);

  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw PdfReadFailure::NotUnderstood;
  struct End {
    z_stream& stream;
    ~End() { inflateEnd(&stream); }
  } end{stream};

  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  // Inflates straight into the result, which grows fourfold each time it fills up, never
  // beyond the budget.
  const auto roomLeft = [&budget] { return static_cast<std::size_t>(budget.InflatedLeft()) + 1; };
  std::string out(std::min(std::max<std::size_t>(4 * data.size(), 4096), roomLeft()), '\0');
  std::size_t produced = 0;
  for (;;) {
    if (produced == out.size()) out.resize(produced + std::min(3 * out.size(), roomLeft()));
    const std::size_t room = std::min<std::size_t>(out.size() - produced, UINT_MAX);
    stream.next_out = reinterpret_cast<Bytef*>(out.data() + produced);
    stream.avail_out = static_cast<uInt>(room);
    const int status = inflate(&stream, Z_NO_FLUSH);
    const std::size_t written = room - stream.avail_out;
    budget.SpendInflated(static_cast<std::int64_t>(written));
    produced += written;
    if (status == Z_STREAM_END) break;
    // The data ended without the end of the compressed stream: keep what it held.
    if (status == Z_BUF_ERROR) break;
    if (status != Z_OK) throw PdfReadFailure::NotUnderstood;
  }
  out.resize(produced);
  return out;
}

int Paeth(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left), toUp = std::abs(estimate - up), toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return left;
  return toUp <= toUpLeft ? up : upLeft;
}

// Undoes the PNG predictors: each row starts with a byte naming its filter. A last,
// incomplete row is dropped.
std::string UndoPngPredictor(std::string_view data, const PdfObject& parameters) {
  const auto value = [&](std::string_view key, std::int64_t fallback) {
    const PdfObject& entry = parameters.Get(key);
    return entry.IsInteger() ? entry.number : fallback;
  };
  const std::int64_t columns = value("Columns", 1), colors = value("Colors", 1), bits = value("BitsPerComponent", 8);
  if (columns < 1 || colors < 1 || colors > 32 || (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16) ||
      columns > (std::int64_t{1} << 24)) {
    throw PdfReadFailure::NotUnderstood;
  }
  const std::size_t rowSize = static_cast<std::size_t>((columns * colors * bits + 7) / 8);
  const std::size_t step = static_cast<std::size_t>(std::max<std::int64_t>(1, colors * bits / 8));
  std::string out;
  out.reserve(data.size());
  std::string previous(rowSize, '\0');
  std::string row(rowSize, '\0');
  for (std::size_t at = 0; at + rowSize + 1 <= data.size(); at += rowSize + 1) {
    const int filter = static_cast<unsigned char>(data[at]);
    for (std::size_t i = 0; i < rowSize; ++i) {
      const int raw = static_cast<unsigned char>(data[at + 1 + i]);
      const int left = i >= step ? static_cast<unsigned char>(row[i - step]) : 0;
      const int up = static_cast<unsigned char>(previous[i]);
      const int upLeft = i >= step ? static_cast<unsigned char>(previous[i - step]) : 0;
      int predicted = 0;
      switch (filter) {
        case 0:
          predicted = 0;
          break;
        case 1:
          predicted = left;
          break;
        case 2:
          predicted = up;
          break;
        case 3:
          predicted = (left + up) / 2;
          break;
        case 4:
          predicted = Paeth(left, up, upLeft);
          break;
        default:
          throw PdfReadFailure::NotUnderstood;
      }
      row[i] = static_cast<char>((raw + predicted) & 0xFF);
    }
    out += row;
    previous.swap(row);
  }
  return out;
}

// A single filter may be written as a name or as an array of one name; the same goes
// for its parameters.
const PdfObject& Single(const PdfObject& entry) {
  if (!entry.IsArray()) return entry;
  if (entry.items.size() > 1) throw PdfReadFailure::NotUnderstood;
  static const PdfObject kNull;
  return entry.items.empty() ? kNull : entry.items.front();
}

}  // namespace

std::string DecodeStream(const PdfObject& stream, std::string_view data, ReadBudget& budget) {
  if (stream.Get("F").kind != PdfObject::Kind::Null) throw PdfReadFailure::NotUnderstood;  // external data
  const PdfObject& filter = Single(stream.Get("Filter"));
  if (filter.kind == PdfObject::Kind::Null) {
    budget.SpendInflated(static_cast<std::int64_t>(data.size()));
    return std::string(data);
  }
  if (!filter.IsName("FlateDecode") && !filter.IsName("Fl")) throw PdfReadFailure::NotUnderstood;
  std::string decoded = Inflate(data, budget);

  const PdfObject& parameters = Single(stream.Get("DecodeParms"));
  if (parameters.kind == PdfObject::Kind::Null) return decoded;
  if (!parameters.IsDictionary()) throw PdfReadFailure::NotUnderstood;
  const PdfObject& predictor = parameters.Get("Predictor");
  if (predictor.kind == PdfObject::Kind::Null || (predictor.IsInteger() && predictor.number == 1)) return decoded;
  if (!predictor.IsInteger() || predictor.number < 10 || predictor.number > 15) throw PdfReadFailure::NotUnderstood;
  return UndoPngPredictor(decoded, parameters);
}

}  // namespace folidex::pdf
