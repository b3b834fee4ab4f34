#pragma once
// Helpers shared by the locale tests: fetching a text through the module's export,
// reading the translators' files, running a program and catching its output.
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "locale/Language.hpp"
#include "locale/ResourceModule.hpp"
#include "locale/VXLocale.hpp"
#include "locale/detail/TextFile.hpp"
#include "locale/detail/Utf.hpp"

namespace vx::locale::test {

// The text of id in the current language, as UTF-8, or nothing when there is none.
inline std::optional<std::string> GetText(std::uint32_t id) {
  thread_local std::vector<char16_t> buffer(kMaxTextUnits + 1);  // reused: tests walk all 65536 ids
  if (VXLocaleGetString(id, buffer.data(), kMaxTextUnits) != kLocaleSuccess) return std::nullopt;
  return detail::Utf16ToUtf8(buffer.data());
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

inline std::string TextsPath(const LanguageInfo& language) {
  return std::string(VX_LOCALE_TEXTS_DIR) + "/" + language.fileStem + ".tsv";
}

struct ProcessResult {
  int exitCode;
  std::string output;
};

// Runs a command line through the shell and collects what it prints on stdout.
inline ProcessResult RunProcess(const std::string& command) {
  ProcessResult result{-1, {}};
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return result;
  char chunk[4096];
  for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) result.output.append(chunk, n);
  int status = ::pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

// Restores the module's default language, which every test process shares.
class LocaleTest : public ::testing::Test {
 protected:
  void TearDown() override { VXLocaleSetLanguage(LANGUAGE_ENGLISH); }
};

}  // namespace vx::locale::test
