#include "control/params/CVXLoginParam.hpp"

#include "control/params/detail/ParameterRows.hpp"

namespace vx {
namespace {

using namespace detail;
using R = VXLoginParam;

constexpr DWORD kNoLoginYet = 400;

constexpr ParameterSpec kParameters[] = {
    ulongRow("Status", VX_FIELD(R, Status), kNoLoginYet),
    textRow("Message", VX_FIELD(R, Message), ""),
    cryptedRow("Server", VX_FIELD(R, Server), ""),
};

}  // namespace

const GroupTraits CVXLoginParam::kTraits{"VXLoginParam", "Login", RegistryHive::LocalMachine,
                                         "SOFTWARE\\Orvi Media\\Login", true};

CVXLoginParam::CVXLoginParam(std::unique_ptr<CVXStorage> storage)
    : TVXArchive(kTraits.typeName, kParameters, std::move(storage)) {}

}  // namespace vx
