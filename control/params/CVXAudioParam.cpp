#include "control/params/CVXAudioParam.hpp"

#include "control/params/detail/ParameterRows.hpp"

namespace vx {
namespace {

using namespace detail;
using R = VXAudioParam;

constexpr const char* kHandsetDevice = "USB Internet Phone by TigerJet";

constexpr ParameterSpec kParameters[] = {
    textRow("Playback", VX_FIELD(R, Playback), kHandsetDevice),
    textRow("Recording", VX_FIELD(R, Recording), kHandsetDevice),
    ulongRow("UseOnlySelected", VX_FIELD(R, UseOnlySelected), 0),
    ulongRow("UseVAD", VX_FIELD(R, UseVAD), 1),
    ulongRow("UseAEC", VX_FIELD(R, UseAEC), 0),
    ulongRow("UseAGC", VX_FIELD(R, UseAGC), 0),
    ulongRow("UseNR", VX_FIELD(R, UseNR), 0),
    ulongRow("DeviceType", VX_FIELD(R, DeviceType), 0),
};

}  // namespace

const GroupTraits CVXAudioParam::kTraits{"VXAudioParam", "Audio", RegistryHive::LocalMachine,
                                         "SOFTWARE\\Orvi Media\\Audio", true};

CVXAudioParam::CVXAudioParam(std::unique_ptr<CVXStorage> storage)
    : TVXArchive(kTraits.typeName, kParameters, std::move(storage)) {}

}  // namespace vx
