// libFuzzer target of the SIP message framing and the header catalogue: decodes the input,
// reads every header through its typed getter, decodes the URLs the headers carry, and checks
// that encoding is a fixed point after one pass, header by header and for the whole message.
// Received text must never raise the assertion routine, so an assertion is a crash here.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <tuple>
#include <utility>

#include "runtime/log/Assert.hpp"
#include "sip/header/SipHeaderCatalogue.hpp"
#include "sip/message/SipCommand.hpp"
#include "sip/message/SipMsg.hpp"
#include "sip/url/BaseUrl.hpp"

namespace {

vx::DWORD abortOnAssert() { std::abort(); }

// Stops the run with the text that broke the property, so the report says what it was.
[[noreturn]] void fail(const char* property, std::string_view text) {
  std::fprintf(stderr, "%s broken by <%.*s>\n", property, static_cast<int>(text.size()), text.data());
  std::abort();
}

// The text between the first "<" and the next ">", or the whole value.
std::string_view addressOf(std::string_view value) {
  std::size_t open = value.find('<');
  if (open == std::string_view::npos) return value;
  std::size_t close = value.find('>', open);
  return value.substr(open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
}

void exerciseUrl(std::string_view text) {
  vx::Sptr<vx::BaseUrl> url = vx::BaseUrl::decode(vx::Data(text));
  vx::Data once = url->encode();
  vx::Sptr<vx::BaseUrl> copy = url->duplicate();
  if (!copy->isEqual(url) || url->isLessThan(copy) || copy->isLessThan(url)) fail("URL copy equality", text);
  if (!(vx::BaseUrl::decode(once)->encode() == once)) fail("URL encoding fixed point", text);
  (void)url->getNameAddr();
}

// The value a header line carries, as the framing would read it back.
std::string_view valueOf(std::string_view encoded, vx::SipHeaderType type) {
  const vx::SipHeaderInfo& info = vx::headerInfo(type);
  if (info.combinedLine) return encoded;
  std::string_view prefix = info.wireName;
  if (encoded.size() < prefix.size() + 4 || encoded.substr(0, prefix.size()) != prefix ||
      encoded.substr(prefix.size(), 2) != ": " || encoded.substr(encoded.size() - 2) != "\r\n") {
    fail("header line form", encoded);
  }
  return encoded.substr(prefix.size() + 2, encoded.size() - prefix.size() - 4);
}

// Every header of class H through the typed getter: never null, copies equal, and the
// encoding read back encodes the same.
template <typename H>
void readTyped(vx::SipMsg& msg) {
  for (int i = 0; i < msg.count<H>(); ++i) {
    vx::Sptr<H> header = msg.get<H>(i);
    if (!header) fail("non-null typed header", msg.getRawHeaders(H::kType)[static_cast<std::size_t>(i)].value.view());
    (void)header->getFields();
    vx::Data once = header->encode();
    vx::Sptr<vx::SipHeader> copy = header->duplicate();
    if (!copy->areEqual(*header) || !(copy->encode() == once)) fail("header copy", once.view());
    if (once.empty()) continue;
    vx::Data value(valueOf(once.view(), H::kType));
    if (!(H(value).encode() == once)) fail("header encoding fixed point", once.view());
  }
}

void readAllTyped(vx::SipMsg& msg) {
  std::apply([&](auto... classes) { (readTyped<decltype(classes)>(msg), ...); }, vx::SipHeaderClasses());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool installed = [] {
    vx::SetAssertModeSource(&abortOnAssert);
    return true;
  }();
  (void)installed;

  vx::Sptr<vx::SipMsg> msg = vx::SipMsg::decode(vx::Data(reinterpret_cast<const char*>(data), size));
  if (!msg) return 0;
  for (int type = 0; type < vx::kSipHeaderTypeCount; ++type) {
    auto t = static_cast<vx::SipHeaderType>(type);
    for (int i = 0; i < msg->getNumHeaders(t); ++i) {
      vx::Sptr<vx::SipHeader> header = msg->getHeader(t, i);
      if (!header) fail("non-null header", msg->getRawHeaders(t)[static_cast<std::size_t>(i)].value.view());
      (void)header->encode();
      exerciseUrl(addressOf(msg->getRawHeaders(t)[static_cast<std::size_t>(i)].value.view()));
    }
  }
  if (auto request = vx::Sptr<vx::SipCommand>::cast(msg); request && request->getRequestUri()) {
    exerciseUrl(request->getRequestUri()->encode().view());
  }
  readAllTyped(*msg);
  vx::Data once = msg->encode();
  vx::Sptr<vx::SipMsg> again = vx::SipMsg::decode(once);
  // Read back, the text is the same whether its headers stay raw or are read typed.
  if (!again || !(again->encode() == once)) fail("message encoding fixed point", once.view());
  readAllTyped(*again);
  if (!(again->encode() == once)) fail("typed message encoding fixed point", once.view());
  (void)msg->duplicate()->encode();
  return 0;
}
