#pragma once
// One media description: the "m=" line and the lines up to the next "m=".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sip/sdp/SdpBandwidth.hpp"
#include "sip/sdp/SdpConnection.hpp"
#include "sip/sdp/SdpEncryptkey.hpp"
#include "sip/sdp/SdpMediaAttributes.hpp"

namespace vx {

enum class SdpMediaType { Other = 0, Audio = 1, Video = 2, Image = 3 };
enum class SdpTransport { Other = 0, RtpAvp = 1, Udp = 2, Udptl = 3 };

class SdpMedia {
 public:
  SdpMedia() = default;

  // Reads the lines of one media description (without line ends), the "m=" line first.
  // False when the description is not usable.
  bool decode(const std::vector<std::string_view>& lines);
  // The lines of the description, each ending with CRLF.
  std::string encode() const;

  SdpMediaType getMediaType() const { return mediaType_; }
  // The type as written: a type outside the known ones keeps its text.
  const std::string& getMediaTypeText() const { return mediaTypeText_; }
  void setMediaType(SdpMediaType type);
  std::int32_t getPort() const { return port_; }
  void setPort(std::int32_t port);
  std::uint32_t getNumberOfPorts() const { return numberOfPorts_; }
  void setNumberOfPorts(std::uint32_t count) { numberOfPorts_ = count; }
  SdpTransport getTransport() const { return transport_; }
  const std::string& getTransportText() const { return transportText_; }
  void setTransport(SdpTransport transport);

  const std::vector<std::string>& getFormats() const { return formats_; }
  void addFormat(std::string format) { formats_.push_back(std::move(format)); }
  void flushFormats() { formats_.clear(); }
  const std::string& getInformation() const { return information_; }
  void setInformation(std::string text) { information_ = std::move(text); }
  const std::optional<SdpConnection>& getConnection() const { return connection_; }
  void setConnection(std::optional<SdpConnection> connection) { connection_ = std::move(connection); }
  const std::vector<SdpBandwidth>& getBandwidths() const { return bandwidths_; }
  void addBandwidth(SdpBandwidth bandwidth) { bandwidths_.push_back(bandwidth); }
  void flushBandwidths() { bandwidths_.clear(); }
  const std::optional<SdpEncryptkey>& getEncryptkey() const { return encryptkey_; }
  void setEncryptkey(std::optional<SdpEncryptkey> key) { encryptkey_ = std::move(key); }
  SdpMediaAttributes& getAttributes() { return attributes_; }
  const SdpMediaAttributes& getAttributes() const { return attributes_; }

  // Throws the detail SDP errors; a bad "a", "b", "k" or "c" line as SdpExceptionFailed.
  static SdpMedia parse(const std::vector<std::string_view>& lines);

 private:
  void parseLine(std::string_view line);

  SdpMediaType mediaType_ = SdpMediaType::Audio;
  std::string mediaTypeText_ = "audio";
  std::int32_t port_ = 0;
  std::uint32_t numberOfPorts_ = 0;
  SdpTransport transport_ = SdpTransport::RtpAvp;
  std::string transportText_ = "RTP/AVP";
  std::vector<std::string> formats_;
  std::string information_;
  std::optional<SdpConnection> connection_;
  std::vector<SdpBandwidth> bandwidths_;
  std::optional<SdpEncryptkey> encryptkey_;
  SdpMediaAttributes attributes_;
};

}  // namespace vx
