#pragma once
// SipVia: one hop of a Via header: protocol, transport, sent-by, the known parameters and
// every other parameter in order of arrival, so a proxy's own parameters survive when a
// response returns the request's Via.
#include <string_view>
#include <utility>
#include <vector>

#include "sip/data/Data.hpp"
#include "sip/message/SipHeader.hpp"

namespace vx {

class SipVia final : public SipHeader {
 public:
  using Param = std::pair<Data, Data>;
  static constexpr SipHeaderType kType = SIP_VIA_HDR;
  // Branches that follow RFC 3261 start with this.
  static constexpr std::string_view kBranchPrefix = "z9hG4bK";

  SipVia() = default;
  // Logs what it cannot read and keeps the fields read before.
  explicit SipVia(const Data& text);

  // A new branch: the prefix and eight random hexadecimal digits.
  static Data makeBranch();

  const Data& getProtocolName() const { return protocolName_; }
  const Data& getProtocolVersion() const { return protocolVersion_; }
  const Data& getTransport() const { return transport_; }
  const Data& getHost() const { return host_; }
  const Data& getPort() const { return port_; }
  const Data& getBranch() const { return branch_; }
  const Data& getReceived() const { return received_; }
  const Data& getMaddr() const { return maddr_; }
  const Data& getTtl() const { return ttl_; }
  const Data& getComment() const { return comment_; }
  bool isHidden() const { return hidden_; }
  bool hasRport() const { return rport_; }
  const Data& getRportValue() const { return rportValue_; }
  const std::vector<Param>& getOtherParams() const { return others_; }

  // The setters refuse text holding CR, LF or NUL.
  bool setProtocolName(const Data& name) { return setField(protocolName_, name); }
  bool setTransport(const Data& transport) { return setField(transport_, transport); }
  bool setHost(const Data& host) { return setField(host_, host); }
  bool setPort(const Data& port) { return setField(port_, port); }
  bool setBranch(const Data& branch) { return setField(branch_, branch); }
  bool setReceived(const Data& received) { return setField(received_, received); }
  bool setMaddr(const Data& maddr) { return setField(maddr_, maddr); }
  bool setTtl(const Data& ttl) { return setField(ttl_, ttl); }
  bool setComment(const Data& comment) { return setField(comment_, comment); }
  void setHidden(bool hidden) { hidden_ = hidden; }
  // The flag with an empty value asks for the port; the value is the port it came from.
  bool setRport(bool present, const Data& value = Data());
  bool addOtherParam(const Data& name, const Data& value);

  Data encode() const override;
  Sptr<SipHeader> duplicate() const override { return makeSptr<SipVia>(*this); }
  bool areEqual(const SipHeader& other) const override;
  SipHeaderFields getFields() const override;

 private:
  static bool setField(Data& field, const Data& value);
  std::string_view decodeProtocol(std::string_view text);
  void decodeSentBy(std::string_view text);
  void decodeParam(std::string_view param);

  Data protocolName_ = "SIP";
  Data protocolVersion_ = "2.0";
  Data transport_ = "UDP";
  Data host_;
  Data port_;
  Data ttl_;
  Data maddr_;
  Data received_;
  Data branch_;
  Data comment_;
  Data rportValue_;
  std::vector<Param> others_;
  bool hidden_ = false;
  bool rport_ = false;
};

}  // namespace vx
