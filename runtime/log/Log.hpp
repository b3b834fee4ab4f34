#pragma once
// The one logging call of the engine: a channel, a level and a printf-style message.
//
// Output goes to the debug device as a LogRecord or to the debugger output (stderr or a
// file) as one text line, chosen once per process; with no output chosen a call returns
// before formatting anything.

namespace vx {

inline constexpr int LOG_ERROR = 0;
inline constexpr int LOG_WARNING = 1;
inline constexpr int LOG_INFO = 2;
inline constexpr int LOG_TRACE = 3;

void Log(const char* channel, int level, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Set once at library start; each text is cut to 259 characters.
void SetLogIdentity(const char* application, const char* company, const char* product);

struct LogIdentity {
  const char* application;  // "Unknown" until set
  const char* company;
  const char* product;
};
LogIdentity GetLogIdentity();

// Forgets the chosen output so that the next call reads the switch again. For tests.
void ResetLogOutput();

}  // namespace vx
