#pragma once
// The "a=" lines of a session or a media description: the direction flags and the value
// attributes (name:value), in the order received.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {

class SdpAttributes {
 public:
  struct ValueAttribute {
    std::string name;
    std::string value;
  };

  // Reads the value after "a="; false for an empty attribute.
  bool decode(std::string_view value);
  // One "a=" line per attribute, each ending with CRLF.
  std::string encode() const;

  bool isRecvonly() const { return recvonly_; }
  bool isSendonly() const { return sendonly_; }
  bool isSendrecv() const { return sendrecv_; }
  bool isInactive() const { return inactive_; }
  void setRecvonly(bool on) { recvonly_ = on; }
  void setSendonly(bool on) { sendonly_ = on; }
  void setSendrecv(bool on) { sendrecv_ = on; }
  void setInactive(bool on) { inactive_ = on; }

  const std::vector<ValueAttribute>& getValueAttributes() const { return values_; }
  void addValueAttribute(std::string name, std::string value) {
    values_.push_back({std::move(name), std::move(value)});
  }
  void removeValueAttribute(std::string_view name);
  void flushValueAttributes() { values_.clear(); }

  void parse(std::string_view value);  // throws the detail SDP errors

 private:
  bool recvonly_ = false;
  bool sendonly_ = false;
  bool sendrecv_ = false;
  bool inactive_ = false;
  std::vector<ValueAttribute> values_;
};

}  // namespace vx
