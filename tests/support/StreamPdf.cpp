#include "support/StreamPdf.h"

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace folidex::test {
namespace {

std::string StreamObject(int number, const std::string& dictionary, const std::string& data) {
  return std::to_string(number) + " 0 obj\n<< " + dictionary + " /Length " + std::to_string(data.size()) +
         " >>\nstream\n" + data + "\nendstream\nendobj\n";
}

// One row of a cross-reference stream with W [1 4 2].
std::string Row(int type, long long second, int third) {
  const unsigned char row[7] = {static_cast<unsigned char>(type),         static_cast<unsigned char>(second >> 24),
                                static_cast<unsigned char>(second >> 16), static_cast<unsigned char>(second >> 8),
                                static_cast<unsigned char>(second),       static_cast<unsigned char>(third >> 8),
                                static_cast<unsigned char>(third)};
  return std::string(reinterpret_cast<const char*>(row), sizeof row);
}

// The heads of an object stream: each object's number and its offset after them.
std::string Heads(const std::map<int, std::string>& packed) {
  std::string heads;
  std::size_t offset = 0;
  for (const auto& [number, body] : packed) {
    heads += std::to_string(number) + " " + std::to_string(offset) + " ";
    offset += body.size() + 1;
  }
  return heads;
}

}  // namespace

std::string StreamPdf::PackedData() const {
  std::string data = Heads(packed);
  for (const auto& entry : packed) data += entry.second + "\n";
  return data;
}

std::string StreamPdf::Build(int rootNumber) const {
  const int last = std::max(loose.empty() ? 0 : loose.rbegin()->first, packed.empty() ? 0 : packed.rbegin()->first);
  const int objectStream = last + 1;
  const int xrefStream = last + 2;
  std::vector<long long> offsets(xrefStream + 1, -1);

  std::string out = "%PDF-1.7\n%\xE2\xE3\xCF\xD3\n";
  for (const auto& [number, body] : loose) {
    offsets[number] = static_cast<long long>(out.size());
    out += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
  }
  offsets[objectStream] = static_cast<long long>(out.size());
  const std::string objectStreamDictionary = "/Type /ObjStm /N " + std::to_string(packed.size()) + " /First " +
                                             std::to_string(Heads(packed).size()) + " " + objectStreamExtra;
  out += objectStreamFlate.empty()
             ? StreamObject(objectStream, objectStreamDictionary, PackedData())
             : StreamObject(objectStream, objectStreamDictionary + " /Filter /FlateDecode", objectStreamFlate);

  std::string rows;
  int index = 0;
  for (int number = 0; number <= xrefStream; ++number) {
    if (packed.count(number)) {
      rows += Row(2, objectStream, index++);
    } else if (number == xrefStream) {
      rows += Row(1, static_cast<long long>(out.size()), 0);
    } else {
      rows += offsets[number] >= 0 ? Row(1, offsets[number], 0) : Row(0, 0, 0);
    }
  }
  const long long xrefOffset = static_cast<long long>(out.size());
  const std::string size = std::to_string(xrefStream + 1);
  const std::string root = " /Root " + std::to_string(rootNumber) + " 0 R";
  const std::string xrefDictionary = "/Type /XRef /Size " + size + " /W [1 4 2]" + root + " " + xrefStreamExtra;
  out += xrefStreamFlate.empty() ? StreamObject(xrefStream, xrefDictionary, rows)
                                 : StreamObject(xrefStream, xrefDictionary + " /Filter /FlateDecode", xrefStreamFlate);
  if (!hybrid) return out + "startxref\n" + std::to_string(xrefOffset) + "\n%%EOF\n";

  const long long tableOffset = static_cast<long long>(out.size());
  out += "xref\n0 " + size + "\n";
  for (int number = 0; number <= xrefStream; ++number) {
    const long long offset = number == xrefStream ? xrefOffset : offsets[number];
    char entry[40];
    std::snprintf(entry, sizeof entry, "%010lld 00000 %c\r\n", offset < 0 ? 0 : offset, offset < 0 ? 'f' : 'n');
    out += entry;
  }
  return out + "trailer\n<< /Size " + size + root + " /XRefStm " + std::to_string(xrefOffset) + " >>\nstartxref\n" +
         std::to_string(tableOffset) + "\n%%EOF\n";
}

std::map<int, std::string> SmallTree(int pages, const std::string& count) {
  std::map<int, std::string> objects{{1, "<< /Type /Catalog /Pages 2 0 R >>"}};
  std::string kids;
  for (int i = 0; i < pages; ++i) {
    objects[3 + i] = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] >>";
    kids += std::to_string(3 + i) + " 0 R ";
  }
  objects[2] = "<< /Type /Pages /Kids [" + kids + "] /Count " + (count.empty() ? std::to_string(pages) : count) + " >>";
  return objects;
}

StreamPdf PackedTree(int pages, const std::set<int>& packed) {
  StreamPdf pdf;
  for (const auto& [number, body] : SmallTree(pages)) (packed.count(number) ? pdf.packed : pdf.loose)[number] = body;
  return pdf;
}

std::string Deflated(const std::string& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string out(size, '\0');
  compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
           static_cast<uLong>(data.size()));
  out.resize(size);
  return out;
}

std::string DeflatedZeros(std::size_t size, const std::string& prefix) {
  z_stream stream{};
  deflateInit(&stream, Z_BEST_COMPRESSION);
  const std::vector<unsigned char> zeros(1 << 20, 0);
  std::string out;
  std::vector<unsigned char> chunk(1 << 16);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(prefix.data()));
  stream.avail_in = static_cast<uInt>(prefix.size());
  while (stream.avail_in > 0) {
    stream.next_out = chunk.data();
    stream.avail_out = static_cast<uInt>(chunk.size());
    deflate(&stream, Z_NO_FLUSH);
    out.append(reinterpret_cast<const char*>(chunk.data()), chunk.size() - stream.avail_out);
  }
  for (std::size_t left = size;;) {
    const std::size_t part = std::min(left, zeros.size());
    left -= part;
    stream.next_in = const_cast<unsigned char*>(zeros.data());
    stream.avail_in = static_cast<uInt>(part);
    const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
    int status = Z_OK;
    do {
      stream.next_out = chunk.data();
      stream.avail_out = static_cast<uInt>(chunk.size());
      status = deflate(&stream, flush);
      out.append(reinterpret_cast<const char*>(chunk.data()), chunk.size() - stream.avail_out);
    } while (stream.avail_out == 0);
    if (left == 0 && status == Z_STREAM_END) break;
  }
  deflateEnd(&stream);
  return out;
}

}  // namespace folidex::test
