// Cost of decoding and encoding SIP messages against their size. Each shape is measured at
// 1 KiB and 60 KiB; the per_byte counter (time per byte) should stay about the same for both sizes of a shape
// when decoding is linear.
#include <benchmark/benchmark.h>

#include <string>

#include "sip/message/SipMsg.hpp"

namespace {

constexpr std::size_t kSmall = 1024;
constexpr std::size_t kLarge = 60 * 1024;

const std::string kHead =
    "INVITE sip:bob@biloxi.example.com SIP/2.0\r\n"
    "Via: SIP/2.0/UDP client.atlanta.example.com:5060;branch=z9hG4bK74bf9\r\n"
    "From: Alice <sip:alice@atlanta.example.com>;tag=9fxced76sl\r\n"
    "To: Bob <sip:bob@biloxi.example.com>\r\n"
    "Call-ID: 3848276298220188511@atlanta.example.com\r\n"
    "CSeq: 1 INVITE\r\n";

// Grows the message with pieces until it reaches the size, then closes the header section.
template <typename Piece>
std::string build(std::size_t size, const std::string& opening, Piece piece, const std::string& closing) {
  std::string text = kHead + opening;
  for (int i = 0; text.size() + closing.size() + 4 < size; ++i) text += piece(i);
  return text + closing + "\r\n\r\n";
}

std::string manyHeaders(std::size_t size) {
  return build(size, "", [](int i) { return "X-Header-" + std::to_string(i) + ": some value here\r\n"; }, "X-End: 1");
}

std::string manyFolds(std::size_t size) {
  return build(size, "Subject: start", [](int) { return std::string("\r\n  folded word"); }, "");
}

std::string longList(std::size_t size) {
  return build(size, "Record-Route: <sip:p0.example.net;lr>",
               [](int i) { return ",<sip:p" + std::to_string(i) + ".example.net;lr>"; }, "");
}

std::string bigBody(std::size_t size) {
  std::string body(size - kHead.size() - 64, 'x');
  return kHead + "Content-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Raised far enough that the benchmark measures the parser, not the refusal.
vx::SipMsgLimits benchLimits() {
  vx::SipMsgLimits limits;
  limits.maxHeaderValues = 1 << 20;
  return limits;
}

void report(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["per_byte"] = benchmark::Counter(static_cast<double>(bytes),
                                                 benchmark::Counter::kIsIterationInvariantRate |
                                                     benchmark::Counter::kInvert);
}

template <std::string (*Make)(std::size_t)>
void BM_Decode(benchmark::State& state) {
  vx::Data text(Make(static_cast<std::size_t>(state.range(0))));
  vx::SipMsgLimits limits = benchLimits();
  for (auto _ : state) {
    vx::Sptr<vx::SipMsg> msg = vx::SipMsg::decode(text, limits);
    if (!msg) state.SkipWithError("message did not decode");
    benchmark::DoNotOptimize(msg.get());
  }
  report(state, text.length());
}

template <std::string (*Make)(std::size_t)>
void BM_DecodeEncode(benchmark::State& state) {
  vx::Data text(Make(static_cast<std::size_t>(state.range(0))));
  vx::SipMsgLimits limits = benchLimits();
  for (auto _ : state) {
    vx::Sptr<vx::SipMsg> msg = vx::SipMsg::decode(text, limits);
    if (!msg) state.SkipWithError("message did not decode");
    vx::Data out = msg->encode();
    benchmark::DoNotOptimize(out.text());
  }
  report(state, text.length());
}

}  // namespace

BENCHMARK(BM_Decode<manyHeaders>)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_Decode<manyFolds>)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_Decode<longList>)->Arg(kSmall)->Arg(8192)->Arg(16384)->Arg(kLarge);
BENCHMARK(BM_Decode<bigBody>)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_DecodeEncode<manyHeaders>)->Arg(kSmall)->Arg(kLarge);
BENCHMARK(BM_DecodeEncode<longList>)->Arg(kSmall)->Arg(kLarge);

BENCHMARK_MAIN();
