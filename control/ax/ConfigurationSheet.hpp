#pragma once
// Shows the configuration sheet on a page. Headless (the default) it is cancelled at once,
// as a user closing it would; a desktop build installs a real sheet.
#include <cstdint>
#include <string>

namespace vx {

enum class SheetResult { Ok, Cancelled };

using ConfigurationSheetRunner = SheetResult (*)(std::int32_t page, const std::string& title);

SheetResult RunConfigurationSheet(std::int32_t page, const std::string& title);
void SetConfigurationSheetRunner(ConfigurationSheetRunner runner);

}  // namespace vx
