// sipmsg: decodes a SIP message from a file or standard input and shows it as the engine
// sees it (decode), or writes it back encoded (roundtrip); computes a Digest answer (digest);
// re-encodes a session description (sdp).
// Exit status: 0 a message, 2 no message, 1 a usage error.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "sip/header/SipDigest.hpp"
#include "sip/header/SipHeaderCatalogue.hpp"
#include "sip/message/SipCommand.hpp"
#include "sip/message/SipMsg.hpp"
#include "sip/message/StatusMsg.hpp"
#include "sip/sdp/SdpSession.hpp"

namespace {

constexpr int kExitMessage = 0;
constexpr int kExitUsage = 1;
constexpr int kExitNoMessage = 2;
constexpr std::size_t kReadChunk = 16 * 1024;

int usage() {
  std::fprintf(stderr,
               "usage: sipmsg decode|roundtrip FILE|- [--max-bytes N]\n"
               "  decode     print the start line, the headers as received and the fields read from each\n"
               "  roundtrip  decode and write the message encoded again\n"
               "       sipmsg digest [--user U] [--realm R] [--password P] [--nonce N] [--cnonce C] [--nc NC]\n"
               "                     [--qop Q] [--method M] [--uri URI] [--algorithm A]\n"
               "  digest     print the Digest response for the inputs (absent ones are empty)\n"
               "       sipmsg sdp FILE|-\n"
               "  sdp        decode a session description and write it encoded again\n"
               "exit status: 0 a message, 2 no message, 1 usage error\n");
  return kExitUsage;
}

// Reads at most limit bytes: anything longer is refused by the decoder anyway.
bool readInput(const char* path, std::size_t limit, std::string& out) {
  FILE* file = std::strcmp(path, "-") == 0 ? stdin : std::fopen(path, "rb");
  if (!file) {
    std::fprintf(stderr, "sipmsg: cannot open %s\n", path);
    return false;
  }
  char chunk[kReadChunk];
  while (out.size() < limit) {
    std::size_t want = std::min(sizeof chunk, limit - out.size());
    std::size_t got = std::fread(chunk, 1, want, file);
    out.append(chunk, got);
    if (got < want) break;
  }
  bool failed = std::ferror(file) != 0;
  if (file != stdin) std::fclose(file);
  if (failed) std::fprintf(stderr, "sipmsg: cannot read %s\n", path);
  return !failed;
}

// Received text may hold any byte; show control bytes escaped so the output stays one line each.
std::string printable(std::string_view text) {
  std::string out;
  for (char c : text) {
    auto b = static_cast<unsigned char>(c);
    if (b >= 0x20 && b != 0x7F) {
      out += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", b);
      out += escaped;
    }
  }
  return out;
}

void printDecoded(vx::SipMsg& msg) {
  vx::Data encoded = msg.encode();
  std::string_view text = encoded.view();
  std::printf("start-line: %s\n", printable(text.substr(0, text.find("\r\n"))).c_str());
  std::printf("type: %d\n", static_cast<int>(msg.getType()));
  if (auto* status = dynamic_cast<vx::StatusMsg*>(&msg)) std::printf("status: %d\n", status->getStatusCode());
  const vx::SipHeaderType* order = vx::headerEncodeOrder();
  for (int i = 0; i < vx::kSipHeaderTypeCount; ++i) {
    vx::SipHeaderType type = order[i];
    for (int index = 0; index < msg.getNumHeaders(type); ++index) {
      const vx::SipRawHeader& raw = msg.getRawHeaders(type)[static_cast<std::size_t>(index)];
      std::printf("header: %d %s: %s\n", static_cast<int>(raw.type), printable(raw.receivedName.view()).c_str(),
                  printable(raw.value.view()).c_str());
      // How the catalogue read it, part by part.
      if (!vx::hasSipHeaderClass(type)) continue;
      for (const auto& [name, value] : msg.getHeader(type, index)->getFields()) {
        std::printf("  %s: %s\n", name, printable(value.view()).c_str());
      }
    }
  }
  std::printf("body: %zu bytes\n", msg.getBody().length());
}

int digest(int argc, char** argv) {
  vx::SipDigestInputs in;
  struct Option {
    std::string_view name;
    std::string_view vx::SipDigestInputs::*field;
  };
  static constexpr Option kOptions[] = {
      {"--user", &vx::SipDigestInputs::userName}, {"--realm", &vx::SipDigestInputs::realm},
      {"--password", &vx::SipDigestInputs::password}, {"--nonce", &vx::SipDigestInputs::nonce},
      {"--cnonce", &vx::SipDigestInputs::cnonce}, {"--nc", &vx::SipDigestInputs::nonceCount},
      {"--qop", &vx::SipDigestInputs::qop}, {"--method", &vx::SipDigestInputs::method},
      {"--uri", &vx::SipDigestInputs::uri}, {"--algorithm", &vx::SipDigestInputs::algorithm},
  };
  for (int i = 2; i < argc; i += 2) {
    if (i + 1 >= argc) return usage();
    const Option* option = nullptr;
    for (const Option& candidate : kOptions) {
      if (candidate.name == argv[i]) option = &candidate;
    }
    if (!option) return usage();
    in.*(option->field) = argv[i + 1];
  }
  std::printf("%s\n", vx::computeDigestResponse(in).text());
  return kExitMessage;
}

int sdp(const char* path) {
  std::string input;
  if (!readInput(path, vx::SipMsgLimits().maxMessageBytes + 1, input)) return kExitUsage;
  vx::SdpSession session;
  if (!session.decode(input)) {
    std::fprintf(stderr, "sipmsg: no session description\n");
    return kExitNoMessage;
  }
  std::string encoded = session.encode();
  std::fwrite(encoded.data(), 1, encoded.size(), stdout);
  return kExitMessage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::string_view(argv[1]) == "digest") return digest(argc, argv);
  if (argc == 3 && std::string_view(argv[1]) == "sdp") return sdp(argv[2]);
  if (argc != 3 && argc != 5) return usage();
  std::string_view command = argv[1];
  if (command != "decode" && command != "roundtrip") return usage();
  vx::SipMsgLimits limits;
  if (argc == 5) {
    char* end = nullptr;
    unsigned long long bytes = std::strtoull(argv[4], &end, 10);
    if (std::strcmp(argv[3], "--max-bytes") != 0 || !end || *end || bytes == 0) return usage();
    limits.maxMessageBytes = static_cast<std::size_t>(bytes);
  }
  std::string input;
  // One byte past the limit is enough to tell that the text is too long.
  if (!readInput(argv[2], limits.maxMessageBytes + 1, input)) return kExitUsage;

  vx::Sptr<vx::SipMsg> msg = vx::SipMsg::decode(vx::Data(input), limits);
  if (!msg) {
    std::fprintf(stderr, "sipmsg: no SIP message\n");
    return kExitNoMessage;
  }
  if (command == "decode") {
    printDecoded(*msg);
  } else {
    vx::Data encoded = msg->encode();
    std::fwrite(encoded.text(), 1, encoded.length(), stdout);
  }
  return kExitMessage;
}
