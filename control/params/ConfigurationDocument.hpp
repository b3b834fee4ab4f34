#pragma once
// Applies a configuration document (root "OAMPML") to the parameter groups: the login group
// from "Login", then, under "Parameters", SIP, Audio, App, Handset, NAT, Network and System.
// Each group loads what its element holds and saves itself to its own storage. A document
// that does not parse or has another root changes nothing and fails.
#include <functional>
#include <string_view>

class TiXmlDocument;
class TiXmlElement;

namespace vx {

// The steps of a document that belong to other parts of the control. Each is optional.
struct ConfigurationSteps {
  // Called with every parsed document, before its root is checked (the media stream manager).
  std::function<void(const TiXmlDocument&)> parsed;
  // Called with "Parameters"/"Billing" (null when absent) after the groups under "Parameters".
  std::function<void(const TiXmlElement* billing)> billing;
  // Called last with the root of every accepted document (banner and upgrade offer).
  std::function<void(const TiXmlElement* root)> finish;
};

bool ApplyConfigurationText(std::string_view text, const ConfigurationSteps& steps = {});
bool ApplyConfigurationFile(const char* path, const ConfigurationSteps& steps = {});

}  // namespace vx
