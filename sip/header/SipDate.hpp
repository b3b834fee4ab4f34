#pragma once
// Dates (RFC 1123 form, "Sat, 13 Nov 2010 23:29:00 GMT") and the headers that carry one:
// Date, Expires (seconds or a date) and Retry-After (seconds or a date, a comment, parameters).
#include <string_view>

#include "sip/data/Data.hpp"
#include "sip/header/SipParameterList.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipDateValue {
 public:
  SipDateValue() = default;
  // Logs what it cannot read and keeps the parts read before.
  explicit SipDateValue(std::string_view text);

  // All eight parts are set.
  bool isComplete() const;
  // "Www, dd Mmm yyyy hh:mm:ss ZZZ", or empty text when a part is missing.
  Data encode() const;
  bool operator==(const SipDateValue& other) const = default;

  // Weekday 0-6 from Monday, month 0-11 from January; -1 when not set.
  int getWeekday() const { return weekday_; }
  int getDay() const { return day_; }
  int getMonth() const { return month_; }
  int getYear() const { return year_; }
  int getHours() const { return hours_; }
  int getMinutes() const { return minutes_; }
  int getSeconds() const { return seconds_; }
  const Data& getZone() const { return zone_; }

 private:
  bool decode(std::string_view text);

  int weekday_ = -1;
  int day_ = -1;
  int month_ = -1;
  int year_ = -1;
  int hours_ = -1;
  int minutes_ = -1;
  int seconds_ = -1;
  Data zone_;
};

class SipDate final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_DATE_HDR;
  SipDate() = default;
  explicit SipDate(const Data& text) : date_(text.view()) {}

  const SipDateValue& getDate() const { return date_; }
  void setDate(const SipDateValue& date) { date_ = date; }

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipDate>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  SipDateValue date_;
};

// Seconds, or a date when the value holds a comma.
class SipExpires final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_EXPIRES_HDR;
  SipExpires() = default;
  explicit SipExpires(const Data& text);

  bool isDelta() const { return isDelta_; }
  bool isDate() const { return isDate_; }
  const Data& getDelta() const { return delta_; }
  // Refuses text holding CR, LF or NUL.
  bool setDelta(const Data& delta);
  const SipDateValue& getDate() const { return date_; }
  void setDate(const SipDateValue& date);

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipExpires>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data delta_;
  SipDateValue date_;
  bool isDelta_ = false;
  bool isDate_ = false;
};

class SipRetryAfter final : public SipHeader {
 public:
  static constexpr SipHeaderType kType = SIP_RETRY_AFTER_HDR;
  SipRetryAfter() = default;
  explicit SipRetryAfter(const Data& text);

  // The seconds, or the date text when the value is a date.
  const Data& getDelta() const { return delta_; }
  bool setDelta(const Data& delta);
  const Data& getComment() const { return comment_; }
  bool setComment(const Data& comment);
  Data getDuration() const { return params_.getValue("duration"); }
  bool setDuration(const Data& duration) { return params_.setValue("duration", duration.view()); }
  const SipParameterList& getParams() const { return params_; }

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipRetryAfter>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  Data delta_;
  Data comment_;
  SipParameterList params_{';'};
};

}  // namespace vx
