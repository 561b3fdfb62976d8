#include "core/pdf/Crypto.h"

#include <openssl/evp.h>
#include <openssl/provider.h>

#include <climits>

#include "core/pdf/PdfReadFailure.h"

namespace folidex::pdf::crypto {
namespace {

constexpr std::size_t kAesBlock = 16;

void Check(bool succeeded) {
  if (!succeeded) throw PdfReadFailure::NotUnderstood;
}

// The algorithms, fetched once for the process from a library context that holds OpenSSL's
// default provider and its legacy one (for RC4). Fetched algorithms may be shared by threads.
class Algorithms {
 public:
  static const Algorithms& Get() {
    static const Algorithms algorithms;
    return algorithms;
  }

  const EVP_MD* Find(Digest digest) const { return digests_[static_cast<int>(digest)]; }
  const EVP_CIPHER* Find(Cipher cipher) const { return ciphers_[static_cast<int>(cipher)]; }

  ~Algorithms() {
    for (EVP_MD* digest : digests_) EVP_MD_free(digest);
    for (EVP_CIPHER* cipher : ciphers_) EVP_CIPHER_free(cipher);
    for (OSSL_PROVIDER* provider : providers_) {
      if (provider != nullptr) OSSL_PROVIDER_unload(provider);
    }
    OSSL_LIB_CTX_free(context_);
  }
  Algorithms(const Algorithms&) = delete;
  Algorithms& operator=(const Algorithms&) = delete;

 private:
  Algorithms() : context_(OSSL_LIB_CTX_new()) {
    providers_[0] = OSSL_PROVIDER_load(context_, "default");
    providers_[1] = OSSL_PROVIDER_load(context_, "legacy");
    const char* const digestNames[] = {"MD5", "SHA256", "SHA384", "SHA512"};
    const char* const cipherNames[] = {"RC4", "AES-128-CBC", "AES-256-CBC"};
    for (int i = 0; i < 4; ++i) digests_[i] = EVP_MD_fetch(context_, digestNames[i], nullptr);
    for (int i = 0; i < 3; ++i) ciphers_[i] = EVP_CIPHER_fetch(context_, cipherNames[i], nullptr);
  }

  OSSL_LIB_CTX* context_;
  OSSL_PROVIDER* providers_[2] = {nullptr, nullptr};
  EVP_MD* digests_[4] = {};
  EVP_CIPHER* ciphers_[3] = {};
};

const EVP_CIPHER* Find(Cipher cipher) {
  const EVP_CIPHER* found = Algorithms::Get().Find(cipher);
  Check(found != nullptr);
  return found;
}

int Size(std::string_view data) {
  Check(data.size() <= INT_MAX / 2);
  return static_cast<int>(data.size());
}

const unsigned char* Bytes(std::string_view data) { return reinterpret_cast<const unsigned char*>(data.data()); }

// Sets up `context` for `cipher` with `key` (of any length RC4 takes) and `iv`.
void Start(EVP_CIPHER_CTX* context, Cipher cipher, std::string_view key, std::string_view iv, bool encrypt) {
  Check(EVP_CipherInit_ex2(context, Find(cipher), nullptr, nullptr, encrypt ? 1 : 0, nullptr) == 1);
  if (cipher == Cipher::Rc4) Check(EVP_CIPHER_CTX_set_key_length(context, Size(key)) == 1);
  Check(static_cast<std::size_t>(EVP_CIPHER_CTX_get_key_length(context)) == key.size());
  Check(cipher == Cipher::Rc4 || iv.size() == kAesBlock);
  Check(EVP_CipherInit_ex2(context, nullptr, Bytes(key), cipher == Cipher::Rc4 ? nullptr : Bytes(iv), -1, nullptr) ==
        1);
}

// Runs `data` through the cipher of `context` and appends the result to `out`.
void Run(EVP_CIPHER_CTX* context, std::string_view data, std::string& out) {
  const std::size_t start = out.size();
  out.resize(start + data.size() + kAesBlock);
  int written = 0;
  Check(EVP_CipherUpdate(context, reinterpret_cast<unsigned char*>(out.data() + start), &written, Bytes(data),
                         Size(data)) == 1);
  out.resize(start + static_cast<std::size_t>(written));
}

struct ContextDeleter {
  void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using ContextPointer = std::unique_ptr<EVP_CIPHER_CTX, ContextDeleter>;

ContextPointer NewContext() {
  ContextPointer context(EVP_CIPHER_CTX_new());
  Check(context != nullptr);
  return context;
}

std::string RunOnce(Cipher cipher, std::string_view key, std::string_view iv, std::string_view data, bool encrypt) {
  const ContextPointer context = NewContext();
  Start(context.get(), cipher, key, iv, encrypt);
  Check(EVP_CIPHER_CTX_set_padding(context.get(), 0) == 1);
  std::string out;
  Run(context.get(), data, out);
  int written = 0;
  unsigned char rest[kAesBlock];
  Check(EVP_CipherFinal_ex(context.get(), rest, &written) == 1 && written == 0);
  return out;
}

}  // namespace

std::string Hash(Digest digest, std::string_view data) {
  unsigned char value[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  const EVP_MD* algorithm = Algorithms::Get().Find(digest);
  Check(algorithm != nullptr && EVP_Digest(data.data(), data.size(), value, &size, algorithm, nullptr) == 1);
  return std::string(reinterpret_cast<const char*>(value), size);
}

std::string Encrypt(Cipher cipher, std::string_view key, std::string_view iv, std::string_view data) {
  return RunOnce(cipher, key, iv, data, true);
}

std::string Decrypt(Cipher cipher, std::string_view key, std::string_view iv, std::string_view data) {
  return RunOnce(cipher, key, iv, data, false);
}

struct StreamDecryptor::Context {
  ContextPointer cipher = NewContext();
};

StreamDecryptor::StreamDecryptor(Cipher cipher, std::string key)
    : cipher_(cipher), key_(std::move(key)), context_(std::make_unique<Context>()) {}

StreamDecryptor::~StreamDecryptor() = default;

void StreamDecryptor::Update(std::string_view encrypted, std::string& out) {
  if (!started_ && cipher_ != Cipher::Rc4) {
    const std::size_t taken = std::min(kAesBlock - iv_.size(), encrypted.size());
    iv_ += encrypted.substr(0, taken);
    encrypted.remove_prefix(taken);
    if (iv_.size() < kAesBlock) return;
  }
  if (!started_) {
    Start(context_->cipher.get(), cipher_, key_, iv_, false);
    started_ = true;
  }
  Run(context_->cipher.get(), encrypted, out);
}

void StreamDecryptor::Finish(std::string& out) {
  if (!started_ || cipher_ == Cipher::Rc4) return;
  const std::size_t start = out.size();
  out.resize(start + kAesBlock);
  int written = 0;
  if (EVP_DecryptFinal_ex(context_->cipher.get(), reinterpret_cast<unsigned char*>(out.data() + start), &written) !=
      1) {
    written = 0;
  }
  out.resize(start + static_cast<std::size_t>(written));
}

}  // namespace folidex::pdf::crypto
