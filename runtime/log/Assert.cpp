#include "runtime/log/Assert.hpp"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <string>

#include "platform/registry/Registry.hpp"
#include "platform/ui/MessageBox.hpp"
#include "runtime/log/Log.hpp"

namespace vx {
namespace {

constexpr const char* kSystemKey = "SOFTWARE\\Orvi Media\\System";
constexpr const char* kAssertModeValue = "AssertMode";
constexpr UINT kAssertBoxFlags = MB_ABORTRETRYIGNORE | MB_ICONERROR | MB_SETFOREGROUND | MB_SERVICE_NOTIFICATION;
constexpr int kAbortExitCode = 3;

DWORD readAssertModeFromRegistry() {
  DWORD mode = kAssertDialog;
  if (RegGetDword(HKEY_LOCAL_MACHINE, kSystemKey, kAssertModeValue, &mode) != ERROR_SUCCESS) mode = kAssertDialog;
  return mode;
}

std::atomic<AssertModeSource> gModeSource{readAssertModeFromRegistry};

std::string executableName() {
  char path[4096];
  ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return "<?>";
  std::string full(path, static_cast<size_t>(n));
  return full.substr(full.rfind('/') + 1);
}

std::string baseName(const char* file) {
  std::string name = file ? file : "";
  size_t cut = name.find_last_of("/\\");
  return cut == std::string::npos ? name : name.substr(cut + 1);
}

std::string dialogText(const std::string& program, const std::string& file, int line, const char* expression,
                       const char* company) {
  std::string text = "Unexpected failure.\n\n";
  text += "Program : " + program + "\n";
  text += std::string("Version : ") + kAssertVersionText + "\n";
  text += "File : " + file + "\n";
  text += "Line : " + std::to_string(line) + "\n";
  if (expression) text += std::string("Expression : ") + expression + "\n";
  text += "\n";
  return text + "Contact " + company + " with the above information.";
}

std::string logText(const std::string& program, const std::string& file, int line, const char* expression) {
  std::string text = "ASSERT : " + program + ", " + kAssertVersionText + ", File : " + file +
                     ", Line : " + std::to_string(line) + ", ";
  if (expression) text += std::string("Expression : ") + expression + ".";
  return text;
}

const char* answerSuffix(int answer) {
  switch (answer) {
    case IDABORT:
      return " Aborted.";
    case IDRETRY:
      return " Retried.";
    default:
      return " Ignored.";
  }
}

}  // namespace

void SetAssertModeSource(AssertModeSource source) {
  gModeSource.store(source ? source : readAssertModeFromRegistry);
}

bool Assert(const char* sourceFile, int line, const char* expression) {
  DWORD mode = gModeSource.load()();
  if (mode == kAssertSilent) return false;

  std::string program = executableName();
  std::string file = baseName(sourceFile);
  std::string logged = logText(program, file, line, expression);
  // The text may hold '%' from a file name or expression: never use it as a format.
  Log("ASSERT", LOG_ERROR, "%s", logged.c_str());
  if (mode == kAssertLogOnly) return false;

  LogIdentity identity = GetLogIdentity();
  int answer = MessageBox(0, dialogText(program, file, line, expression, identity.company), identity.product,
                          kAssertBoxFlags);
  logged += answerSuffix(answer);
  Log("ASSERT", LOG_ERROR, "%s", logged.c_str());
  if (answer == IDABORT) {
    std::raise(SIGABRT);
    ::_exit(kAbortExitCode);
  }
  return answer == IDRETRY;
}

}  // namespace vx
