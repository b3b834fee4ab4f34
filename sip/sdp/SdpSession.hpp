#pragma once
// A session description: the session-level lines and the media descriptions, decoded from
// SDP text and encoded in a fixed line order.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sip/sdp/SdpAttributes.hpp"
#include "sip/sdp/SdpBandwidth.hpp"
#include "sip/sdp/SdpConnection.hpp"
#include "sip/sdp/SdpEncryptkey.hpp"
#include "sip/sdp/SdpMedia.hpp"

namespace vx {

struct SdpRepeat {
  std::string interval;
  std::string activeDuration;
  std::vector<std::string> offsets;
};

struct SdpTime {
  std::string start;
  std::string stop;
  std::vector<SdpRepeat> repeats;
};

class SdpSession {
 public:
  // A new session: ids and start time from the clock, one time description, not yet valid.
  SdpSession();

  // Reads SDP text; lines may end in CRLF or LF. Nothing escapes as an exception.
  bool decode(std::string_view text);
  // Reads the lines of a description, without their line ends.
  bool decode(const std::vector<std::string_view>& lines);
  // The text, every line ending with CRLF; empty while the session is not valid.
  std::string encode() const;

  bool isValid() const { return valid_; }
  void setValid(bool valid) { valid_ = valid; }

  std::uint32_t getProtocolVersion() const { return protocolVersion_; }
  const std::string& getUserName() const { return userName_; }
  void setUserName(std::string name) { userName_ = std::move(name); }
  std::uint32_t getSessionId() const { return sessionId_; }
  void setSessionId(std::uint32_t id) { sessionId_ = id; }
  std::uint32_t getSessionVersion() const { return sessionVersion_; }
  void setSessionVersion(std::uint32_t version) { sessionVersion_ = version; }
  const std::string& getAddress() const { return address_; }
  void setAddress(std::string address) { address_ = std::move(address); }
  const std::string& getSessionName() const { return sessionName_; }
  void setSessionName(std::string name) { sessionName_ = std::move(name); }
  const std::string& getInformation() const { return information_; }
  void setInformation(std::string text) { information_ = std::move(text); }
  const std::string& getUri() const { return uri_; }
  void setUri(std::string uri) { uri_ = std::move(uri); }
  std::vector<std::string>& getEmails() { return emails_; }
  std::vector<std::string>& getPhones() { return phones_; }

  const std::optional<SdpConnection>& getConnection() const { return connection_; }
  void setConnection(std::optional<SdpConnection> connection) { connection_ = std::move(connection); }
  std::vector<SdpBandwidth>& getBandwidths() { return bandwidths_; }
  std::vector<SdpTime>& getTimes() { return times_; }
  const std::vector<SdpTime>& getTimes() const { return times_; }
  std::vector<std::pair<std::string, std::string>>& getZoneAdjustments() { return zones_; }
  const std::optional<SdpEncryptkey>& getEncryptkey() const { return encryptkey_; }
  void setEncryptkey(std::optional<SdpEncryptkey> key) { encryptkey_ = std::move(key); }
  SdpAttributes& getAttributes() { return attributes_; }
  const SdpAttributes& getAttributes() const { return attributes_; }

  std::vector<SdpMedia>& getMedia() { return media_; }
  const std::vector<SdpMedia>& getMedia() const { return media_; }
  void addMedia(SdpMedia media) { media_.push_back(std::move(media)); }
  void flushMedia() { media_.clear(); }

 private:
  bool decodeLines(const std::vector<std::string_view>& lines);
  void decodeOrigin(std::string_view value);
  std::size_t decodeTime(const std::vector<std::string_view>& lines, std::size_t index);

  bool valid_ = false;
  std::uint32_t protocolVersion_ = 0;
  std::string userName_ = "-";
  std::uint32_t sessionId_;
  std::uint32_t sessionVersion_;
  std::string address_ = "0.0.0.0";
  std::string sessionName_;
  std::string information_;
  std::string uri_;
  std::vector<std::string> emails_;
  std::vector<std::string> phones_;
  std::optional<SdpConnection> connection_;
  std::vector<SdpBandwidth> bandwidths_;
  std::vector<SdpTime> times_;
  std::vector<std::pair<std::string, std::string>> zones_;
  std::optional<SdpEncryptkey> encryptkey_;
  SdpAttributes attributes_;
  std::vector<SdpMedia> media_;
};

}  // namespace vx
