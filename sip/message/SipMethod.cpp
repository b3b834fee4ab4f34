#include "sip/message/SipMethod.hpp"

#include "runtime/log/Assert.hpp"

namespace vx {
namespace {

struct MethodName {
  SipMethodType type;
  const char* name;
};

constexpr MethodName kMethods[] = {
    {SIP_INVITE, "INVITE"},     {SIP_ACK, "ACK"},       {SIP_OPTIONS, "OPTIONS"},     {SIP_PING, "PING"},
    {SIP_BYE, "BYE"},           {SIP_CANCEL, "CANCEL"}, {SIP_REGISTER, "REGISTER"},   {SIP_INFO, "INFO"},
    {SIP_REFER, "REFER"},       {SIP_SUBSCRIBE, "SUBSCRIBE"}, {SIP_NOTIFY, "NOTIFY"}, {SIP_MESSAGE, "MESSAGE"},
};

constexpr std::string_view kStatusToken = "SIP/2.0";

}  // namespace

SipMethodType methodFromText(std::string_view token) {
  if (token == kStatusToken) return SIP_STATUS;
  for (const MethodName& method : kMethods) {
    if (Data::equalsNoCase(token, method.name)) return method.type;
  }
  return SIP_UNKNOWN;
}

Data methodToText(SipMethodType type) {
  for (const MethodName& method : kMethods) {
    if (method.type == type) return Data(method.name);
  }
  VX_ASSERT(type != SIP_UNKNOWN && type != SIP_STATUS);
  return Data();
}

}  // namespace vx
