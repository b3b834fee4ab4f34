#include "control/params/CVXStorageXml.hpp"

#include <strings.h>
#include <tinyxml.h>

#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "control/params/CVXArchiveParameter.hpp"
#include "control/params/detail/Fault.hpp"

namespace vx {
namespace {

using namespace paramsconfig;

// The key element of a parameter, below its section element when it has one.
const TiXmlElement* locate(const TiXmlElement* element, const CVXArchiveParameter& parameter) {
  if (!element) return nullptr;
  if (!parameter.Section().empty()) {
    element = element->FirstChildElement(parameter.Section().c_str());
    if (!element) return nullptr;
  }
  return element->FirstChildElement(parameter.Key().c_str());
}

// The text of the element's first child when that child is text, else empty.
const char* textOf(const TiXmlElement* element) {
  const TiXmlNode* child = element->FirstChild();
  return child && child->ToText() ? child->Value() : "";
}

// As a 32-bit strtoul: automatic base, a minus sign negates, an overflow gives all ones.
DWORD parseNumber(const char* text) {
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  if (*text == '-' || *text == '+') return 0;  // strtoull would take a second sign
  errno = 0;
  unsigned long long magnitude = std::strtoull(text, nullptr, 0);
  if (errno == ERANGE || magnitude > UINT32_MAX) return UINT32_MAX;
  DWORD value = static_cast<DWORD>(magnitude);
  return negative ? static_cast<DWORD>(0u - value) : value;
}

DWORD parseDocumentNumber(const char* text) {
  if (!strcasecmp(text, "true") || !strcasecmp(text, "yes")) return 1;
  if (!strcasecmp(text, "false") || !strcasecmp(text, "no")) return 0;
  return parseNumber(text);
}

}  // namespace

void CVXStorageXml::WriteULong(const CVXArchiveParameter&, DWORD) { detail::reportFault(kXmlWriteULong); }

void CVXStorageXml::ReadULong(const CVXArchiveParameter& parameter, DWORD& value, DWORD) {
  if (const TiXmlElement* key = locate(element_, parameter)) value = parseDocumentNumber(textOf(key));
}

void CVXStorageXml::WriteString(const CVXArchiveParameter&, const char*) { detail::reportFault(kXmlWriteString); }

void CVXStorageXml::ReadString(const CVXArchiveParameter& parameter, char* buffer, std::size_t size, const char*) {
  const TiXmlElement* key = locate(element_, parameter);
  if (!key || size == 0) return;
  const char* text = textOf(key);
  std::size_t length = strnlen(text, size - 1);
  std::memcpy(buffer, text, length);
  buffer[length] = '\0';
}

void CVXStorageXml::WriteBytes(const CVXArchiveParameter&, const BYTE*, std::size_t) {
  detail::reportFault(kXmlWriteBytes);
}

bool CVXStorageXml::ReadBytes(const CVXArchiveParameter&, BYTE*, std::size_t& length) {
  detail::reportFault(kXmlReadBytes);
  length = 0;
  return false;
}

void CVXStorageXml::Delete(const CVXArchiveParameter&) { detail::reportFault(kXmlDelete); }

}  // namespace vx
