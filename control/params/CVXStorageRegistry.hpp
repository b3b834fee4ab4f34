#pragma once
// A group's registry key; a parameter with a section lives in the subkey of that name.
#include <string>

#include "control/params/CVXStorage.hpp"
#include "platform/registry/Registry.hpp"

namespace vx {

class CVXStorageRegistry final : public CVXStorage {
 public:
  // Creates the key when it is missing.
  CVXStorageRegistry(HKEY root, std::string path);

  void WriteULong(const CVXArchiveParameter& parameter, DWORD value) override;
  // A value equal to the default is removed from the registry as it is read.
  void ReadULong(const CVXArchiveParameter& parameter, DWORD& value, DWORD defaultValue) override;
  void WriteString(const CVXArchiveParameter& parameter, const char* text) override;
  void ReadString(const CVXArchiveParameter& parameter, char* buffer, std::size_t size,
                  const char* defaultValue) override;
  void WriteBytes(const CVXArchiveParameter& parameter, const BYTE* data, std::size_t length) override;
  bool ReadBytes(const CVXArchiveParameter& parameter, BYTE* buffer, std::size_t& length) override;
  void Delete(const CVXArchiveParameter& parameter) override;
  bool IsCrypted() const override { return true; }
  const char* Name() const override { return "CVXStorageRegistry"; }

 private:
  class Key;
  Key open(const CVXArchiveParameter& parameter) const;
  void write(const CVXArchiveParameter& parameter, DWORD type, const BYTE* data, std::size_t size);

  HKEY root_;
  std::string path_;
};

}  // namespace vx
