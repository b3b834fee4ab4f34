#include "control/params/CVXNetworkParam.hpp"

#include "control/params/detail/ParameterRows.hpp"

namespace vx {
namespace {

using namespace detail;
using R = VXNetworkParam;

constexpr const char* kRtp = "Rtp";

constexpr ParameterSpec kParameters[] = {
    ulongRow("ConnectionType", VX_FIELD(R, ConnectionType), 2),
    ulongRow("Tos", VX_FIELD(R, Tos), 0),
    textRow("AdapterMac", VX_FIELD(R, AdapterMac), ""),
    textRow("AdapterName", VX_FIELD(R, AdapterName), ""),
    ulongRow("AdapterAddress", VX_FIELD(R, AdapterAddress), 0),
    ulongRow("AdapterExternalAddress", VX_FIELD(R, AdapterExternalAddress), 0),
    inSection(kRtp, ulongRow("PortMin", VX_FIELD(R, RtpPortMin), 0)),
    inSection(kRtp, ulongRow("PortMax", VX_FIELD(R, RtpPortMax), 0)),
    inSection(kRtp, ulongRow("PacketLength", VX_FIELD(R, RtpPacketLength), 0)),
    inSection(kRtp, ulongRow("Tos", VX_FIELD(R, RtpTos), 0)),
};

}  // namespace

const GroupTraits CVXNetworkParam::kTraits{"VXNetworkParam", "Network", RegistryHive::LocalMachine,
                                           "SOFTWARE\\Orvi Media\\Network", true};

CVXNetworkParam::CVXNetworkParam(std::unique_ptr<CVXStorage> storage)
    : TVXArchive(kTraits.typeName, kParameters, std::move(storage)) {}

}  // namespace vx
