#include "control/params/TVXArchive.hpp"

#include <cstring>

#include "control/params/CVXStorageDummy.hpp"
#include "control/params/CVXStorageRegistry.hpp"
#include "control/params/CVXStorageXml.hpp"
#include "control/params/detail/Fault.hpp"
#include "runtime/log/Log.hpp"

namespace vx {
namespace {

using namespace paramsconfig;

}  // namespace

CVXArchiveCore::CVXArchiveCore(const char* typeName, void* record, std::span<const ParameterSpec> specs,
                               std::unique_ptr<CVXStorage> storage)
    : typeName_(typeName), record_(record), ownStorage_(std::move(storage)), storage_(ownStorage_.get()) {
  parameters_.reserve(specs.size());
  for (const ParameterSpec& spec : specs) {
    parameters_.push_back(CVXArchiveParameter::Create(spec));
    parameters_.back()->SetDefault(record_);
  }
}

CVXArchiveCore::~CVXArchiveCore() = default;

void CVXArchiveCore::SetStorage(CVXStorage* storage) { storage_ = storage ? storage : ownStorage_.get(); }

void CVXArchiveCore::Load() {
  Log(kArchiveChannel, LOG_INFO, "Loading %s parameters from %s...", typeName_, storage_->Name());
  for (const auto& parameter : parameters_) parameter->Load(record_, *storage_);
}

CVXArchiveParameter* CVXArchiveCore::find(const char* section, const char* key) const {
  for (const auto& parameter : parameters_) {
    if (parameter->Key() != (key ? key : "")) continue;
    if (!section || parameter->Section() == section) return parameter.get();
  }
  return nullptr;
}

CVXArchiveParameter* CVXArchiveCore::target(const char* section, const char* key, FaultSite readOnlySite,
                                            FaultSite missingSite) const {
  if (readOnly_) {
    detail::reportFault(readOnlySite);
    return nullptr;
  }
  CVXArchiveParameter* parameter = find(section, key);
  if (!parameter) detail::reportFault(missingSite);
  return parameter;
}

void CVXArchiveCore::Save(const char* section, const char* key) {
  Log(kArchiveChannel, LOG_INFO, "Saving %s parameter %s to %s...", typeName_, key ? key : "", storage_->Name());
  if (CVXArchiveParameter* parameter = target(section ? section : "", key, kSaveSectionReadOnly, kSaveSectionMissing)) {
    parameter->Save(record_, *storage_);
  }
}

void CVXArchiveCore::Save(const char* key) {
  Log(kArchiveChannel, LOG_INFO, "Saving %s parameter %s to %s...", typeName_, key ? key : "", storage_->Name());
  if (CVXArchiveParameter* parameter = target(nullptr, key, kSaveKeyReadOnly, kSaveKeyMissing)) {
    parameter->Save(record_, *storage_);
  }
}

void CVXArchiveCore::SaveAll() {
  Log(kArchiveChannel, LOG_INFO, "Saving %s parameters to %s...", typeName_, storage_->Name());
  if (readOnly_) {
    detail::reportFault(kSaveAllReadOnly);
    return;
  }
  for (const auto& parameter : parameters_) parameter->Save(record_, *storage_);
}

void CVXArchiveCore::Reset(const char* section, const char* key) {
  Log(kArchiveChannel, LOG_INFO, "Reset %s parameter %s to %s...", typeName_, key ? key : "", storage_->Name());
  if (CVXArchiveParameter* parameter =
          target(section ? section : "", key, kResetSectionReadOnly, kResetSectionMissing)) {
    parameter->Delete(*storage_);
    parameter->Load(record_, *storage_);
  }
}

void CVXArchiveCore::Reset(const char* key) {
  Log(kArchiveChannel, LOG_INFO, "Reset %s parameter %s to %s...", typeName_, key ? key : "", storage_->Name());
  if (CVXArchiveParameter* parameter = target(nullptr, key, kResetKeyReadOnly, kResetKeyMissing)) {
    parameter->Delete(*storage_);
    parameter->Load(record_, *storage_);
  }
}

void CVXArchiveCore::ResetAll() {
  Log(kArchiveChannel, LOG_INFO, "Reset %s parameters to %s...", typeName_, storage_->Name());
  if (readOnly_) {
    detail::reportFault(kResetAllReadOnly);
    return;
  }
  for (const auto& parameter : parameters_) {
    parameter->Delete(*storage_);
    parameter->Load(record_, *storage_);
  }
}

void CVXArchiveCore::Import(const TiXmlElement* element) {
  CVXStorageXml document(element);
  SetStorage(&document);
  Load();
  SetStorage(nullptr);
  SaveAll();
}

namespace detail {

std::unique_ptr<CVXStorage> makeGroupStorage(const GroupTraits& traits, bool useRegistry) {
  if (!useRegistry) return std::make_unique<CVXStorageDummy>();
  HKEY root = traits.hive == RegistryHive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
  return std::make_unique<CVXStorageRegistry>(root, traits.keyPath);
}

}  // namespace detail
}  // namespace vx
