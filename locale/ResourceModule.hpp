#pragma once
// The resources of the locale module, reached through the handle VXLocaleGetResourceHandle
// returns: string-table blocks and configuration page templates, each tagged with the
// Windows language id of its language. All of it is read-only data built from the
// translators' files, so reading needs no lock and nothing is ever released.
#include <cstdint>
#include <span>

namespace vx::locale {

// Text id n is entry n % kEntriesPerBlock of block n / kEntriesPerBlock + 1.
inline constexpr std::uint32_t kEntriesPerBlock = 16;
inline constexpr std::uint32_t kMaxTextId = 0xFFFF;     // ids are 16-bit resource ids
inline constexpr std::uint32_t kMaxTextUnits = 0xFFFF;  // an entry's length is one 16-bit unit
inline constexpr std::uint32_t kSelectionBlock = 1;     // a language can be selected when it holds this block

constexpr std::uint32_t BlockOfId(std::uint32_t id) { return id / kEntriesPerBlock + 1; }
constexpr std::uint32_t EntryOfId(std::uint32_t id) { return id % kEntriesPerBlock; }

// kEntriesPerBlock entries in id order, each a length unit followed by that many UTF-16
// units without terminator; a length of 0 is an absent text.
struct StringBlock {
  std::uint16_t language;  // Windows language id
  std::uint16_t number;
  const char16_t* data;
  std::uint32_t units;
};

// One configuration page's template. Its controls are laid out by the configuration sheet.
struct PageTemplate {
  std::uint32_t id;        // resource id
  std::uint16_t language;  // Windows language id
  std::uint32_t page;      // the control's page number
  const char16_t* caption;
  const char16_t* font;
  std::uint16_t pointSize;
};

struct ResourceModule {
  std::span<const StringBlock> blocks;  // grouped by language, in id order
  std::span<const PageTemplate> pages;
};

// Exactly that language: there is no fallback to a neutral language or to English.
inline const StringBlock* FindStringBlock(const ResourceModule& module, std::uint16_t language, std::uint32_t number) {
  for (const StringBlock& block : module.blocks) {
    if (block.language == language && block.number == number) return &block;
  }
  return nullptr;
}

inline const PageTemplate* FindPageTemplate(const ResourceModule& module, std::uint32_t id) {
  for (const PageTemplate& page : module.pages) {
    if (page.id == id) return &page;
  }
  return nullptr;
}

inline const PageTemplate* FindPageTemplateFor(const ResourceModule& module, std::uint32_t page,
                                               std::uint16_t language) {
  for (const PageTemplate& candidate : module.pages) {
    if (candidate.page == page && candidate.language == language) return &candidate;
  }
  return nullptr;
}

}  // namespace vx::locale
