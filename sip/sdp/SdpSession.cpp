#include "sip/sdp/SdpSession.hpp"

#include <ctime>

#include "runtime/log/Log.hpp"
#include "sip/sdp/SdpText.hpp"

namespace vx {

namespace {

constexpr std::size_t kMinLines = 3;
constexpr std::size_t kOriginFields = 6;
constexpr std::size_t kTimeFields = 2;
constexpr std::size_t kMinRepeatFields = 2;
// Seconds from 1900 (the NTP epoch SDP times count from) to 1970.
constexpr std::uint32_t kNtpEpochOffset = 2208988800u;

std::uint32_t ntpNow() {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::time(nullptr)) + kNtpEpochOffset);
}

// The text after "x=".
std::string_view valueOf(std::string_view line) { return line.size() > 1 ? line.substr(2) : std::string_view(); }

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::string_view piece : detail::sdpSplit(text, '\n')) {
    if (piece.ends_with('\r')) piece.remove_suffix(1);
    lines.push_back(piece);
  }
  return lines;
}

}  // namespace

SdpSession::SdpSession() : sessionId_(ntpNow()), sessionVersion_(sessionId_) {
  times_.push_back({std::to_string(sessionId_), "0", {}});
}

bool SdpSession::decode(std::string_view text) { return decode(splitLines(text)); }

bool SdpSession::decode(const std::vector<std::string_view>& lines) {
  *this = SdpSession();
  times_.clear();
  valid_ = decodeLines(lines);
  return valid_;
}

void SdpSession::decodeOrigin(std::string_view value) {
  std::vector<std::string_view> fields = detail::sdpSplit(value, ' ');
  if (fields.size() < kOriginFields) {
    Log(kSdpLogChannel, LOG_ERROR, "Parameter count < 6: %.*s", static_cast<int>(value.size()), value.data());
    return;
  }
  if (fields[3] != "IN") {
    Log(kSdpLogChannel, LOG_ERROR, "Unknown network type %.*s", static_cast<int>(fields[3].size()), fields[3].data());
    return;
  }
  if (fields[4] != "IP4") {
    Log(kSdpLogChannel, LOG_ERROR, "Unknown address type %.*s", static_cast<int>(fields[4].size()), fields[4].data());
    return;
  }
  userName_ = std::string(fields[0]);
  sessionId_ = detail::sdpAtoi(fields[1]);
  sessionVersion_ = detail::sdpAtoi(fields[2]);
  address_ = std::string(fields[5]);
}

// Reads the "t" line at `index` and the "r" lines after it; returns the index of the next line.
std::size_t SdpSession::decodeTime(const std::vector<std::string_view>& lines, std::size_t index) {
  std::size_t next = index + 1;
  while (next < lines.size() && lines[next].starts_with('r')) ++next;
  std::vector<std::string_view> fields = detail::sdpSplit(valueOf(lines[index]), ' ');
  if (fields.size() != kTimeFields) return next;
  SdpTime time{std::string(fields[0]), std::string(fields[1]), {}};
  for (std::size_t i = index + 1; i < next; ++i) {
    std::vector<std::string_view> repeat = detail::sdpSplit(valueOf(lines[i]), ' ');
    if (repeat.size() < kMinRepeatFields) return next;  // the whole time description is dropped
    SdpRepeat r{std::string(repeat[0]), std::string(repeat[1]), {}};
    for (std::size_t k = 2; k < repeat.size(); ++k) r.offsets.emplace_back(repeat[k]);
    time.repeats.push_back(std::move(r));
  }
  times_.push_back(std::move(time));
  return next;
}

bool SdpSession::decodeLines(const std::vector<std::string_view>& lines) {
  if (lines.size() < kMinLines) {
    Log(kSdpLogChannel, LOG_ERROR, "SdpSession::decode () : too few lines %d", static_cast<int>(lines.size()));
    return false;
  }
  if (lines[0] != "v=0") {
    Log(kSdpLogChannel, LOG_ERROR, "SdpSession::decode () : did not find version");
    return false;
  }
  std::size_t i = 1;
  while (i < lines.size()) {
    std::string_view line = lines[i];
    std::string_view value = valueOf(line);
    char kind = line.empty() ? '\0' : line[0];
    if (kind == 't') {
      i = decodeTime(lines, i);
      continue;
    }
    if (kind == 'm') {
      std::size_t end = i + 1;
      while (end < lines.size() && !lines[end].starts_with('m')) ++end;
      std::vector<std::string_view> block(lines.begin() + static_cast<std::ptrdiff_t>(i),
                                          lines.begin() + static_cast<std::ptrdiff_t>(end));
      i = end;
      try {
        media_.push_back(SdpMedia::parse(block));
      } catch (const detail::SdpExceptionFailed&) {
        return false;
      } catch (...) {
        // A description that cannot be read is dropped; the next one may still be usable.
      }
      continue;
    }
    ++i;
    try {
      switch (kind) {
        case 'o':
          decodeOrigin(value);
          break;
        case 's':
          sessionName_ = std::string(value);
          break;
        case 'i':
          information_ = std::string(value);
          break;
        case 'u':
          uri_ = std::string(value);
          break;
        case 'e':
          emails_.emplace_back(value);
          break;
        case 'p':
          phones_.emplace_back(value);
          break;
        case 'c':
          try {
            connection_ = SdpConnection::parse(value);
          } catch (...) {
            return false;  // no usable session address
          }
          break;
        case 'z': {
          std::vector<std::string_view> fields = detail::sdpSplit(value, ' ');
          for (std::size_t k = 0; k < fields.size(); k += 2) {
            zones_.emplace_back(fields[k], k + 1 < fields.size() ? fields[k + 1] : std::string_view());
          }
          break;
        }
        case 'b':
          bandwidths_.push_back(SdpBandwidth::parse(value));
          break;
        case 'k':
          encryptkey_ = SdpEncryptkey::parse(value);
          break;
        case 'a':
          attributes_.parse(value);
          break;
        default:
          break;
      }
    } catch (...) {
      // A bad session-level "b", "k" or "a" line loses only itself.
    }
  }
  return true;
}

std::string SdpSession::encode() const {
  if (!valid_) return "";
  std::string out = "v=" + std::to_string(protocolVersion_) + "\r\n";
  out += "o=" + userName_ + " " + std::to_string(sessionId_) + " " + std::to_string(sessionVersion_) + " IN IP4 " +
         address_ + "\r\n";
  out += "s=" + sessionName_ + "\r\n";
  if (!information_.empty()) out += "i=" + information_ + "\r\n";
  if (!uri_.empty()) out += "u=" + uri_ + "\r\n";
  for (const std::string& e : emails_) out += "e=" + e + "\r\n";
  for (const std::string& p : phones_) out += "p=" + p + "\r\n";
  if (connection_) out += "c=" + connection_->encode() + "\r\n";
  for (const SdpBandwidth& b : bandwidths_) out += "b=" + b.encode() + "\r\n";
  for (const SdpTime& t : times_) {
    out += "t=" + t.start + " " + t.stop + "\r\n";
    for (const SdpRepeat& r : t.repeats) {
      out += "r=" + r.interval + " " + r.activeDuration;
      for (const std::string& offset : r.offsets) out += " " + offset;
      out += "\r\n";
    }
  }
  if (!zones_.empty()) {
    std::string line;
    for (const auto& [time, offset] : zones_) {
      line += (line.empty() ? "" : " ") + time;
      if (!offset.empty()) line += " " + offset;
    }
    out += "z=" + line + "\r\n";
  }
  if (encryptkey_) {
    std::string key = encryptkey_->encode();
    if (!key.empty()) out += "k=" + key + "\r\n";
  }
  out += attributes_.encode();
  for (const SdpMedia& m : media_) out += m.encode();
  return out;
}

}  // namespace vx
