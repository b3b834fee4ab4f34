#include "sip/header/SipDigest.hpp"

#include <nettle/md5.h>

#include <initializer_list>

#include "runtime/log/Log.hpp"
#include "sip/header/SipAuthHeaders.hpp"
#include "sip/message/SipMsg.hpp"
#include "sip/url/BaseUrl.hpp"

namespace vx {

namespace {

constexpr std::string_view kSessionAlgorithm = "md5-sess";
constexpr std::string_view kIntegrityQop = "auth-int";
// The entity hash of auth-int: the body is not hashed, its place holds zero bytes.
constexpr unsigned char kZeroEntityHash[32] = {};

using Md5Digest = unsigned char[MD5_DIGEST_SIZE];

class Md5 {
 public:
  Md5() { md5_init(&ctx_); }
  Md5& add(std::string_view text) {
    md5_update(&ctx_, text.size(), reinterpret_cast<const std::uint8_t*>(text.data()));
    return *this;
  }
  Md5& add(const unsigned char* bytes, std::size_t n) {
    md5_update(&ctx_, n, bytes);
    return *this;
  }
  void finish(Md5Digest out) { md5_digest(&ctx_, MD5_DIGEST_SIZE, out); }
  Data hex() {
    Md5Digest out;
    finish(out);
    return Data::hexFromBytes(out, MD5_DIGEST_SIZE);
  }

 private:
  md5_ctx ctx_;
};

}  // namespace

Data computeDigestResponse(const SipDigestInputs& in) {
  Md5Digest ha1;
  Md5().add(in.userName).add(":").add(in.realm).add(":").add(in.password).finish(ha1);
  // Servers write the algorithm as "MD5-sess"; RFC 2617 tokens are case-insensitive.
  if (Data::equalsNoCase(in.algorithm, kSessionAlgorithm)) {
    Md5Digest session;
    Md5().add(ha1, sizeof ha1).add(":").add(in.nonce).add(":").add(in.cnonce).finish(session);
    std::copy(std::begin(session), std::end(session), std::begin(ha1));
  }
  Data ha1Hex = Data::hexFromBytes(ha1, sizeof ha1);

  Md5 ha2;
  ha2.add(in.method).add(":").add(in.uri);
  if (in.qop == kIntegrityQop) ha2.add(":").add(kZeroEntityHash, sizeof kZeroEntityHash);
  Data ha2Hex = ha2.hex();

  Md5 response;
  response.add(ha1Hex.view()).add(":").add(in.nonce).add(":");
  if (!in.qop.empty()) response.add(in.nonceCount).add(":").add(in.cnonce).add(":").add(in.qop).add(":");
  Data result = response.add(ha2Hex.view()).hex();
  // The log writes its own line end.
  Log(kSipLogChannel, LOG_INFO, "Response = %s", result.text());
  return result;
}

bool setDigestCredentials(SipMsg& msg, SipHeaderType type, const SipDigestInputs& in) {
  Sptr<SipAuthHeader> header;
  if (type == SIP_AUTHORIZATION_HDR) {
    header = makeSptr<SipAuthorization>();
  } else if (type == SIP_PROXY_AUTHORIZATION_HDR) {
    header = makeSptr<SipProxyAuthorization>();
  } else {
    return false;
  }
  if (!header->setScheme("Digest")) return false;
  Data response = computeDigestResponse(in);
  struct Param {
    std::string_view name;
    std::string_view value;
    bool quoted;
  };
  // The order servers are used to reading; empty values are left out.
  for (const Param& p : std::initializer_list<Param>{{"username", in.userName, true},
                                                     {"realm", in.realm, true},
                                                     {"nonce", in.nonce, true},
                                                     {"response", response.view(), true},
                                                     {"qop", in.qop, false},
                                                     {"uri", in.uri, true},
                                                     {"cnonce", in.cnonce, true},
                                                     {"nc", in.nonceCount, false},
                                                     {"opaque", in.opaque, true},
                                                     {"algorithm", in.algorithm, false}}) {
    if (!p.value.empty() && !header->setParam(p.name, p.value, p.quoted)) return false;
  }
  msg.removeAllHeaders(type);
  msg.appendHeader(type, header);
  return true;
}

}  // namespace vx
