#include "sip/message/SipRawHeader.hpp"

namespace vx {

SipRawHeaderContainer::SipRawHeaderContainer(const SipRawHeaderContainer& other) : chains_(other.chains_) {
  for (Chain& chain : chains_) {
    for (SipRawHeader& raw : chain) {
      if (raw.header) raw.header = raw.header->duplicate();
    }
  }
}

SipRawHeaderContainer& SipRawHeaderContainer::operator=(const SipRawHeaderContainer& other) {
  if (this != &other) *this = SipRawHeaderContainer(other);
  return *this;
}

}  // namespace vx
