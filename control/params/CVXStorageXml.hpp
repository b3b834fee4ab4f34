#pragma once
// One element of a configuration document, read only. A key is a child element whose text
// is the value; a section is a child element holding its keys. A missing element leaves
// the value as it is.
#include "control/params/CVXStorage.hpp"

class TiXmlElement;

namespace vx {

class CVXStorageXml final : public CVXStorage {
 public:
  explicit CVXStorageXml(const TiXmlElement* element) : element_(element) {}

  void WriteULong(const CVXArchiveParameter& parameter, DWORD value) override;
  // "true"/"yes" give 1, "false"/"no" give 0 (any case); else a number, 0x hexadecimal, 0 octal.
  void ReadULong(const CVXArchiveParameter& parameter, DWORD& value, DWORD defaultValue) override;
  void WriteString(const CVXArchiveParameter& parameter, const char* text) override;
  void ReadString(const CVXArchiveParameter& parameter, char* buffer, std::size_t size,
                  const char* defaultValue) override;
  void WriteBytes(const CVXArchiveParameter& parameter, const BYTE* data, std::size_t length) override;
  bool ReadBytes(const CVXArchiveParameter& parameter, BYTE* buffer, std::size_t& length) override;
  void Delete(const CVXArchiveParameter& parameter) override;
  bool IsCrypted() const override { return false; }
  const char* Name() const override { return "CVXStorageXml"; }

 private:
  const TiXmlElement* element_;  // may be null: then nothing is found
};

}  // namespace vx
