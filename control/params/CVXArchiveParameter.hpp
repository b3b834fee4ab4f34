#pragma once
// One parameter of a group: where its field sits in the group's record, its key, its type
// and its default. Groups describe their parameters as a table of ParameterSpec rows.
#include <cstddef>
#include <memory>
#include <string>

#include "control/params/CVXStorage.hpp"
#include "platform/win32/Types.hpp"

namespace vx {

enum class ParameterKind { ULong, String, StringCrypted };

struct ParameterSpec {
  ParameterKind kind;
  const char* section;  // "" for a parameter kept directly in the group
  const char* key;
  std::size_t offset;   // of the field in the record
  std::size_t size;     // of the field in bytes; a text field's capacity counts its NUL
  DWORD number;         // default of a ULong
  const char* text;     // default of a text
  bool secret;          // masked in logs and listings
};

class CVXArchiveParameter {
 public:
  static std::unique_ptr<CVXArchiveParameter> Create(const ParameterSpec& spec);

  virtual ~CVXArchiveParameter() = default;
  CVXArchiveParameter(const CVXArchiveParameter&) = delete;
  CVXArchiveParameter& operator=(const CVXArchiveParameter&) = delete;

  void Delete(CVXStorage& storage) const { storage.Delete(*this); }
  // Writes the field, or deletes the stored value when the field holds the default.
  virtual void Save(const void* record, CVXStorage& storage) const = 0;
  virtual void Load(void* record, CVXStorage& storage) const = 0;
  virtual void SetDefault(void* record) const = 0;
  // The field as text, a non-empty secret masked.
  virtual std::string Text(const void* record) const = 0;

  const std::string& Section() const { return section_; }
  const std::string& Key() const { return key_; }
  std::size_t Size() const { return size_; }
  bool Secret() const { return secret_; }

 protected:
  explicit CVXArchiveParameter(const ParameterSpec& spec);

  template <typename Field>
  Field* field(void* record) const {
    return reinterpret_cast<Field*>(static_cast<char*>(record) + offset_);
  }
  template <typename Field>
  const Field* field(const void* record) const {
    return reinterpret_cast<const Field*>(static_cast<const char*>(record) + offset_);
  }
  // "Section.Key", or "Key" without a section, for the log lines.
  std::string logName() const;
  // The text to log for a value: the value, or the mask for a non-empty secret.
  std::string logValue(const std::string& value) const;

 private:
  std::string section_;
  std::string key_;
  std::size_t offset_;
  std::size_t size_;
  bool secret_;
};

class CVXArchiveParameterULong final : public CVXArchiveParameter {
 public:
  explicit CVXArchiveParameterULong(const ParameterSpec& spec) : CVXArchiveParameter(spec), default_(spec.number) {}
  void Save(const void* record, CVXStorage& storage) const override;
  void Load(void* record, CVXStorage& storage) const override;
  void SetDefault(void* record) const override { *field<DWORD>(record) = default_; }
  std::string Text(const void* record) const override;
  DWORD Default() const { return default_; }

 private:
  DWORD default_;
};

class CVXArchiveParameterString : public CVXArchiveParameter {
 public:
  explicit CVXArchiveParameterString(const ParameterSpec& spec)
      : CVXArchiveParameter(spec), default_(spec.text ? spec.text : "") {}
  void Save(const void* record, CVXStorage& storage) const override;
  void Load(void* record, CVXStorage& storage) const override;
  void SetDefault(void* record) const override { assign(record, default_); }
  std::string Text(const void* record) const override;
  const std::string& Default() const { return default_; }

 protected:
  // The field up to its NUL, never beyond its capacity.
  std::string value(const void* record) const;
  // Copies at most capacity - 1 characters and terminates.
  void assign(void* record, const std::string& text) const;

 private:
  std::string default_;
};

// A text kept encrypted in a storage that asks for it (the registry); elsewhere in clear.
class CVXArchiveParameterStringCrypted final : public CVXArchiveParameterString {
 public:
  explicit CVXArchiveParameterStringCrypted(const ParameterSpec& spec);
  void Save(const void* record, CVXStorage& storage) const override;
  void Load(void* record, CVXStorage& storage) const override;

 private:
  std::string encryptedDefault_;
};

}  // namespace vx
