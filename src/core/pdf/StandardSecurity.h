#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/pdf/Crypto.h"
#include "core/pdf/PdfObject.h"

namespace folidex::pdf {

// The standard security handler of an encrypted document, opened with the empty user
// password, as most "protected" files can be: revisions 2 to 6, RC4 of 40 to 128 bits,
// AES-128 and AES-256, with crypt filters (/CF, /StmF) and /EncryptMetadata. The reader
// decrypts only streams: what it reads of strings (the encryption dictionary's own, the
// /ID) is never encrypted.
class StandardSecurity {
 public:
  // `encrypt` is the encryption dictionary, `fileId` the first string of the trailer's /ID
  // (empty without one). Throws PdfReadFailure::NotUnderstood for another handler, a
  // revision or crypt filter it does not know, or a user password that is not empty.
  StandardSecurity(const PdfObject& encrypt, std::string_view fileId);

  // What decrypts the data of the stream in object `number generation`; null when streams
  // are not encrypted (the /Identity crypt filter).
  std::unique_ptr<crypto::StreamDecryptor> ForStream(std::int64_t number, std::int64_t generation) const;

 private:
  enum class Method { Identity, Rc4, Aes128, Aes256 };

  Method streams_ = Method::Identity;
  std::string fileKey_;
};

}  // namespace folidex::pdf
