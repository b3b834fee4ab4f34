#pragma once
// A "c=" line: IN IP4 and an address, or for multicast an address with TTL and count.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

struct SdpMulticast {
  std::string address;
  std::optional<std::uint32_t> ttl;  // absent when the text gave none in 0-255
  std::optional<std::uint32_t> numberOfAddresses;
};

class SdpConnection {
 public:
  SdpConnection() = default;
  explicit SdpConnection(std::string address) : address_(std::move(address)) {}

  // Reads the value after "c="; false (and unchanged) when it is not an IN IP4 connection.
  bool decode(std::string_view value);
  // The value after "c=", without the line end.
  std::string encode() const;

  const std::string& getAddress() const { return multicast_ ? multicast_->address : address_; }
  void setAddress(std::string address) { address_ = std::move(address); }
  bool isMulticast() const { return multicast_.has_value(); }
  const std::optional<SdpMulticast>& getMulticast() const { return multicast_; }
  void setMulticast(std::optional<SdpMulticast> multicast) { multicast_ = std::move(multicast); }

  static SdpConnection parse(std::string_view value);  // throws the detail SDP errors

 private:
  std::string address_;
  std::optional<SdpMulticast> multicast_;
};

}  // namespace vx
