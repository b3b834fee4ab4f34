#include "runtime/log/Log.hpp"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/syscall.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/registry/Registry.hpp"
#include "runtime/log/LogConfig.hpp"
#include "runtime/log/LogRecord.hpp"

namespace vx {
namespace {

using namespace logconfig;

constexpr int kUnknownMode = -1;
constexpr int kNoDevice = -1;

// Written on the first call (or by ResetLogOutput) and only read afterwards.
std::atomic<int> gMode{kUnknownMode};
std::atomic<int> gOutputFd{kNoDevice};

char gApplication[kIdentityCapacity] = "Unknown";
char gCompany[kIdentityCapacity] = "";
char gProduct[kIdentityCapacity] = "";

unsigned readOutputSwitch() {
  if (const char* env = std::getenv(kOutputEnv); env && *env) return static_cast<unsigned>(std::strtoul(env, nullptr, 0));
  DWORD value = kOutputNone;
  HKEY key = nullptr;
  // Opened for reading and writing and never created, as the switch has always been read.
  if (RegOpenKeyEx(HKEY_LOCAL_MACHINE, kOutputKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
    return kOutputNone;
  }
  DWORD type = 0;
  DWORD size = sizeof value;
  if (RegQueryValueEx(key, kOutputValue, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
      type != REG_DWORD) {
    value = kOutputNone;
  }
  RegCloseKey(key);
  return value;
}

int openDevice() {
  const char* path = std::getenv(kDeviceEnv);
  if (!path || !*path) path = kDefaultDevicePath;
  // Non-blocking, so that a device (or pipe) that stops reading drops records instead of
  // stalling every logging thread.
  return ::open(path, O_WRONLY | O_CLOEXEC | O_NONBLOCK);
}

int openDebuggerOutput() {
  const char* path = std::getenv(kDebuggerFileEnv);
  if (!path || !*path) return STDERR_FILENO;
  int fd = ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  return fd >= 0 ? fd : STDERR_FILENO;
}

int currentMode() {
  int mode = gMode.load(std::memory_order_acquire);
  if (mode != kUnknownMode) return mode;
  unsigned chosen = readOutputSwitch();
  int fd = kNoDevice;
  if (chosen == kOutputDevice) fd = openDevice();
  if (chosen == kOutputDebugger) fd = openDebuggerOutput();
  mode = (chosen == kOutputDevice || chosen == kOutputDebugger) ? static_cast<int>(chosen) : kOutputNone;
  int expected = kNoDevice;
  if (!gOutputFd.compare_exchange_strong(expected, fd) && fd > STDERR_FILENO) ::close(fd);  // lost the race
  gMode.store(mode, std::memory_order_release);
  return mode;
}

// Copies at most capacity - 1 characters and always terminates.
void copyCut(char* dst, std::size_t capacity, const char* src) {
  std::size_t length = src ? strnlen(src, capacity - 1) : 0;
  if (length) std::memcpy(dst, src, length);
  dst[length] = '\0';
}

std::uint32_t tickCount() {
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(now.tv_sec) * 1000u + now.tv_nsec / 1000000);
}

void writeAll(int fd, const void* data, std::size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size) {
    ssize_t n = ::write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // a failing output is ignored
    p += n;
    size -= static_cast<std::size_t>(n);
  }
}

// A device that went away must not kill the process with SIGPIPE: the signal is held back
// for this write and taken if it came.
void writeRecord(int fd, const LogRecord& record) {
  sigset_t pipe, previous;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, &previous);
  bool wasPending = false;
  sigset_t pending;
  if (sigpending(&pending) == 0) wasPending = sigismember(&pending, SIGPIPE);
  ssize_t n = ::write(fd, &record, sizeof record);
  if (n < 0 && errno == EPIPE && !wasPending) {
    timespec now{};
    sigtimedwait(&pipe, nullptr, &now);
  }
  pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

void writeLine(int fd, const LogRecord& record) {
  char line[kLineCapacity];
  int n = std::snprintf(line, sizeof line, "[%lu, %s, %s, %lx, %lx, %lx, %lu] %s\n\r",
                        static_cast<unsigned long>(tickCount()), record.application, record.channel,
                        static_cast<unsigned long>(record.processId), static_cast<unsigned long>(record.threadId),
                        static_cast<unsigned long>(record.value), static_cast<unsigned long>(record.level),
                        record.message);
  if (n < 0) return;
  writeAll(fd, line, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof line - 1));
}

}  // namespace

void Log(const char* channel, int level, const char* format, ...) {
  int mode = currentMode();
  int fd = gOutputFd.load(std::memory_order_acquire);
  if (mode == static_cast<int>(kOutputNone) || fd < 0) return;

  LogRecord record{};
  record.level = level == 4 ? 0 : static_cast<std::uint32_t>(level);
  record.processId = static_cast<std::uint32_t>(::getpid());
  record.threadId = static_cast<std::uint32_t>(::syscall(SYS_gettid));
  copyCut(record.application, sizeof record.application, gApplication);
  copyCut(record.channel, sizeof record.channel, channel);
  va_list args;
  va_start(args, format);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  std::vsnprintf(record.message, sizeof record.message, format ? format : "", args);
#pragma GCC diagnostic pop
  va_end(args);

  if (mode == static_cast<int>(kOutputDevice)) {
    writeRecord(fd, record);
  } else {
    writeLine(fd, record);
  }
}

void SetLogIdentity(const char* application, const char* company, const char* product) {
  copyCut(gApplication, sizeof gApplication, application);
  copyCut(gCompany, sizeof gCompany, company);
  copyCut(gProduct, sizeof gProduct, product);
}

LogIdentity GetLogIdentity() { return {gApplication, gCompany, gProduct}; }

void ResetLogOutput() {
  int fd = gOutputFd.exchange(kNoDevice);
  if (fd > STDERR_FILENO) ::close(fd);
  gMode.store(kUnknownMode, std::memory_order_release);
}

}  // namespace vx
