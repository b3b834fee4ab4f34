#include "control/params/CVXArchiveParameter.hpp"

#include <algorithm>
#include <cstring>
#include <vector>

#include "control/params/ParamsConfig.hpp"
#include "control/params/StringCrypt.hpp"
#include "runtime/log/Log.hpp"

namespace vx {
namespace {

using paramsconfig::kArchiveChannel;

}  // namespace

std::unique_ptr<CVXArchiveParameter> CVXArchiveParameter::Create(const ParameterSpec& spec) {
  switch (spec.kind) {
    case ParameterKind::ULong:
      return std::make_unique<CVXArchiveParameterULong>(spec);
    case ParameterKind::String:
      return std::make_unique<CVXArchiveParameterString>(spec);
    case ParameterKind::StringCrypted:
      return std::make_unique<CVXArchiveParameterStringCrypted>(spec);
  }
  return nullptr;
}

CVXArchiveParameter::CVXArchiveParameter(const ParameterSpec& spec)
    : section_(spec.section ? spec.section : ""),
      key_(spec.key ? spec.key : ""),
      offset_(spec.offset),
      size_(spec.size),
      secret_(spec.secret) {}

std::string CVXArchiveParameter::logName() const { return section_.empty() ? key_ : section_ + "." + key_; }

std::string CVXArchiveParameter::logValue(const std::string& value) const {
  return secret_ && !value.empty() ? paramsconfig::kMaskedSecret : value;
}

void CVXArchiveParameterULong::Save(const void* record, CVXStorage& storage) const {
  DWORD value = *field<DWORD>(record);
  Log(kArchiveChannel, LOG_TRACE, "%s -> (DWORD) 0x%lx", logName().c_str(), static_cast<unsigned long>(value));
  if (value == default_) {
    storage.Delete(*this);
  } else {
    storage.WriteULong(*this, value);
  }
}

void CVXArchiveParameterULong::Load(void* record, CVXStorage& storage) const {
  DWORD value = *field<DWORD>(record);
  storage.ReadULong(*this, value, default_);
  *field<DWORD>(record) = value;
  Log(kArchiveChannel, LOG_TRACE, "%s <- (DWORD) 0x%lx", logName().c_str(), static_cast<unsigned long>(value));
}

std::string CVXArchiveParameterULong::Text(const void* record) const { return std::to_string(*field<DWORD>(record)); }

std::string CVXArchiveParameterString::value(const void* record) const {
  const char* text = field<char>(record);
  return std::string(text, strnlen(text, Size()));
}

void CVXArchiveParameterString::assign(void* record, const std::string& text) const {
  if (Size() == 0) return;
  std::size_t length = std::min(text.size(), Size() - 1);
  char* target = field<char>(record);
  std::memcpy(target, text.data(), length);
  target[length] = '\0';
}

void CVXArchiveParameterString::Save(const void* record, CVXStorage& storage) const {
  std::string text = value(record);
  Log(kArchiveChannel, LOG_TRACE, "%s -> (String) %s", logName().c_str(), logValue(text).c_str());
  if (text != default_) {
    storage.WriteString(*this, text.c_str());
  } else {
    storage.Delete(*this);
  }
}

void CVXArchiveParameterString::Load(void* record, CVXStorage& storage) const {
  if (Size() == 0) return;
  char* target = field<char>(record);
  target[Size() - 1] = '\0';  // a storage that keeps the field as it is must still see a terminated text
  storage.ReadString(*this, target, Size(), default_.c_str());
  Log(kArchiveChannel, LOG_TRACE, "%s <- (String) %s", logName().c_str(), logValue(value(record)).c_str());
}

std::string CVXArchiveParameterString::Text(const void* record) const { return logValue(value(record)); }

CVXArchiveParameterStringCrypted::CVXArchiveParameterStringCrypted(const ParameterSpec& spec)
    : CVXArchiveParameterString(spec), encryptedDefault_(EncryptString(Default())) {}

void CVXArchiveParameterStringCrypted::Save(const void* record, CVXStorage& storage) const {
  bool crypted = storage.IsCrypted();
  std::string form = crypted ? EncryptString(value(record)) : value(record);
  Log(kArchiveChannel, LOG_TRACE, "%s -> (Crypted String) %s", logName().c_str(),
      (crypted ? form : logValue(form)).c_str());
  if (form != (crypted ? encryptedDefault_ : Default())) {
    storage.WriteString(*this, form.c_str());
  } else {
    storage.Delete(*this);
  }
}

// The read buffer holds the whole encrypted form of a full field, so that the longest text
// still comes back instead of failing the read.
void CVXArchiveParameterStringCrypted::Load(void* record, CVXStorage& storage) const {
  bool crypted = storage.IsCrypted();
  std::vector<char> stored(EncryptedCapacity(Size()), '\0');
  storage.ReadString(*this, stored.data(), stored.size(), crypted ? encryptedDefault_.c_str() : Default().c_str());
  std::string form(stored.data());
  if (crypted) {
    assign(record, DecryptString(form));
  } else if (!form.empty()) {
    assign(record, form);
  }
  Log(kArchiveChannel, LOG_TRACE, "%s <- (Crypted String) %s", logName().c_str(),
      (crypted ? form : logValue(form)).c_str());
}

}  // namespace vx
