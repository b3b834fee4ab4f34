#include "control/ax/ConfigurationSheet.hpp"

#include <atomic>

#include "runtime/log/Log.hpp"

namespace vx {
namespace {

SheetResult headlessSheet(std::int32_t page, const std::string& title) {
  Log("SIP", LOG_WARNING, "No configuration sheet to show page %d (%s): cancelled", page, title.c_str());
  return SheetResult::Cancelled;
}

std::atomic<ConfigurationSheetRunner> gRunner{headlessSheet};

}  // namespace

SheetResult RunConfigurationSheet(std::int32_t page, const std::string& title) { return gRunner.load()(page, title); }

void SetConfigurationSheetRunner(ConfigurationSheetRunner runner) { gRunner.store(runner ? runner : headlessSheet); }

}  // namespace vx
