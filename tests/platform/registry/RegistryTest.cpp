#include "platform/registry/Registry.hpp"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/registry/Hive.hpp"
#include "tests/support/TempRegistry.hpp"

namespace vx {
namespace {

constexpr const char* kKey = "SOFTWARE\\Orvi Media\\Test";

class RegistryTest : public ::testing::Test {
 protected:
  HKEY create(const char* path, REGSAM access = KEY_ALL_ACCESS) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, path, 0, access, &key, nullptr), ERROR_SUCCESS);
    return key;
  }
  static LONG setDword(HKEY key, const char* name, DWORD value) {
    return RegSetValueEx(key, name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  }
  static LONG setString(HKEY key, const char* name, const std::string& text) {
    return RegSetValueEx(key, name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>(text.size() + 1));
  }
  std::string readHiveFile() const {
    std::ifstream in(registry_.hiveFile("HKEY_LOCAL_MACHINE"), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  test::TempRegistry registry_;
};

TEST_F(RegistryTest, NamesAreCaseInsensitiveAndKeepTheirCase) {
  HKEY key = create(kKey);
  ASSERT_EQ(setDword(key, "LocalPort", 5060), ERROR_SUCCESS);
  ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);

  DWORD value = 0;
  EXPECT_EQ(RegGetDword(HKEY_LOCAL_MACHINE, "software\\ORVI MEDIA\\test", "LOCALPORT", &value), ERROR_SUCCESS);
  EXPECT_EQ(value, 5060u);

  HKEY again = create("SOFTWARE\\ORVI MEDIA\\TEST");
  ASSERT_EQ(setDword(again, "localport", 5061), ERROR_SUCCESS);
  RegCloseKey(again);
  std::string file = readHiveFile();
  EXPECT_NE(file.find("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvi Media\\Test]"), std::string::npos);
  EXPECT_NE(file.find("\"LocalPort\"=dword:000013c5"), std::string::npos);
}

TEST_F(RegistryTest, ResultCodesFollowWin32) {
  HKEY key = nullptr;
  EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Missing", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(key, nullptr);

  HKEY writable = create(kKey);
  ASSERT_EQ(setString(writable, "Server", "sip.example.com"), ERROR_SUCCESS);
  EXPECT_EQ(RegQueryValueEx(writable, "Nothing", nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);

  DWORD type = 0;
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueEx(writable, "Server", &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, REG_SZ);
  EXPECT_EQ(size, 16u);  // the text and its NUL
  char small[4];
  size = sizeof small;
  EXPECT_EQ(RegQueryValueEx(writable, "Server", &type, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 16u);

  HKEY readOnly = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &readOnly), ERROR_SUCCESS);
  EXPECT_EQ(setDword(readOnly, "X", 1), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteValue(readOnly, "Server"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegSetValueEx(writable, "Short", REG_DWORD, reinterpret_cast<const BYTE*>("ab"), 2),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(setDword(writable, "Bad\nName", 1), ERROR_INVALID_PARAMETER);

  EXPECT_EQ(RegDeleteValue(writable, "Server"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValue(writable, "Server"), ERROR_FILE_NOT_FOUND);

  RegCloseKey(readOnly);
  RegCloseKey(writable);
  EXPECT_EQ(RegCloseKey(writable), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegQueryValueEx(writable, "Server", nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryTest, DeletingKeysAndEnumerating) {
  RegCloseKey(create("SOFTWARE\\Orvi Media\\SIP"));
  RegCloseKey(create("SOFTWARE\\Orvi Media\\Audio\\Devices"));
  HKEY parent = nullptr;
  ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "SOFTWARE\\Orvi Media", 0, KEY_ALL_ACCESS, &parent), ERROR_SUCCESS);

  std::vector<std::string> names;
  char name[64];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    LONG rc = RegEnumKeyEx(parent, i, name, &size);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    ASSERT_EQ(rc, ERROR_SUCCESS);
    EXPECT_EQ(size, std::strlen(name));
    names.emplace_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Audio", "SIP"}));

  EXPECT_EQ(RegDeleteKey(parent, "Audio"), ERROR_ACCESS_DENIED);  // it has a subkey
  EXPECT_EQ(RegDeleteTree(parent, "Audio"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteKey(parent, "SIP"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteKey(parent, "SIP"), ERROR_FILE_NOT_FOUND);
  DWORD size = sizeof name;
  EXPECT_EQ(RegEnumKeyEx(parent, 0, name, &size), ERROR_NO_MORE_ITEMS);
  RegCloseKey(parent);
}

TEST_F(RegistryTest, HiveFilesArePrivate) {
  HKEY key = create(kKey);
  ASSERT_EQ(setDword(key, "A", 1), ERROR_SUCCESS);
  RegCloseKey(key);
  struct stat st {};
  ASSERT_EQ(::stat(registry_.hiveFile("HKEY_LOCAL_MACHINE").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  ASSERT_EQ(::stat(registry_.dir().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0077, 0u);
}

TEST_F(RegistryTest, ChangesByAnotherProcessAreSeen) {
  HKEY key = create(kKey);
  ASSERT_EQ(setDword(key, "Counter", 1), ERROR_SUCCESS);
  pid_t child = ::fork();
  if (child == 0) {
    HKEY k = nullptr;
    RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &k);
    ::_exit(setDword(k, "Counter", 2) == ERROR_SUCCESS ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_EQ(WEXITSTATUS(status), 0);
  DWORD value = 0;
  EXPECT_EQ(RegGetDword(HKEY_LOCAL_MACHINE, kKey, "Counter", &value), ERROR_SUCCESS);
  EXPECT_EQ(value, 2u);
  RegCloseKey(key);
}

TEST_F(RegistryTest, ConcurrentWritersInTwoProcessesKeepEachOthersKeys) {
  constexpr int kWriters = 2;
  constexpr int kValuesEach = 40;
  pid_t children[kWriters];
  for (int w = 0; w < kWriters; ++w) {
    children[w] = ::fork();
    if (children[w] == 0) {
      std::string path = std::string(kKey) + "\\Writer" + std::to_string(w);
      HKEY k = nullptr;
      if (RegCreateKeyEx(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &k, nullptr) != ERROR_SUCCESS) {
        ::_exit(1);
      }
      for (int i = 0; i < kValuesEach; ++i) {
        if (setDword(k, ("V" + std::to_string(i)).c_str(), static_cast<DWORD>(i)) != ERROR_SUCCESS) ::_exit(2);
      }
      ::_exit(0);
    }
  }
  for (pid_t child : children) {
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
  }
  for (int w = 0; w < kWriters; ++w) {
    std::string path = std::string(kKey) + "\\Writer" + std::to_string(w);
    for (int i = 0; i < kValuesEach; ++i) {
      DWORD value = 99;
      ASSERT_EQ(RegGetDword(HKEY_LOCAL_MACHINE, path.c_str(), ("V" + std::to_string(i)).c_str(), &value),
                ERROR_SUCCESS)
          << path << " V" << i;
      EXPECT_EQ(value, static_cast<DWORD>(i));
    }
  }
}

TEST_F(RegistryTest, WriterKilledMidWriteLeavesAHiveThatParses) {
  pid_t child = ::fork();
  if (child == 0) {
    HKEY k = nullptr;
    RegCreateKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &k, nullptr);
    std::string big(20000, 'x');
    for (unsigned i = 0;; ++i) setString(k, ("Big" + std::to_string(i % 50)).c_str(), big + std::to_string(i));
  }
  // Let the writer get well into its loop, then kill it without warning.
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  struct stat st {};
  while (std::chrono::steady_clock::now() < deadline &&
         (::stat(registry_.hiveFile("HKEY_LOCAL_MACHINE").c_str(), &st) != 0 || st.st_size < 200000)) {
    std::this_thread::yield();
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ASSERT_GE(st.st_size, 200000) << "the writer never got going";

  std::string text = readHiveFile();
  ASSERT_TRUE(text.starts_with("REGEDIT4\r\n"));
  Hive hive = Hive::parse("HKEY_LOCAL_MACHINE", text);
  EXPECT_EQ(hive.format(), text) << "the file on disk is not a complete hive";

  // And the registry stays writable after the crash: the lock died with its holder.
  HKEY key = create(kKey);
  EXPECT_EQ(setDword(key, "After", 1), ERROR_SUCCESS);
  RegCloseKey(key);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

TEST_F(RegistryTest, AHiveThatCannotBeReadIsAnErrorNotAnEmptyHive) {
  // A directory where the hive file belongs: it exists but reads fail.
  ASSERT_EQ(::mkdir(registry_.hiveFile("HKEY_CURRENT_USER").c_str(), 0700), 0);
  DWORD value = 0;
  EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, "Software", "X", &value), ERROR_READ_FAULT);
  HKEY key = nullptr;
  EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\Vocarix", 0, KEY_ALL_ACCESS, &key, nullptr),
            ERROR_READ_FAULT);
  EXPECT_EQ(key, nullptr);
}

TEST_F(RegistryTest, AWriteKeepsWhatAnotherProgramWroteThatWeCannotRead) {
  {
    std::ofstream out(registry_.hiveFile("HKEY_LOCAL_MACHINE"), std::ios::binary);
    out << "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvi Media\\Test]\r\n\"Odd\"=hex(zz):01\r\n";
  }
  HKEY key = create(kKey);
  ASSERT_EQ(setDword(key, "Added", 7), ERROR_SUCCESS);
  RegCloseKey(key);
  std::string file = readHiveFile();
  EXPECT_NE(file.find("\"Odd\"=hex(zz):01\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\"Added\"=dword:00000007\r\n"), std::string::npos) << file;
}

}  // namespace
}  // namespace vx
