#pragma once
// A "k=" line: the key method and the key.
#include <string>
#include <string_view>

namespace vx {

enum class SdpEncryptMethod { Unknown = 0, Clear = 1, Base64 = 2, Uri = 3, Prompt = 4 };

class SdpEncryptkey {
 public:
  SdpEncryptkey() = default;
  SdpEncryptkey(SdpEncryptMethod method, std::string key) : method_(method), key_(std::move(key)) {}

  // Reads the value after "k="; false (and unchanged) for an unknown method or a bad form.
  bool decode(std::string_view value);
  // The value after "k="; empty for an unknown method.
  std::string encode() const;

  SdpEncryptMethod getMethod() const { return method_; }
  const std::string& getKey() const { return key_; }

  static SdpEncryptkey parse(std::string_view value);  // throws the detail SDP errors

 private:
  SdpEncryptMethod method_ = SdpEncryptMethod::Prompt;
  std::string key_;
};

}  // namespace vx
