#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace folidex::pdf::crypto {

// The hashes and ciphers that encrypted PDF files use, from OpenSSL's libcrypto. RC4 comes
// from OpenSSL's legacy provider, loaded into a library context of the reader's own, so
// that the rest of the process keeps OpenSSL's defaults. Every failure of OpenSSL throws
// PdfReadFailure::NotUnderstood.

enum class Digest { Md5, Sha256, Sha384, Sha512 };
enum class Cipher { Rc4, Aes128Cbc, Aes256Cbc };

std::string Hash(Digest digest, std::string_view data);

// Encrypts or decrypts `data` in one go, without padding: AES data must be whole blocks.
// `iv` is ignored by RC4.
std::string Encrypt(Cipher cipher, std::string_view key, std::string_view iv, std::string_view data);
std::string Decrypt(Cipher cipher, std::string_view key, std::string_view iv, std::string_view data);

// Decrypts the data of one stream as it is read, a piece at a time. AES data starts with
// its initialization vector and ends with padding, which is removed; a last block whose
// padding is damaged, or that is cut short, is dropped.
class StreamDecryptor {
 public:
  StreamDecryptor(Cipher cipher, std::string key);
  ~StreamDecryptor();
  StreamDecryptor(const StreamDecryptor&) = delete;
  StreamDecryptor& operator=(const StreamDecryptor&) = delete;

  // Appends the plain text of the next piece of `encrypted` data to `out`.
  void Update(std::string_view encrypted, std::string& out);
  // Appends what the cipher held back for the end of the data.
  void Finish(std::string& out);

 private:
  struct Context;

  Cipher cipher_;
  std::string key_;
  std::string iv_;  // AES: the vector, while it is being read
  std::unique_ptr<Context> context_;
  bool started_ = false;
};

}  // namespace folidex::pdf::crypto
