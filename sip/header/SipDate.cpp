#include "sip/header/SipDate.hpp"

#include <cstdio>

#include "runtime/log/Log.hpp"
#include "sip/header/HeaderText.hpp"
#include "sip/url/BaseUrl.hpp"

namespace vx {
namespace {

constexpr std::string_view kWeekdays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr std::string_view kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::string_view kZones[] = {"UT", "GMT", "CST", "CDT", "EST", "EDT", "PST", "PDT", "MST", "MDT"};

// Limits of the numeric parts, inclusive.
constexpr int kMaxDay = 31;
constexpr int kMinYear = 1000;
constexpr int kMaxYear = 9999;
constexpr int kMaxHours = 23;
constexpr int kMaxMinutes = 59;
constexpr int kMaxSeconds = 60;  // a leap second
constexpr std::size_t kMaxNumberDigits = 4;

template <std::size_t N>
int indexOf(const std::string_view (&names)[N], std::string_view name) {
  for (std::size_t i = 0; i < N; ++i) {
    if (Data::equalsNoCase(names[i], name)) return static_cast<int>(i);
  }
  return -1;
}

// A number of one to four digits within [low, high], or -1.
int readNumber(std::string_view text, int low, int high) {
  if (text.empty() || text.size() > kMaxNumberDigits) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value >= low && value <= high ? value : -1;
}

// Cuts the next word off the text: words are separated by blanks, tabs and commas.
std::string_view nextWord(std::string_view& text) {
  std::size_t start = text.find_first_not_of(" \t,");
  if (start == std::string_view::npos) {
    text = {};
    return {};
  }
  text.remove_prefix(start);
  std::size_t end = text.find_first_of(" \t,");
  std::string_view word = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end);
  return word;
}

bool fail(const char* message) {
  detail::logParseError(message);
  return false;
}

}  // namespace

SipDateValue::SipDateValue(std::string_view text) {
  if (!decode(text)) detail::logParseError("Failed to Decode in ParseDate of Date :(");
}

bool SipDateValue::decode(std::string_view text) {
  if ((weekday_ = indexOf(kWeekdays, nextWord(text))) < 0) return fail("Failed to Decode in setWeekday of Date :(");
  if ((day_ = readNumber(nextWord(text), 1, kMaxDay)) < 0) return fail("Failed to Decode in setDay of Date :(");
  if ((month_ = indexOf(kMonths, nextWord(text))) < 0) return fail("Failed to Decode in setMonth of Date :(");
  if ((year_ = readNumber(nextWord(text), kMinYear, kMaxYear)) < 0) return fail("Failed to Decode in setYear of Date :(");
  std::string_view time = nextWord(text);
  std::size_t first = time.find(':');
  std::size_t second = first == std::string_view::npos ? first : time.find(':', first + 1);
  if (second == std::string_view::npos) return fail("Failed to Decode in setTime of Date :(");
  if ((hours_ = readNumber(time.substr(0, first), 0, kMaxHours)) < 0 ||
      (minutes_ = readNumber(time.substr(first + 1, second - first - 1), 0, kMaxMinutes)) < 0 ||
      (seconds_ = readNumber(time.substr(second + 1), 0, kMaxSeconds)) < 0) {
    return fail("Failed to Decode in setTime of Date :(");
  }
  std::string_view zone = nextWord(text);
  int zoneIndex = indexOf(kZones, zone);
  if (zoneIndex < 0) return fail("Failed to Decode in setZone of Date :(");
  zone_ = Data(kZones[zoneIndex]);
  return true;
}

bool SipDateValue::isComplete() const {
  return weekday_ >= 0 && day_ >= 0 && month_ >= 0 && year_ >= 0 && hours_ >= 0 && minutes_ >= 0 && seconds_ >= 0 &&
         !zone_.empty();
}

Data SipDateValue::encode() const {
  if (!isComplete()) return Data();
  char text[64];
  int n = std::snprintf(text, sizeof text, "%.*s, %02d %.*s %04d %02d:%02d:%02d %s",
                        static_cast<int>(kWeekdays[weekday_].size()), kWeekdays[weekday_].data(), day_,
                        static_cast<int>(kMonths[month_].size()), kMonths[month_].data(), year_, hours_, minutes_,
                        seconds_, zone_.text());
  return Data(text, static_cast<std::size_t>(n));
}

Data SipDate::encode() const {
  Data date = date_.encode();
  if (date.empty()) return Data();
  Data out = detail::startLine(kType, date.length());
  out += date;
  return detail::endLine(kType, out);
}

bool SipDate::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipDate*>(&other);
  return that && that->date_ == date_;
}

SipHeaderFields SipDate::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "date", date_.encode());
  return fields;
}

SipExpires::SipExpires(const Data& text) {
  std::string_view value = detail::trimLws(text.view());
  if (value.empty()) return;
  std::size_t comma = value.find(',');
  if (comma == 0) {
    detail::logParseError("Failed to Decode in EXPIRE scanSipExpire :( ");
  } else if (comma != std::string_view::npos) {
    date_ = SipDateValue(value);
    isDate_ = true;
  } else {
    delta_ = Data(value);
    isDelta_ = true;
  }
}

bool SipExpires::setDelta(const Data& delta) {
  if (!detail::acceptApiValue(delta.view(), "Expires")) return false;
  delta_ = delta;
  isDelta_ = true;
  isDate_ = false;
  return true;
}

void SipExpires::setDate(const SipDateValue& date) {
  date_ = date;
  isDate_ = true;
  isDelta_ = false;
}

Data SipExpires::encode() const {
  Data value = isDate_ ? date_.encode() : isDelta_ ? delta_ : Data();
  if (value.empty()) return Data();
  Data out = detail::startLine(kType, value.length());
  out += value;
  return detail::endLine(kType, out);
}

bool SipExpires::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipExpires*>(&other);
  return that && that->isDelta_ == isDelta_ && that->isDate_ == isDate_ && that->delta_ == delta_ &&
         that->date_ == date_;
}

SipHeaderFields SipExpires::getFields() const {
  SipHeaderFields fields;
  if (isDelta_) detail::addField(fields, "delta", delta_);
  if (isDate_) detail::addField(fields, "date", date_.encode());
  return fields;
}

SipRetryAfter::SipRetryAfter(const Data& text) {
  std::string_view value = text.view();
  std::size_t semi = detail::findUnquoted(value, ';');
  if (semi != std::string_view::npos) params_.decode(value.substr(semi + 1), ';');
  value = value.substr(0, semi);
  std::size_t open = value.find('(');
  if (open != std::string_view::npos) {
    std::size_t close = value.rfind(')');
    if (close == std::string_view::npos || close < open) {
      detail::logParseError("Failed to Decode in Retry-After: the comment is not closed");
      close = value.size();
    }
    comment_ = Data(value.substr(open + 1, close - open - 1));
    value = value.substr(0, open);
  }
  delta_ = Data(detail::trimLws(value));
}

bool SipRetryAfter::setDelta(const Data& delta) {
  if (!detail::acceptApiValue(delta.view(), "Retry-After")) return false;
  delta_ = delta;
  return true;
}

bool SipRetryAfter::setComment(const Data& comment) {
  if (!detail::acceptApiValue(comment.view(), "Retry-After comment")) return false;
  comment_ = comment;
  return true;
}

Data SipRetryAfter::encode() const {
  if (delta_.empty()) return Data();
  Data out = detail::startLine(kType, delta_.length() + comment_.length() + 32);
  out += delta_;
  if (!comment_.empty()) out.append(" (").append(comment_.view()).append(")");
  if (!params_.empty()) {
    out += ';';
    params_.encodeTo(out, ";");
  }
  return detail::endLine(kType, out);
}

bool SipRetryAfter::areEqual(const SipHeader& other) const {
  auto* that = dynamic_cast<const SipRetryAfter*>(&other);
  return that && that->delta_ == delta_ && that->comment_ == comment_ && that->params_ == params_;
}

SipHeaderFields SipRetryAfter::getFields() const {
  SipHeaderFields fields;
  detail::addField(fields, "delta", delta_);
  detail::addField(fields, "comment", comment_);
  detail::addParamFields(fields, params_);
  return fields;
}

}  // namespace vx
