#include "sip/sdp/SdpMedia.hpp"

#include "runtime/log/Log.hpp"
#include "sip/sdp/SdpText.hpp"

namespace vx {

namespace {

constexpr std::size_t kMinMediaFields = 4;
// Ports a builder is warned about: below is reserved, above does not exist.
constexpr std::int32_t kMinUdpPort = 1024;
constexpr std::int32_t kMaxUdpPort = 65535;

struct MediaTypeName {
  SdpMediaType type;
  std::string_view name;
};
constexpr MediaTypeName kMediaTypes[] = {
    {SdpMediaType::Audio, "audio"}, {SdpMediaType::Video, "video"}, {SdpMediaType::Image, "image"}};

struct TransportName {
  SdpTransport type;
  std::string_view name;
};
constexpr TransportName kTransports[] = {
    {SdpTransport::RtpAvp, "RTP/AVP"}, {SdpTransport::Udp, "UDP"}, {SdpTransport::Udptl, "udptl"}};

template <typename Table, typename Enum>
Enum lookup(const Table& table, std::string_view name, Enum other) {
  for (const auto& entry : table) {
    if (entry.name == name) return entry.type;
  }
  return other;
}

// The line parsers raise typed errors; inside a media block any of them fails the block.
template <typename Parse>
void failing(Parse parse) {
  try {
    parse();
  } catch (...) {
    throw detail::SdpExceptionFailed();
  }
}

}  // namespace

void SdpMedia::setMediaType(SdpMediaType type) {
  mediaType_ = type;
  mediaTypeText_.clear();
  for (const MediaTypeName& m : kMediaTypes) {
    if (m.type == type) mediaTypeText_ = m.name;
  }
}

void SdpMedia::setPort(std::int32_t port) {
  if (port < kMinUdpPort || port > kMaxUdpPort) {
    Log(kSdpLogChannel, LOG_WARNING, "for UDP, port: %d should be within 1024 - 65535", port);
  }
  port_ = port;
}

void SdpMedia::setTransport(SdpTransport transport) {
  transport_ = transport;
  transportText_.clear();
  for (const TransportName& t : kTransports) {
    if (t.type == transport) transportText_ = t.name;
  }
  if (transportText_.empty()) {
    Log(kSdpLogChannel, LOG_WARNING, "Unknown transport type %d", static_cast<int>(transport));
  }
}

void SdpMedia::parseLine(std::string_view line) {
  if (line.empty()) {
    Log(kSdpLogChannel, LOG_TRACE, "Empty line");
    return;
  }
  std::string_view value = line.size() > 1 ? line.substr(2) : std::string_view();
  switch (line[0]) {
    case 'a':
      failing([&] { attributes_.parse(value); });
      return;
    case 'b':
      failing([&] { bandwidths_.push_back(SdpBandwidth::parse(value)); });
      return;
    case 'k':
      failing([&] { encryptkey_ = SdpEncryptkey::parse(value); });
      return;
    case 'c':
      failing([&] { connection_ = SdpConnection::parse(value); });
      return;
    case 'i':
      information_ = std::string(value);
      return;
    default:
      Log(kSdpLogChannel, LOG_ERROR, "Unknown field in the media portion %.*s", static_cast<int>(line.size()),
          line.data());
      throw detail::SdpExceptionUnknownField();
  }
}

SdpMedia SdpMedia::parse(const std::vector<std::string_view>& lines) {
  std::string_view mLine = lines.empty() ? std::string_view() : lines[0];
  std::vector<std::string_view> fields = detail::sdpSplit(mLine.size() > 1 ? mLine.substr(2) : "", ' ');
  if (fields.size() < kMinMediaFields) {
    Log(kSdpLogChannel, LOG_ERROR, "SdpMedia: m= size < 4");
    throw detail::SdpExceptionParamNumErr();
  }
  SdpMedia media;
  media.mediaTypeText_ = std::string(fields[0]);
  media.mediaType_ = lookup(kMediaTypes, fields[0], SdpMediaType::Other);
  std::vector<std::string_view> port = detail::sdpSplit(fields[1], '/');
  media.port_ = port.empty() ? 0 : detail::sdpStrtol(port[0]);
  media.numberOfPorts_ = port.size() > 1 ? detail::sdpAtoi(port[1]) : 0;
  media.transportText_ = std::string(fields[2]);
  media.transport_ = lookup(kTransports, fields[2], SdpTransport::Other);
  for (std::size_t i = 3; i < fields.size(); ++i) media.formats_.emplace_back(fields[i]);
  for (std::size_t i = 1; i < lines.size(); ++i) media.parseLine(lines[i]);
  return media;
}

bool SdpMedia::decode(const std::vector<std::string_view>& lines) {
  try {
    *this = parse(lines);
    return true;
  } catch (...) {
    return false;
  }
}

std::string SdpMedia::encode() const {
  std::string out = "m=" + mediaTypeText_ + " " + std::to_string(port_);
  if (numberOfPorts_ > 0) out += "/" + std::to_string(numberOfPorts_);
  out += " " + transportText_;
  for (const std::string& format : formats_) out += " " + format;
  out += "\r\n";
  if (!information_.empty()) out += "i=" + information_ + "\r\n";
  if (connection_) out += "c=" + connection_->encode() + "\r\n";
  for (const SdpBandwidth& b : bandwidths_) out += "b=" + b.encode() + "\r\n";
  if (encryptkey_) {
    std::string key = encryptkey_->encode();
    if (!key.empty()) out += "k=" + key + "\r\n";
  }
  return out + attributes_.encode();
}

}  // namespace vx
