#include "sip/message/SipHeader.hpp"

#include <atomic>

namespace vx {
namespace {
// Constant-initialised: the catalogue is in place before any code of the process runs.
std::atomic<SipHeaderFactory> gFactory{&parseSipHeader};
}  // namespace

Data SipRawValueHeader::encode() const {
  if (headerInfo(type_).combinedLine) return value_;
  if (value_.empty()) return Data();
  Data line;
  line.reserve(name_.length() + value_.length() + 4);
  line.append(name_.view()).append(": ").append(value_.view()).append("\r\n");
  return line;
}

bool SipRawValueHeader::areEqual(const SipHeader& other) const {
  auto* raw = dynamic_cast<const SipRawValueHeader*>(&other);
  return raw && raw->type_ == type_ && Data::equalsNoCase(raw->name_.view(), name_.view()) && raw->value_ == value_;
}

void setSipHeaderFactory(SipHeaderFactory factory) { gFactory.store(factory ? factory : &parseSipHeader); }

Sptr<SipHeader> makeSipHeader(SipHeaderType type, const Data& name, const Data& value) {
  Sptr<SipHeader> parsed = gFactory.load()(type, value);
  if (parsed) return parsed;
  return makeSptr<SipRawValueHeader>(type, name, value);
}

}  // namespace vx
