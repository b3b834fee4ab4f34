#include "control/params/ParameterListing.hpp"

#include <strings.h>

#include "control/params/CVXApplicationParam.hpp"
#include "control/params/CVXAudioParam.hpp"
#include "control/params/CVXHandsetParam.hpp"
#include "control/params/CVXLoginParam.hpp"
#include "control/params/CVXNatParam.hpp"
#include "control/params/CVXNetworkParam.hpp"
#include "control/params/CVXSIPParam.hpp"
#include "control/params/CVXSystemParam.hpp"

namespace vx {
namespace {

struct ListedGroup {
  const GroupTraits& traits;
  CVXArchiveCore* (*instance)();
};

template <typename G>
CVXArchiveCore* coreOf() {
  return G::Instance();
}

const ListedGroup kGroups[] = {
    {CVXSIPParam::kTraits, coreOf<CVXSIPParam>},         {CVXApplicationParam::kTraits, coreOf<CVXApplicationParam>},
    {CVXSystemParam::kTraits, coreOf<CVXSystemParam>},   {CVXNatParam::kTraits, coreOf<CVXNatParam>},
    {CVXNetworkParam::kTraits, coreOf<CVXNetworkParam>}, {CVXHandsetParam::kTraits, coreOf<CVXHandsetParam>},
    {CVXAudioParam::kTraits, coreOf<CVXAudioParam>},     {CVXLoginParam::kTraits, coreOf<CVXLoginParam>},
};

bool sameName(std::string_view a, const char* b) {
  return a.size() == std::char_traits<char>::length(b) && strncasecmp(a.data(), b, a.size()) == 0;
}

}  // namespace

std::vector<std::string> ListParameters(std::string_view group) {
  std::vector<std::string> lines;
  for (const ListedGroup& listed : kGroups) {
    if (!group.empty() && !sameName(group, listed.traits.element)) continue;
    const CVXArchiveCore* core = listed.instance();
    for (const auto& parameter : core->Parameters()) {
      std::string line = listed.traits.element;
      if (!parameter->Section().empty()) line += "." + parameter->Section();
      line += "." + parameter->Key() + "=" + core->Text(*parameter);
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

std::vector<std::string> ParameterGroupNames() {
  std::vector<std::string> names;
  for (const ListedGroup& listed : kGroups) names.emplace_back(listed.traits.element);
  return names;
}

}  // namespace vx
