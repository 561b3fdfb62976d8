#include "core/pdf/StandardSecurity.h"

#include <algorithm>
#include <deque>
#include <mutex>
#include <optional>
#include <unordered_map>

#include "core/pdf/PdfReadFailure.h"

namespace folidex::pdf {
namespace {

using crypto::Cipher;
using crypto::Digest;

// The 32 bytes that pad a password, and so the whole of the empty password padded.
constexpr char kPadding[] =
    "\x28\xBF\x4E\x5E\x4E\x75\x8A\x41\x64\x00\x4E\x56\xFF\xFA\x01\x08"
    "\x2E\x2E\x00\xB6\xD0\x68\x3E\x80\x2F\x0C\xA9\xFE\x64\x53\x69\x7A";
constexpr std::string_view kEmptyPasswordPadded(kPadding, 32);

[[noreturn]] void Unreadable() { throw PdfReadFailure::NotUnderstood; }

// A string entry of at least `size` bytes, cut to that size.
std::string_view StringEntry(const PdfObject& dictionary, std::string_view key, std::size_t size) {
  const PdfObject& entry = dictionary.Get(key);
  if (!entry.IsString() || entry.text.size() < size) Unreadable();
  return std::string_view(entry.text).substr(0, size);
}

std::int64_t IntegerEntry(const PdfObject& dictionary, std::string_view key, std::int64_t fallback) {
  const PdfObject& entry = dictionary.Get(key);
  if (entry.kind == PdfObject::Kind::Null) return fallback;
  if (!entry.IsInteger()) Unreadable();
  return entry.number;
}

std::string LittleEndian(std::uint64_t value, int bytes) {
  std::string out;
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

// The file key of revisions 2 to 4, from the empty user password.
std::string RevisionFourKey(const PdfObject& encrypt, std::string_view fileId, std::int64_t revision,
                            std::size_t keyBytes) {
  std::string input(kEmptyPasswordPadded);
  input += StringEntry(encrypt, "O", 32);
  // /P is a signed 32-bit value, which some files write unsigned.
  input += LittleEndian(static_cast<std::uint32_t>(IntegerEntry(encrypt, "P", 0)), 4);
  input += fileId;
  const PdfObject& encryptMetadata = encrypt.Get("EncryptMetadata");
  if (revision >= 4 && encryptMetadata.kind == PdfObject::Kind::Boolean && encryptMetadata.number == 0) {
    input += "\xFF\xFF\xFF\xFF";
  }
  std::string key = crypto::Hash(Digest::Md5, input).substr(0, keyBytes);
  if (revision >= 3) {
    for (int round = 0; round < 50; ++round) key = crypto::Hash(Digest::Md5, key).substr(0, keyBytes);
  }
  return key;
}

// Whether `key` opens a file of revision 2 to 4 whose /U starts with `user`: its 32 bytes
// for revision 2, its first 16 for the later ones.
bool OpensRevisionFour(std::string_view key, std::string_view user, std::string_view fileId, std::int64_t revision) {
  if (revision == 2) return crypto::Encrypt(Cipher::Rc4, key, {}, kEmptyPasswordPadded) == user;
  std::string value = crypto::Encrypt(Cipher::Rc4, key, {},
                                      crypto::Hash(Digest::Md5, std::string(kEmptyPasswordPadded).append(fileId)));
  for (int round = 1; round <= 19; ++round) {
    std::string roundKey(key);
    for (char& c : roundKey) c = static_cast<char>(c ^ round);
    value = crypto::Encrypt(Cipher::Rc4, roundKey, {}, value);
  }
  return value == user;
}

// The hash of revision 6 (and plain SHA-256 for revision 5) of the empty password with
// `salt`, for the user (whose hash takes no user data).
std::string PasswordHash(std::int64_t revision, std::string_view salt) {
  std::string hash = crypto::Hash(Digest::Sha256, salt);
  if (revision == 5) return hash;
  for (int round = 1;; ++round) {
    std::string repeated;
    for (int i = 0; i < 64; ++i) repeated += hash;
    const std::string_view key(hash);
    const std::string encrypted = crypto::Encrypt(Cipher::Aes128Cbc, key.substr(0, 16), key.substr(16, 16), repeated);
    // The first 16 bytes as a number modulo 3: 256 is 1 modulo 3, so their sum will do.
    int sum = 0;
    for (int i = 0; i < 16; ++i) sum += static_cast<unsigned char>(encrypted[i]);
    static constexpr Digest kNext[] = {Digest::Sha256, Digest::Sha384, Digest::Sha512};
    hash = crypto::Hash(kNext[sum % 3], encrypted);
    if (round >= 64 && static_cast<unsigned char>(encrypted.back()) <= round - 32) break;
  }
  return hash.substr(0, 32);
}

// Whether `fileKey` decrypts /Perms to what it holds under the right key: the permissions
// of /P, then "adb" in bytes 9 to 11.
bool OpensPermissions(const PdfObject& encrypt, std::string_view fileKey) {
  const PdfObject& permissions = encrypt.Get("Perms");
  if (!permissions.IsString() || permissions.text.size() < 16) return false;
  const std::string plain = crypto::Decrypt(Cipher::Aes256Cbc, fileKey, std::string(16, '\0'),
                                            std::string_view(permissions.text).substr(0, 16));
  return plain.substr(9, 3) == "adb" &&
         plain.substr(0, 4) == LittleEndian(static_cast<std::uint32_t>(IntegerEntry(encrypt, "P", 0)), 4);
}

// The file key of revisions 5 and 6, from the empty user password. A key that opens /Perms
// is the key of the empty password (a wrong one would do so once in 2^56 tries): the check
// of the password itself, a second hash as slow as the first, is needed only where /Perms
// is damaged.
std::string RevisionSixKey(const PdfObject& encrypt, std::int64_t revision) {
  const std::string_view user = StringEntry(encrypt, "U", 48);
  const std::string intermediate = PasswordHash(revision, user.substr(40, 8));
  std::string fileKey =
      crypto::Decrypt(Cipher::Aes256Cbc, intermediate, std::string(16, '\0'), StringEntry(encrypt, "UE", 32));
  if (!OpensPermissions(encrypt, fileKey) && PasswordHash(revision, user.substr(32, 8)) != user.substr(0, 32)) {
    Unreadable();
  }
  return fileKey;
}

// Everything the file key is computed from, as one string: the entries of the encryption
// dictionary that take part, each with its kind and length, and the file identifier.
std::string KeyInputs(const PdfObject& encrypt, std::string_view fileId) {
  std::string inputs(fileId);
  for (const char* key : {"V", "R", "Length", "P", "EncryptMetadata", "StmF", "O", "U", "UE", "Perms"}) {
    const PdfObject& entry = encrypt.Get(key);
    const std::string value =
        entry.IsString() || entry.kind == PdfObject::Kind::Name ? entry.text : std::to_string(entry.number);
    inputs += std::to_string(static_cast<int>(entry.kind)) + ':' + std::to_string(value.size()) + ':' + value;
  }
  return inputs;
}

// The file keys of the documents opened last, by what each was computed from, so that the
// copies of one document (a form sent to many, a report filed in many folders) take the
// work of computing it once: up to a millisecond for revision 6. A document whose empty
// password opens nothing is remembered as such. Inputs longer than a real encryption
// dictionary's are not kept.
class RecentKeys {
 public:
  // The key computed from `inputs` by `compute`, which throws PdfReadFailure::NotUnderstood
  // when the empty password opens nothing.
  template <typename Compute>
  std::string Find(const std::string& inputs, Compute compute) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (const auto known = keys_.find(inputs); known != keys_.end()) {
        if (!known->second) Unreadable();
        return *known->second;
      }
    }
    std::optional<std::string> key;
    try {
      key = compute();
    } catch (const PdfReadFailure failure) {
      if (failure != PdfReadFailure::NotUnderstood) throw;
    }
    if (inputs.size() <= kLongestInputs) {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (keys_.emplace(inputs, key).second) order_.push_back(inputs);
      if (order_.size() > kKept) {
        keys_.erase(order_.front());
        order_.pop_front();
      }
    }
    if (!key) Unreadable();
    return *key;
  }

 private:
  static constexpr std::size_t kKept = 4096;
  static constexpr std::size_t kLongestInputs = 1024;
  std::mutex mutex_;
  std::unordered_map<std::string, std::optional<std::string>> keys_;
  std::deque<std::string> order_;  // oldest first
};

RecentKeys& KnownKeys() {
  static RecentKeys keys;
  return keys;
}

}  // namespace

StandardSecurity::StandardSecurity(const PdfObject& encrypt, std::string_view fileId) {
  if (!encrypt.IsDictionary() || !encrypt.Get("Filter").IsName("Standard")) Unreadable();
  const std::int64_t version = IntegerEntry(encrypt, "V", 0);
  const std::int64_t revision = IntegerEntry(encrypt, "R", 0);

  // Version 4 and 5 name a crypt filter for streams; the older ones use RC4 throughout.
  streams_ = Method::Rc4;
  if (version == 4 || version == 5) {
    const PdfObject& filterName = encrypt.Get("StmF");
    if (filterName.kind == PdfObject::Kind::Null || filterName.IsName("Identity")) {
      streams_ = Method::Identity;
    } else {
      if (filterName.kind != PdfObject::Kind::Name) Unreadable();
      const PdfObject& method = encrypt.Get("CF").Get(filterName.text).Get("CFM");
      if (method.IsName("V2")) {
        streams_ = Method::Rc4;
      } else if (method.IsName("AESV2")) {
        streams_ = Method::Aes128;
      } else if (method.IsName("AESV3")) {
        streams_ = Method::Aes256;
      } else {
        Unreadable();  // /None (the application decrypts) or a method this reader does not know
      }
    }
  } else if (version != 1 && version != 2) {
    Unreadable();
  }
  // Nothing to decrypt needs no key: the password is not checked either.
  if (streams_ == Method::Identity) return;

  if (version == 5) {
    if ((revision != 5 && revision != 6) || streams_ != Method::Aes256) Unreadable();
    fileKey_ = KnownKeys().Find(KeyInputs(encrypt, fileId), [&] { return RevisionSixKey(encrypt, revision); });
    return;
  }
  if (revision < 2 || revision > 4 || streams_ == Method::Aes256) Unreadable();
  const std::int64_t bits = version == 1 ? 40 : IntegerEntry(encrypt, "Length", version == 4 ? 128 : 40);
  if (bits < 40 || bits > 128 || bits % 8 != 0 || (streams_ == Method::Aes128 && bits != 128)) Unreadable();
  fileKey_ = KnownKeys().Find(KeyInputs(encrypt, fileId), [&] {
    std::string key = RevisionFourKey(encrypt, fileId, revision, static_cast<std::size_t>(bits / 8));
    if (!OpensRevisionFour(key, StringEntry(encrypt, "U", revision == 2 ? 32 : 16), fileId, revision)) Unreadable();
    return key;
  });
}

std::unique_ptr<crypto::StreamDecryptor> StandardSecurity::ForStream(std::int64_t number,
                                                                     std::int64_t generation) const {
  switch (streams_) {
    case Method::Identity:
      return nullptr;
    case Method::Aes256:
      return std::make_unique<crypto::StreamDecryptor>(Cipher::Aes256Cbc, fileKey_);
    case Method::Rc4:
    case Method::Aes128:
      break;
  }
  std::string input = fileKey_ + LittleEndian(static_cast<std::uint64_t>(number), 3) +
                      LittleEndian(static_cast<std::uint64_t>(generation), 2);
  if (streams_ == Method::Aes128) input += "sAlT";
  std::string key = crypto::Hash(Digest::Md5, input).substr(0, std::min<std::size_t>(fileKey_.size() + 5, 16));
  return std::make_unique<crypto::StreamDecryptor>(streams_ == Method::Rc4 ? Cipher::Rc4 : Cipher::Aes128Cbc,
                                                   std::move(key));
}

}  // namespace folidex::pdf
