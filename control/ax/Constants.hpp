#pragma once
// The control's identity: class ids, names and version, in one place.
#include <cstdint>

namespace vx::control {

inline constexpr const char* kClsid = "{4E2A9D31-7B06-4C5F-A1E8-93D0B62F5C17}";
inline constexpr const char* kTypeLibId = "{B15C72E4-0A9F-4d63-8E27-5F4C1A39D8B0}";
inline constexpr const char* kProgId = "VXSIPAx.VXSIP";
inline constexpr const char* kProgIdVersioned = "VXSIPAx.VXSIP.1";
inline constexpr const char* kClassDescription = "VXSIP Class";

inline constexpr const char* kApplication = "SIP";
inline constexpr const char* kCompany = "Ordane Communication";
inline constexpr const char* kProduct = "SIP Orvi Phone SDK Ordane";
inline constexpr const char* kVersion = "VXPhoneSIP W32 5.05.69 OD";
inline constexpr std::uint32_t kVersionMajor = 5;
inline constexpr std::uint32_t kVersionMinor = 5;
inline constexpr std::uint32_t kVersionBuild = 69;

inline constexpr const char* kChannel = "Base ActiveX";

// The per-line tables hold max(lines, kMinLines) + 1 entries; the call states start with 2.
inline constexpr std::int32_t kMinLines = 4;
inline constexpr std::size_t kInitialCallStates = 2;

// Locale text ids the control object uses.
inline constexpr std::uint32_t kTextBeforeInitialize = 1;
inline constexpr std::uint32_t kTextInvalidValues = 2;
inline constexpr std::uint32_t kTextNotInitialized = 14;
inline constexpr std::uint32_t kTextInitializationCaption = 71;
inline constexpr std::uint32_t kTextInvalidConfigurationFile = 115;
inline constexpr std::uint32_t kTextCallCaption = 76;
inline constexpr std::uint32_t kTextAnswerCaption = 77;
inline constexpr std::uint32_t kTextDropCaption = 78;
inline constexpr std::uint32_t kTextServerError = 145;
inline constexpr std::uint32_t kTextServerDown = 146;
inline constexpr std::uint32_t kTextInvalidLogin = 147;
inline constexpr std::uint32_t kTextNotImplemented = 148;
inline constexpr std::uint32_t kTextSuspendQuestion = 151;
inline constexpr std::uint32_t kTextDestroyed = 152;
inline constexpr std::uint32_t kTextConfigurationCaption = 2087;

inline constexpr std::size_t kMaxCallAddress = 255;
inline constexpr std::int32_t kMaxLevel = 0xFFFF;
inline constexpr std::int32_t kVolumeStep = 2000;

}  // namespace vx::control
