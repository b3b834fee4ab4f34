#pragma once
// Limits, fixed texts and assertion locations of the parameter groups, in one place.
#include <cstddef>

namespace vx::paramsconfig {

inline constexpr const char* kArchiveChannel = "Archive";
inline constexpr const char* kRegistryChannel = "RegKey";
inline constexpr const char* kDocumentChannel = "OAMP";

// Section and key names hold up to 63 characters.
inline constexpr std::size_t kMaxNameLength = 63;

// Blowfish key of the stored server address, and its block size.
inline constexpr const char kCryptKey[] = "PlumeGravy";
inline constexpr std::size_t kCryptKeyLength = sizeof kCryptKey - 1;
inline constexpr std::size_t kCryptBlock = 8;

// Shown instead of a password in logs and listings.
inline constexpr const char* kMaskedSecret = "********";

// A configuration document is small; anything bigger or deeper is refused before parsing,
// because the XML reader recurses once per nesting level.
inline constexpr std::size_t kMaxDocumentBytes = 1024 * 1024;
inline constexpr std::size_t kMaxDocumentDepth = 64;

// Root and element names of a configuration document.
inline constexpr const char* kDocumentRoot = "OAMPML";
inline constexpr const char* kParametersElement = "Parameters";
inline constexpr const char* kBillingElement = "Billing";

// Where the groups and the storages report a broken rule, as the assertion log shows it.
struct FaultSite {
  const char* source;
  int line;
};
inline constexpr FaultSite kSaveAllReadOnly{"VXArchiveT", 122};
inline constexpr FaultSite kSaveKeyReadOnly{"VXArchiveT", 145};
inline constexpr FaultSite kSaveKeyMissing{"VXArchiveT", 152};
inline constexpr FaultSite kSaveSectionReadOnly{"VXArchiveT", 162};
inline constexpr FaultSite kSaveSectionMissing{"VXArchiveT", 169};
inline constexpr FaultSite kResetAllReadOnly{"VXArchiveT", 179};
inline constexpr FaultSite kResetKeyReadOnly{"VXArchiveT", 195};
inline constexpr FaultSite kResetKeyMissing{"VXArchiveT", 202};
inline constexpr FaultSite kResetSectionReadOnly{"VXArchiveT", 213};
inline constexpr FaultSite kResetSectionMissing{"VXArchiveT", 221};
inline constexpr FaultSite kXmlWriteULong{"VXStorage", 230};
inline constexpr FaultSite kXmlWriteString{"VXStorage", 272};
inline constexpr FaultSite kXmlWriteBytes{"VXStorage", 297};
inline constexpr FaultSite kXmlReadBytes{"VXStorage", 302};
inline constexpr FaultSite kXmlDelete{"VXStorage", 307};

}  // namespace vx::paramsconfig
