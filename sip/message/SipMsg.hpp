#pragma once
// SipMsg: a SIP request or response as headers kept raw until read, and a body.
//
// decode() is the one entry for received text. Headers are kept by type in arrival order
// and parsed on first read through the catalogue's factory; encode() writes them in a fixed
// order with the Content-Length of the body it writes.
#include <cstdint>
#include <string_view>
#include <vector>

#include "sip/data/Data.hpp"
#include "sip/data/Sptr.hpp"
#include "sip/message/SipHeader.hpp"
#include "sip/message/SipMethod.hpp"
#include "sip/message/SipMsgLimits.hpp"
#include "sip/message/SipRawHeader.hpp"

namespace vx {

class SipMsg {
 public:
  virtual ~SipMsg() = default;

  virtual SipMethodType getType() const = 0;
  Data encode() const;
  // True for every request but ACK; for a response, when it is final and answers an INVITE.
  virtual bool expectsReply() const = 0;
  virtual Sptr<SipMsg> duplicate() const = 0;

  // The message of received text, or null: no start line, a start line that is not SIP,
  // or text past one of the limits.
  static Sptr<SipMsg> decode(const Data& text, const SipMsgLimits& limits = SipMsgLimits());

  // Header access by type. The getter parses on first read and never returns null: an index
  // past the chain adds empty headers up to it, which stay in the message.
  int getNumHeaders(SipHeaderType type) const;
  Sptr<SipHeader> getHeader(SipHeaderType type, int index = 0);
  void setHeader(SipHeaderType type, int index, const Sptr<SipHeader>& header);
  void insertHeader(SipHeaderType type, int index, const Sptr<SipHeader>& header);
  void appendHeader(SipHeaderType type, const Sptr<SipHeader>& header);
  void removeHeader(SipHeaderType type, int index);
  void removeAllHeaders(SipHeaderType type);
  const SipRawHeaderContainer::Chain& getRawHeaders(SipHeaderType type) const;

  // Typed access by header class (H::kType names its type), e.g. msg.get<SipVia>(0). get never
  // returns null: a header of another class in its place (one set through the untyped calls,
  // or parsed while another factory was installed) is read again as an H from its raw text.
  template <typename H>
  Sptr<H> get(int index = 0) {
    Sptr<SipHeader> header = getHeader(H::kType, index);
    if (Sptr<H> typed = Sptr<H>::cast(header)) return typed;
    auto raw = Sptr<SipRawValueHeader>::cast(header);
    auto typed = makeSptr<H>(raw ? raw->getValue() : Data());
    replaceParsedHeader(H::kType, index, typed);
    return typed;
  }
  template <typename H>
  int count() const {
    return getNumHeaders(H::kType);
  }
  template <typename H>
  void set(int index, const Sptr<H>& header) {
    setHeader(H::kType, index, header);
  }
  template <typename H>
  void insert(int index, const Sptr<H>& header) {
    insertHeader(H::kType, index, header);
  }
  template <typename H>
  void add(const Sptr<H>& header) {
    appendHeader(H::kType, header);
  }
  template <typename H>
  void remove(int index) {
    removeHeader(H::kType, index);
  }
  template <typename H>
  void removeAll() {
    removeAllHeaders(H::kType);
  }

  const Data& getBody() const { return body_; }
  void setBody(const Data& body) { body_ = body; }

  const Data& getTransportAddress() const { return transportAddress_; }
  void setTransportAddress(const Data& address) { transportAddress_ = address; }
  const Data& getReceivedFromHost() const { return receivedFromHost_; }
  const Data& getReceivedFromPort() const { return receivedFromPort_; }
  void setReceivedFrom(const Data& host, const Data& port) {
    receivedFromHost_ = host;
    receivedFromPort_ = port;
  }
  std::uint16_t getAccountIndex() const { return accountIndex_; }
  void setAccountIndex(std::uint16_t index) { accountIndex_ = index; }

 protected:
  SipMsg() = default;
  // A copy starts without the received-from address, which belongs to the arrival.
  SipMsg(const SipMsg& other);
  SipMsg& operator=(const SipMsg&) = delete;

  virtual Data encodeStartLine() const = 0;
  virtual void decodeStartLine(const Data& line) = 0;

  // Reads the (unfolded) header lines after the start line; afterHeaders is the raw text from
  // the empty line on, whose first separatorLength bytes are that line. False past a limit.
  bool decodeHeaders(std::string_view headerText, std::size_t separatorLength, std::string_view afterHeaders,
                     const SipMsgLimits& limits);

 private:
  bool addRawHeaders(std::string_view name, std::string_view value, std::size_t& count, const SipMsgLimits& limits);
  void cutBodyToContentLength();
  SipRawHeader makeRawHeader(SipHeaderType type, const Sptr<SipHeader>& header) const;
  bool checkIndex(SipHeaderType type, int index, std::size_t size, const char* what) const;
  // Puts a parsed header in place of the one at index (negative: the last), keeping its raw text.
  void replaceParsedHeader(SipHeaderType type, int index, const Sptr<SipHeader>& header);

  Data transportAddress_;
  SipRawHeaderContainer headers_;
  Data body_;
  Data receivedFromHost_;
  Data receivedFromPort_;
  std::uint16_t accountIndex_ = 0;
};

}  // namespace vx
