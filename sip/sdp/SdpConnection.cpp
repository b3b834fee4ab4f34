#include "sip/sdp/SdpConnection.hpp"

#include "runtime/log/Log.hpp"
#include "sip/sdp/SdpText.hpp"

namespace vx {

namespace {
constexpr std::uint32_t kMaxTtl = 255;
}

SdpConnection SdpConnection::parse(std::string_view value) {
  std::vector<std::string_view> parts = detail::sdpSplit(value, '/');
  if (parts.empty()) {
    Log(kSdpLogChannel, LOG_ERROR, "SdpConnection: parameter count < 1 on connection list");
    throw detail::SdpExceptionParamNumErr();
  }
  std::vector<std::string_view> fields = detail::sdpSplit(parts[0], ' ');
  if (fields.empty() || fields[0] != "IN") {
    Log(kSdpLogChannel, LOG_ERROR, "addressSpec: {%.*s}", static_cast<int>(parts[0].size()), parts[0].data());
    Log(kSdpLogChannel, LOG_ERROR, "SdpConnection: unknown transport type");
    throw detail::SdpExceptionUnknownNetType();
  }
  if (fields.size() < 2 || fields[1] != "IP4") {
    Log(kSdpLogChannel, LOG_ERROR, "SdpConnection: unknown address type");
    throw detail::SdpExceptionUnknownAddrType();
  }
  if (fields.size() < 3) {
    Log(kSdpLogChannel, LOG_ERROR, "SdpConnection: parameter count < 1 on connection list");
    throw detail::SdpExceptionParamNumErr();
  }
  SdpConnection connection;
  if (parts.size() == 1) {
    connection.address_ = std::string(fields[2]);
    return connection;
  }
  SdpMulticast multicast;
  multicast.address = std::string(fields[2]);
  std::uint32_t ttl = detail::sdpAtoi(parts[1]);
  if (ttl <= kMaxTtl) {
    multicast.ttl = ttl;
  } else {
    Log(kSdpLogChannel, LOG_ERROR, "ttl out of range");
  }
  if (parts.size() > 2) multicast.numberOfAddresses = detail::sdpAtoi(parts[2]);
  connection.multicast_ = std::move(multicast);
  return connection;
}

bool SdpConnection::decode(std::string_view value) {
  try {
    *this = parse(value);
    return true;
  } catch (...) {
    return false;
  }
}

std::string SdpConnection::encode() const {
  std::string out = "IN IP4 ";
  if (!multicast_) return out + address_;
  out += multicast_->address;
  if (!multicast_->ttl) return out;
  out += "/" + std::to_string(*multicast_->ttl);
  // The count has its place only after a TTL; without one it would be read back as the TTL.
  if (multicast_->numberOfAddresses) out += "/" + std::to_string(*multicast_->numberOfAddresses);
  return out;
}

}  // namespace vx
