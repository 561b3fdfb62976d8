#include "core/pdf/StreamDecoder.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "core/pdf/StreamEnd.h"

namespace folidex::pdf {
namespace {

// Compressed data is read, and decoded data produced, this much at a time.
constexpr std::size_t kChunk = 16384;
// No stream the reader decodes has longer predictor rows; a longer one is not allocated.
constexpr std::int64_t kMaxRowSize = std::int64_t{1} << 20;

int Paeth(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left), toUp = std::abs(estimate - up), toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return left;
  return toUp <= toUpLeft ? up : upLeft;
}

// A single filter may be written as a name or as an array of one name; the same goes
// for its parameters.
const PdfObject& Single(const PdfObject& entry) {
  if (!entry.IsArray()) return entry;
  if (entry.items.size() > 1) throw Unsupported("chains of filters");
  if (!entry.references.empty()) throw Damaged();
  static const PdfObject kNull;
  return entry.items.empty() ? kNull : entry.items.front();
}

// Checks that "endstream" follows data of `length` bytes from `start`, unless the file
// ends inside that keyword.
void CheckStreamEnd(PdfFile& file, std::int64_t start, std::int64_t length) {
  if (start < 0 || length < 0 || length > file.Size() - start) throw Damaged();
  if (!EndOfEndstream(file, start + length)) throw Damaged();
}

}  // namespace

// Inflates raw deflate data once the zlib header has been checked, so that zlib skips the
// checksum at the end: computing it took a tenth of the time, and a count needs no more
// than the data the stream yields.
struct StreamDecoder::Inflater {
  z_stream stream{};
  std::string input;   // the compressed chunk being inflated, a copy: the file's cache moves on
  std::string header;  // the zlib header, while it is being read
  // Where a piece of the data is inflated before it is appended: a string would be filled
  // with zeros first, as far as the caller might want.
  std::unique_ptr<char[]> output = std::make_unique_for_overwrite<char[]>(kChunk);

  Inflater() {
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) throw Damaged();
  }
  ~Inflater() { inflateEnd(&stream); }
};

// Undoes the PNG predictors: each row starts with a byte naming its filter. A last,
// incomplete row is dropped. The rows are allocated only once the data holds one.
struct StreamDecoder::Predictor {
  std::size_t rowSize = 0;
  std::size_t step = 1;
  std::string raw;  // inflated data not yet unpredicted
  std::string previous;
  std::string row;

  explicit Predictor(const PdfObject& parameters) {
    const auto value = [&](std::string_view key, std::int64_t fallback) {
      const PdfObject& entry = parameters.Get(key);
      return entry.IsInteger() ? entry.number : fallback;
    };
    const std::int64_t columns = value("Columns", 1), colors = value("Colors", 1), bits = value("BitsPerComponent", 8);
    if (columns < 1 || colors < 1 || colors > 32 || (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16) ||
        columns > (std::int64_t{1} << 24)) {
      throw Damaged();
    }
    const std::int64_t bytes = (columns * colors * bits + 7) / 8;
    if (bytes > kMaxRowSize) throw TooLarge("predictor rows over 1 MiB");
    rowSize = static_cast<std::size_t>(bytes);
    step = static_cast<std::size_t>(std::max<std::int64_t>(1, colors * bits / 8));
  }

  // Appends every complete row of `raw` to `out`.
  void Unpredict(std::string& out) {
    std::size_t at = 0;
    for (; at + rowSize + 1 <= raw.size(); at += rowSize + 1) {
      if (previous.empty()) {
        previous.assign(rowSize, '\0');
        row.assign(rowSize, '\0');
      }
      UndoRow(static_cast<unsigned char>(raw[at]), reinterpret_cast<const unsigned char*>(raw.data() + at + 1));
      out += row;
      previous.swap(row);
    }
    raw.erase(0, at);
  }

  // One loop for each filter: cross-reference streams take the Up filter on every row.
  void UndoRow(int filter, const unsigned char* data) {
    auto* current = reinterpret_cast<unsigned char*>(row.data());
    const auto* above = reinterpret_cast<const unsigned char*>(previous.data());
    const auto undo = [&](auto predict) {
      for (std::size_t i = 0; i < rowSize; ++i) current[i] = static_cast<unsigned char>(data[i] + predict(i));
    };
    const auto left = [&](std::size_t i) { return i >= step ? current[i - step] : 0; };
    const auto upLeft = [&](std::size_t i) { return i >= step ? above[i - step] : 0; };
    switch (filter) {
      case 0:
        return undo([](std::size_t) { return 0; });
      case 1:
        return undo(left);
      case 2:
        return undo([&](std::size_t i) { return above[i]; });
      case 3:
        return undo([&](std::size_t i) { return (left(i) + above[i]) / 2; });
      case 4:
        return undo([&](std::size_t i) { return Paeth(left(i), above[i], upLeft(i)); });
      default:
        throw Damaged();
    }
  }
};

StreamDecoder::StreamDecoder(PdfFile& file, const IndirectObject& stream, std::int64_t length,
                             std::unique_ptr<crypto::StreamDecryptor> decryptor)
    : file_(file), inputAt_(stream.streamOffset), decryptor_(std::move(decryptor)) {
  const PdfObject& dictionary = stream.value;
  if (dictionary.Get("F").kind != PdfObject::Kind::Null) throw Unsupported("stream data in another file");
  CheckStreamEnd(file, stream.streamOffset, length);
  inputEnd_ = stream.streamOffset + length;  // within the file: checked just above
  const PdfObject& filter = Single(dictionary.Get("Filter"));
  if (filter.kind == PdfObject::Kind::Null) return;
  if (!filter.IsName("FlateDecode") && !filter.IsName("Fl")) {
    if (filter.kind == PdfObject::Kind::Name) throw Unsupported("the filter " + filter.text);
    throw Damaged();
  }

  const PdfObject& parameters = Single(dictionary.Get("DecodeParms"));
  if (parameters.kind != PdfObject::Kind::Null) {
    if (!parameters.IsDictionary()) throw Damaged();
    const PdfObject& predictor = parameters.Get("Predictor");
    if (predictor.kind != PdfObject::Kind::Null && !(predictor.IsInteger() && predictor.number == 1)) {
      if (predictor.IsInteger() && predictor.number == 2) throw Unsupported("the TIFF predictor");
      if (!predictor.IsInteger() || predictor.number < 10 || predictor.number > 15) throw Damaged();
      predictor_ = std::make_unique<Predictor>(parameters);
    }
  }

  inflater_ = std::make_unique<Inflater>();
}

StreamDecoder::~StreamDecoder() = default;

std::string_view StreamDecoder::NextInput(std::size_t most) {
  const auto readRaw = [this, most] {
    const std::string_view raw = file_.Read(inputAt_, std::min<std::int64_t>(most, inputEnd_ - inputAt_));
    inputAt_ += static_cast<std::int64_t>(raw.size());
    return raw;
  };
  if (!decryptor_) return readRaw();
  plain_.clear();
  while (plain_.empty() && !decrypted_) {
    if (inputAt_ == inputEnd_) {
      decryptor_->Finish(plain_);
      decrypted_ = true;
    } else {
      decryptor_->Update(readRaw(), plain_);
    }
  }
  return plain_;
}

bool StreamDecoder::InputLeft() const { return inputAt_ < inputEnd_ || (decryptor_ && !decrypted_); }

std::string_view StreamDecoder::TakeZlibHeader(std::string_view data) {
  std::string& header = inflater_->header;
  if (header.size() == 2) return data;
  const std::size_t taken = std::min(2 - header.size(), data.size());
  header += data.substr(0, taken);
  if (header.size() == 2) {
    const unsigned method = static_cast<unsigned char>(header[0]), flags = static_cast<unsigned char>(header[1]);
    const bool deflate = (method & 0x0F) == 8 && (method >> 4) <= 7;
    const bool presetDictionary = (flags & 0x20) != 0;
    if (!deflate || presetDictionary || (method * 256 + flags) % 31 != 0) throw Damaged();
  }
  return data.substr(taken);
}

void StreamDecoder::DecodeRaw(std::string& out, std::size_t room) {
  ReadBudget& budget = file_.Budget();
  if (!inflater_) {
    const std::string_view data = NextInput(room);
    budget.SpendInflated(static_cast<std::int64_t>(data.size()));
    out += data;
    ended_ = !InputLeft();
    return;
  }
  z_stream& stream = inflater_->stream;
  std::size_t produced = 0;
  while (produced < room) {
    if (stream.avail_in == 0 && InputLeft()) {
      const std::string_view chunk = NextInput(kChunk);
      budget.SpendWork(static_cast<std::int64_t>(chunk.size()));
      inflater_->input.assign(TakeZlibHeader(chunk));
      stream.next_in = reinterpret_cast<Bytef*>(inflater_->input.data());
      stream.avail_in = static_cast<uInt>(inflater_->input.size());
    }
    const std::size_t space = std::min(room - produced, kChunk);
    stream.next_out = reinterpret_cast<Bytef*>(inflater_->output.get());
    stream.avail_out = static_cast<uInt>(space);
    const int status = inflate(&stream, Z_NO_FLUSH);
    const std::size_t written = space - stream.avail_out;
    budget.SpendInflated(static_cast<std::int64_t>(written));
    out.append(inflater_->output.get(), written);
    produced += written;
    const bool inputLeft = stream.avail_in > 0 || InputLeft();
    // The data ended without the end of the compressed stream: keep what it held.
    if (status == Z_STREAM_END || (status == Z_BUF_ERROR && !inputLeft)) {
      ended_ = true;
      break;
    }
    if (status != Z_OK && status != Z_BUF_ERROR) throw Damaged();
  }
}

bool StreamDecoder::DecodeUntil(std::string& out, std::size_t wanted) {
  while (out.size() < wanted && !ended_) {
    const std::size_t room = wanted - out.size();
    if (!predictor_) {
      DecodeRaw(out, room);
    } else {
      DecodeRaw(predictor_->raw, room);
      predictor_->Unpredict(out);
    }
  }
  return !ended_;
}

void StreamDecoder::DecodeAll(std::string& out, std::size_t limit) {
  const auto checkLimit = [&out, limit] {
    if (out.size() > limit) throw TooLarge("cross-reference streams over 16 MiB decompressed");
  };
  while (DecodeUntil(out, out.size() + kChunk)) checkLimit();
  checkLimit();
}

}  // namespace folidex::pdf
