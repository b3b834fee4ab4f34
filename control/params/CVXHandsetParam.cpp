#include "control/params/CVXHandsetParam.hpp"

#include <array>
#include <atomic>

#include "control/params/detail/ParameterRows.hpp"

namespace vx {
namespace {

using namespace detail;
using R = SVXHandsetParam;

constexpr DWORD kEnabled = 1;
constexpr DWORD kLeftToOtherService = 0;
constexpr std::size_t kEnableRow = 0;

constexpr std::array<ParameterSpec, 5> kParameters = {
    ulongRow("Enable", VX_FIELD(R, Enable), kEnabled),
    ulongRow("Vid", VX_FIELD(R, Vid), 0),
    ulongRow("Pid", VX_FIELD(R, Pid), 0),
    ulongRow("UseOnlySelected", VX_FIELD(R, UseOnlySelected), 0),
    ulongRow("TJNetTranslation", VX_FIELD(R, TJNetTranslation), 0),
};

bool noForeignService() { return false; }

std::atomic<CVXHandsetParam::ForeignServiceProbe> gProbe{noForeignService};

std::array<ParameterSpec, 5> parameters() {
  std::array<ParameterSpec, 5> rows = kParameters;
  if (gProbe.load()()) rows[kEnableRow].number = kLeftToOtherService;
  return rows;
}

}  // namespace

const GroupTraits CVXHandsetParam::kTraits{"SVXHandsetParam", "Handset", RegistryHive::LocalMachine,
                                           "SOFTWARE\\Orvi Media\\Handset", true};

void CVXHandsetParam::SetForeignServiceProbe(ForeignServiceProbe probe) {
  gProbe.store(probe ? probe : noForeignService);
}

CVXHandsetParam::CVXHandsetParam(std::unique_ptr<CVXStorage> storage)
    : TVXArchive(kTraits.typeName, parameters(), std::move(storage)) {}

}  // namespace vx
