#include "control/params/CVXNatParam.hpp"

#include "control/params/detail/ParameterRows.hpp"

namespace vx {
namespace {

using namespace detail;
using R = VXNatParam;

constexpr ParameterSpec kParameters[] = {
    ulongRow("HasNAT", VX_FIELD(R, HasNAT), 0),
    ulongRow("PortRefresh", VX_FIELD(R, PortRefresh), 0),
    textRow("NATExternalIP", VX_FIELD(R, NATExternalIP), ""),
    ulongRow("UseSDPPrivateAttribute", VX_FIELD(R, UseSDPPrivateAttribute), 1),
    ulongRow("NATMask", VX_FIELD(R, NATMask), 0xFFFFFF),
};

}  // namespace

const GroupTraits CVXNatParam::kTraits{"VXNatParam", "NAT", RegistryHive::LocalMachine, "SOFTWARE\\Orvi Media\\NAT",
                                       true};

CVXNatParam::CVXNatParam(std::unique_ptr<CVXStorage> storage)
    : TVXArchive(kTraits.typeName, kParameters, std::move(storage)) {}

}  // namespace vx
