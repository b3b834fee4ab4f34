#pragma once
// A "b=" line: modifier AS or CT and a value in kilobits per second.
#include <cstdint>
#include <string>
#include <string_view>

namespace vx {

enum class SdpBandwidthModifier { AS = 0, CT = 1 };

class SdpBandwidth {
 public:
  SdpBandwidth() = default;
  SdpBandwidth(SdpBandwidthModifier modifier, std::uint32_t value) : modifier_(modifier), value_(value) {}

  // Reads the value after "b="; false (and unchanged) for another modifier or a bad form.
  bool decode(std::string_view value);
  std::string encode() const;

  SdpBandwidthModifier getModifier() const { return modifier_; }
  std::uint32_t getValue() const { return value_; }

  static SdpBandwidth parse(std::string_view value);  // throws the detail SDP errors

 private:
  SdpBandwidthModifier modifier_ = SdpBandwidthModifier::AS;
  std::uint32_t value_ = 0;
};

}  // namespace vx
