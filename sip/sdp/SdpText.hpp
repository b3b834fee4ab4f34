#pragma once
// Helpers of the SDP line parsers: splitting, the number conversions and the errors a line
// parser raises. The errors never leave the module: SdpSession::decode and the decode
// functions of the line classes catch them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

inline constexpr const char* kSdpLogChannel = "SDP";

namespace detail {

struct SdpExceptionParamNumErr {};
struct SdpExceptionFailed {};
struct SdpExceptionUnknownNetType {};
struct SdpExceptionUnknownAddrType {};
struct SdpExceptionUnknownField {};
struct SdpExceptionUndefModifier {};
struct SdpExceptionUnknownEncryptMethod {};

// The pieces between delimiters; empty pieces (runs of delimiters) are dropped.
std::vector<std::string_view> sdpSplit(std::string_view text, char delimiter);
// Leading white space, an optional sign and decimal digits, accumulated modulo 2^32.
std::uint32_t sdpAtoi(std::string_view text);
// Base-10 conversion clamped to the 32-bit signed range, as strtol does there.
std::int32_t sdpStrtol(std::string_view text);
// A host, optionally followed by ":" and a port, which then replaces `port`.
void sdpSplitHostPort(std::string_view field, std::string& host, std::uint32_t& port);

}  // namespace detail
}  // namespace vx
