#pragma once
// SipRawHeader: one received header value as text, parsed on first read; and the container
// of one ordered chain per header type.
#include <array>
#include <vector>

#include "sip/data/Data.hpp"
#include "sip/data/Sptr.hpp"
#include "sip/message/SipHeader.hpp"
#include "sip/message/SipHeaderType.hpp"

namespace vx {

struct SipRawHeader {
  Data headerName;          // lower-cased
  Data receivedName;        // as received
  Data value;
  SipHeaderType type = SIP_UNKNOWN_HDR;
  Sptr<SipHeader> header;   // the parsed header, null until first read
};

// Chains are vectors, so a long chain is neither freed recursively nor walked to append.
class SipRawHeaderContainer {
 public:
  using Chain = std::vector<SipRawHeader>;

  SipRawHeaderContainer() = default;
  // A copy owns copies of the parsed headers, never shares them.
  SipRawHeaderContainer(const SipRawHeaderContainer& other);
  SipRawHeaderContainer& operator=(const SipRawHeaderContainer& other);
  SipRawHeaderContainer(SipRawHeaderContainer&&) = default;
  SipRawHeaderContainer& operator=(SipRawHeaderContainer&&) = default;
  ~SipRawHeaderContainer() = default;

  Chain& chain(SipHeaderType type) { return chains_[type]; }
  const Chain& chain(SipHeaderType type) const { return chains_[type]; }

 private:
  std::array<Chain, kSipHeaderTypeCount> chains_;
};

}  // namespace vx
