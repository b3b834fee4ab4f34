#include "locale/VXLocale.hpp"

#include <algorithm>
#include <atomic>
#include <string_view>

#include "locale/Language.hpp"
#include "locale/detail/ResourceTables.hpp"
#include "locale/detail/Utf.hpp"
#include "platform/Export.hpp"
#include "runtime/log/Log.hpp"
#include "runtime/thread/VXThreadManager.hpp"

namespace vx::locale {
namespace {

constexpr const char* kLogChannel = "API";
constexpr const char* kLogApplication = "VXLocale";
constexpr const char* kLogCompany = "Ordane Communication";
constexpr const char* kLogProduct = "SIP Orvi Phone SDK Ordane";
constexpr std::size_t kLogTextCapacity = 512;  // a log line holds no more

// One word, read and written whole: a lookup picks its language once, so it never mixes two.
std::atomic<std::uint32_t> gLanguage{LANGUAGE_ENGLISH};

// Attach and detach of the module: the log identity on load, the thread pool emptied on unload.
struct ModuleLifetime {
  ModuleLifetime() {
    VXThreadManager::Instance();  // constructed first so that it outlives this object
    SetLogIdentity(kLogApplication, kLogCompany, kLogProduct);
  }
  ~ModuleLifetime() { VXThreadManager::Instance().DestroyAll(); }
};
ModuleLifetime gModuleLifetime;

unsigned long ul(std::uint32_t value) { return value; }

const StringBlock* findBlock(std::uint32_t language, std::uint32_t number) {
  const LanguageInfo* info = FindLanguage(language);
  return info ? FindStringBlock(detail::kResourceModule, info->windowsId, number) : nullptr;
}

// Walks the block's entries in order; an empty entry never matches.
std::u16string_view findText(std::uint32_t language, std::uint32_t id) {
  const StringBlock* block = findBlock(language, BlockOfId(id));
  if (!block) return {};
  std::u16string_view rest(block->data, block->units);
  for (std::uint32_t index = 0; index < kEntriesPerBlock && !rest.empty(); ++index) {
    std::size_t length = rest.front();
    rest.remove_prefix(1);
    if (length > rest.size()) return {};  // a torn block yields nothing rather than a read past its end
    if (length != 0 && index == EntryOfId(id)) return rest.substr(0, length);
    rest.remove_prefix(length);
  }
  return {};
}

}  // namespace
}  // namespace vx::locale

using namespace vx;
using namespace vx::locale;

extern "C" VX_EXPORT std::uint32_t VXLocaleSetLanguage(std::uint32_t language) {
  Log(kLogChannel, LOG_TRACE, "-> VXLocaleSetLanguage(%lu)", ul(language));
  if (!findBlock(language, kSelectionBlock)) {
    Log(kLogChannel, LOG_ERROR, "<- VXLocaleSetLanguage() return Invalid Language");
    return kLocaleFailure;
  }
  gLanguage.store(language, std::memory_order_relaxed);
  Log(kLogChannel, LOG_TRACE, "<- VXLocaleSetLanguage() return Success");
  return kLocaleSuccess;
}

extern "C" VX_EXPORT std::uint32_t VXLocaleGetLanguage() { return gLanguage.load(std::memory_order_relaxed); }

extern "C" VX_EXPORT const ResourceModule* VXLocaleGetResourceHandle() { return &detail::kResourceModule; }

extern "C" VX_EXPORT std::uint32_t VXLocaleGetString(std::uint32_t id, char16_t* buffer, std::uint32_t size) {
  const std::uint32_t language = gLanguage.load(std::memory_order_relaxed);
  Log(kLogChannel, LOG_TRACE, "-> VXLocaleGetString(%lu, 0x%lx, %lu) for language %lu", ul(id),
      static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(buffer)), ul(size), ul(language));
  std::u16string_view text = findText(language, id);
  if (text.empty()) {
    Log(kLogChannel, LOG_ERROR, "<- VXLocaleGetString() return No Resource");
    return kLocaleFailure;
  }
  if (!buffer) {
    Log(kLogChannel, LOG_ERROR, "<- VXLocaleGetString() return No Buffer");
    return kLocaleFailure;
  }
  text = text.substr(0, std::min<std::size_t>(text.size(), size));
  std::copy(text.begin(), text.end(), buffer);
  buffer[text.size()] = u'\0';
  char logged[kLogTextCapacity];
  detail::Utf16ToUtf8(text, logged, sizeof logged);
  Log(kLogChannel, LOG_TRACE, "<- VXLocaleGetString() return %s", logged);
  return kLocaleSuccess;
}

extern "C" VX_EXPORT std::uint32_t VXLocaleGetDialog(std::uint32_t page) {
  Log(kLogChannel, LOG_TRACE, "VXLocaleGetDialog(%lu)", ul(page));
  const LanguageInfo* info = FindLanguage(gLanguage.load(std::memory_order_relaxed));
  const PageTemplate* found = info ? FindPageTemplateFor(detail::kResourceModule, page, info->windowsId) : nullptr;
  if (!found) found = FindPageTemplateFor(detail::kResourceModule, page, kEnglishWindowsId);
  return found ? found->id : 0;
}
