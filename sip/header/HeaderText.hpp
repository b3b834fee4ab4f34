#pragma once
// Text helpers shared by the header parsers and encoders: trimming, quoted strings, the check
// on values set through the API, and the start and end of a header line.
#include <string_view>

#include "sip/data/Data.hpp"
#include "sip/header/SipParameterList.hpp"
#include "sip/message/SipHeader.hpp"
#include "sip/message/SipHeaderType.hpp"

namespace vx::detail {

inline constexpr std::string_view kLws = " \t";

std::string_view trimLws(std::string_view text);

// Logs a parse error of received text on the SIP channel (level 0).
void logParseError(const char* message);

// Values set through the API may not hold CR, LF or NUL: they would end the header line or
// the text early. Logs and returns false for such a value.
bool acceptApiValue(std::string_view value, const char* what);
bool holdsLineBreakOrNul(std::string_view value);

// The first c outside double quotes (a backslash in quotes escapes the next byte); npos if none.
std::size_t findUnquoted(std::string_view text, char c);

// A quoted string: quotes around, '"' and '\' escaped.
void appendQuoted(Data& out, std::string_view text);
// The inside of a quoted string with its escapes undone; text that does not start with a quote
// comes back as it is. An unterminated string runs to the end.
Data unquote(std::string_view text);

bool isValidUtf8(std::string_view text);
// A name set through the API as UTF-8: valid UTF-8 stays as it is, other text is read as Latin-1.
Data asUtf8(std::string_view text);

// "%" and two lowercase hex digits for every byte outside the allowed set.
Data percentEncode(std::string_view text, std::string_view allowed);

// The start of a header's encoding: "Name: " for one-per-line types, nothing for combined lines.
Data startLine(SipHeaderType type, std::size_t valueSizeHint = 0);
// Ends what startLine began: CRLF for one-per-line types. A value of a list type that holds a
// comma outside quotes and brackets would be read back as two headers: it is not written.
Data endLine(SipHeaderType type, Data& out);

// Adds a field for printing when the value is not empty.
void addField(SipHeaderFields& fields, const char* name, const Data& value);
// Adds each parameter as a field "param" with the text name or name=value.
void addParamFields(SipHeaderFields& fields, const SipParameterList& params);

}  // namespace vx::detail
