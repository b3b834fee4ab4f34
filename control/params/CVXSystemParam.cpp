#include "control/params/CVXSystemParam.hpp"

#include "control/params/detail/ParameterRows.hpp"
#include "runtime/log/Assert.hpp"

namespace vx {
namespace {

using namespace detail;
using R = VXSystemParam;

constexpr ParameterSpec kParameters[] = {
    ulongRow("AssertMode", VX_FIELD(R, AssertMode), kAssertDialog),
    ulongRow("LogMask", VX_FIELD(R, LogMask), 0xFFFFFFFF),
    ulongRow("LogCryptPwd", VX_FIELD(R, LogCryptPwd), 1),
};

// Gets the group, creating it again after a release, as every assertion does.
DWORD assertModeFromGroup() { return CVXSystemParam::Instance()->AssertMode; }

}  // namespace

const GroupTraits CVXSystemParam::kTraits{"VXSystemParam", "System", RegistryHive::LocalMachine,
                                          "SOFTWARE\\Orvi Media\\System", true};

CVXSystemParam::CVXSystemParam(std::unique_ptr<CVXStorage> storage)
    : TVXArchive(kTraits.typeName, kParameters, std::move(storage)) {}

// The runtime cannot know this group, so the group hands the assertion routine its reader.
void CVXSystemParam::Created() { SetAssertModeSource(assertModeFromGroup); }

}  // namespace vx
