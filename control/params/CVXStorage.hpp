#pragma once
// Where a parameter group keeps its values: the registry, one element of a configuration
// document, or nowhere.
#include <cstddef>

#include "platform/win32/Types.hpp"

namespace vx {

class CVXArchiveParameter;

class CVXStorage {
 public:
  virtual ~CVXStorage() = default;
  CVXStorage() = default;
  CVXStorage(const CVXStorage&) = delete;
  CVXStorage& operator=(const CVXStorage&) = delete;

  virtual void WriteULong(const CVXArchiveParameter& parameter, DWORD value) = 0;
  // `value` is in and out: a storage that has nothing for the parameter may leave it as it is.
  virtual void ReadULong(const CVXArchiveParameter& parameter, DWORD& value, DWORD defaultValue) = 0;
  virtual void WriteString(const CVXArchiveParameter& parameter, const char* text) = 0;
  // `buffer` holds `size` bytes and always ends up NUL-terminated.
  virtual void ReadString(const CVXArchiveParameter& parameter, char* buffer, std::size_t size,
                          const char* defaultValue) = 0;
  virtual void WriteBytes(const CVXArchiveParameter& parameter, const BYTE* data, std::size_t length) = 0;
  // `length` is in and out: the buffer's size, then the number of bytes read. False when nothing was read.
  virtual bool ReadBytes(const CVXArchiveParameter& parameter, BYTE* buffer, std::size_t& length) = 0;
  virtual void Delete(const CVXArchiveParameter& parameter) = 0;
  // True when crypted text parameters are kept in their encrypted form.
  virtual bool IsCrypted() const = 0;
  virtual const char* Name() const = 0;
};

}  // namespace vx
