#include "control/params/ConfigurationDocument.hpp"

#include <tinyxml.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>

#include "control/params/CVXApplicationParam.hpp"
#include "control/params/CVXAudioParam.hpp"
#include "control/params/CVXHandsetParam.hpp"
#include "control/params/CVXLoginParam.hpp"
#include "control/params/CVXNatParam.hpp"
#include "control/params/CVXNetworkParam.hpp"
#include "control/params/CVXSIPParam.hpp"
#include "control/params/CVXSystemParam.hpp"
#include "control/params/ParamsConfig.hpp"
#include "runtime/log/Log.hpp"

namespace vx {
namespace {

using namespace paramsconfig;

struct GroupImport {
  const char* element;
  void (*import)(const TiXmlElement* element);
};

template <typename G>
void importGroup(const TiXmlElement* element) {
  G::Instance()->Import(element);
}

// The groups under "Parameters", in the order they are applied.
constexpr GroupImport kParameterGroups[] = {
    {"SIP", importGroup<CVXSIPParam>},         {"Audio", importGroup<CVXAudioParam>},
    {"App", importGroup<CVXApplicationParam>}, {"Handset", importGroup<CVXHandsetParam>},
    {"NAT", importGroup<CVXNatParam>},         {"Network", importGroup<CVXNetworkParam>},
    {"System", importGroup<CVXSystemParam>},
};

// Deepest element nesting, counted by a light scan of the tags.
std::size_t nestingDepth(std::string_view text) {
  std::size_t depth = 0;
  std::size_t deepest = 0;
  std::size_t at = 0;
  auto skipPast = [&](std::string_view end) {
    std::size_t found = text.find(end, at);
    at = found == std::string_view::npos ? text.size() : found + end.size();
  };
  while ((at = text.find('<', at)) != std::string_view::npos) {
    std::string_view rest = text.substr(at);
    if (rest.starts_with("<!--")) {
      skipPast("-->");
    } else if (rest.starts_with("<![CDATA[")) {
      skipPast("]]>");
    } else if (rest.starts_with("<?") || rest.starts_with("<!")) {
      skipPast(">");
    } else {
      std::size_t end = at + 1;
      char quote = 0;
      for (; end < text.size(); ++end) {
        char c = text[end];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>') {
          break;
        }
      }
      if (rest.starts_with("</")) {
        if (depth) --depth;
      } else if (end >= text.size() || text[end - 1] != '/') {
        deepest = std::max(deepest, ++depth);
      }
      at = end;
    }
  }
  return deepest;
}

// Parses a document the reader can take without running out of stack.
bool parse(TiXmlDocument& document, const std::string& text) {
  if (text.size() > kMaxDocumentBytes || nestingDepth(text) > kMaxDocumentDepth) return false;
  document.Parse(text.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
  return !document.Error();
}

bool apply(const TiXmlDocument& document, const ConfigurationSteps& steps) {
  if (steps.parsed) steps.parsed(document);
  const TiXmlElement* root = document.RootElement();
  if (!root || root->ValueStr() != kDocumentRoot) {
    Log(kDocumentChannel, LOG_ERROR, "Invalid XML response format");
    return false;
  }
  CVXLoginParam::Instance()->Import(root->FirstChildElement(CVXLoginParam::kTraits.element));
  if (const TiXmlElement* parameters = root->FirstChildElement(kParametersElement)) {
    for (const GroupImport& group : kParameterGroups) group.import(parameters->FirstChildElement(group.element));
    if (steps.billing) steps.billing(parameters->FirstChildElement(kBillingElement));
  }
  if (steps.finish) steps.finish(root);
  return true;
}

std::optional<std::string> readFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text;
  char chunk[4096];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    text.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxDocumentBytes) return std::nullopt;
  }
  return text;
}

}  // namespace

bool ApplyConfigurationText(std::string_view text, const ConfigurationSteps& steps) {
  TiXmlDocument document;
  if (!parse(document, std::string(text))) {
    Log(kDocumentChannel, LOG_ERROR, "Error during XML decoding, size(%lu)", static_cast<unsigned long>(text.size()));
    return false;
  }
  return apply(document, steps);
}

bool ApplyConfigurationFile(const char* path, const ConfigurationSteps& steps) {
  TiXmlDocument document;
  std::optional<std::string> text = path ? readFile(path) : std::nullopt;
  if (!text || !parse(document, *text)) {
    Log(kDocumentChannel, LOG_ERROR, "Error during XML decoding, file(%s)", path ? path : "");
    return false;
  }
  return apply(document, steps);
}

}  // namespace vx
