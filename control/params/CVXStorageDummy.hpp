#pragma once
// A storage without backing: reads give the default, writes and deletes do nothing.
#include "control/params/CVXStorage.hpp"

namespace vx {

class CVXStorageDummy final : public CVXStorage {
 public:
  void WriteULong(const CVXArchiveParameter&, DWORD) override {}
  void ReadULong(const CVXArchiveParameter&, DWORD& value, DWORD defaultValue) override { value = defaultValue; }
  void WriteString(const CVXArchiveParameter&, const char*) override {}
  void ReadString(const CVXArchiveParameter& parameter, char* buffer, std::size_t size,
                  const char* defaultValue) override;
  void WriteBytes(const CVXArchiveParameter&, const BYTE*, std::size_t) override {}
  bool ReadBytes(const CVXArchiveParameter&, BYTE*, std::size_t& length) override {
    length = 0;
    return false;
  }
  void Delete(const CVXArchiveParameter&) override {}
  bool IsCrypted() const override { return false; }
  const char* Name() const override { return "CVXStorageDummy"; }
};

}  // namespace vx
