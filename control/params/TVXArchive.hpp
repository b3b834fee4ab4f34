#pragma once
// A parameter group: a record of fixed-size fields that callers read and change directly,
// the descriptors of those fields, and the storage they load from and save to. Nothing is
// locked: the record is written on the host's thread while no engine thread reads it.
#include <atomic>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "control/params/CVXArchiveParameter.hpp"
#include "control/params/CVXStorage.hpp"
#include "control/params/ParamsConfig.hpp"

class TiXmlElement;

namespace vx {

// The part of a group that does not depend on its record type.
class CVXArchiveCore {
 public:
  CVXArchiveCore(const CVXArchiveCore&) = delete;
  CVXArchiveCore& operator=(const CVXArchiveCore&) = delete;

  void Load();
  void Save(const char* section, const char* key);
  void Save(const char* key);
  void SaveAll();
  // Deletes the stored value and loads the parameter again, which gives its default.
  void Reset(const char* section, const char* key);
  void Reset(const char* key);
  void ResetAll();
  // Loads and saves go to `storage` until it is set again; null selects the group's own storage.
  void SetStorage(CVXStorage* storage);

  // Loads what one element of a configuration document holds (a missing element holds
  // nothing) and saves the whole group to its own storage.
  void Import(const TiXmlElement* element);

  // A read-only group refuses saves and resets with an assertion.
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
  bool ReadOnly() const { return readOnly_; }

  const char* TypeName() const { return typeName_; }
  CVXStorage& Storage() const { return *storage_; }
  const std::vector<std::unique_ptr<CVXArchiveParameter>>& Parameters() const { return parameters_; }
  // The current value of a parameter as text, passwords masked.
  std::string Text(const CVXArchiveParameter& parameter) const { return parameter.Text(record_); }

 protected:
  CVXArchiveCore(const char* typeName, void* record, std::span<const ParameterSpec> specs,
                 std::unique_ptr<CVXStorage> storage);
  ~CVXArchiveCore();

 private:
  // By section and key, or by key alone (first match) when `section` is null.
  CVXArchiveParameter* find(const char* section, const char* key) const;
  // The parameter to save or reset, or null after reporting why there is none.
  CVXArchiveParameter* target(const char* section, const char* key, paramsconfig::FaultSite readOnlySite,
                              paramsconfig::FaultSite missingSite) const;

  const char* typeName_;
  void* record_;
  bool readOnly_ = false;
  std::vector<std::unique_ptr<CVXArchiveParameter>> parameters_;  // in creation order
  std::unique_ptr<CVXStorage> ownStorage_;
  CVXStorage* storage_;
};

// A group with record type T: the fields of T are members of the group.
template <typename T>
class TVXArchive : public T, public CVXArchiveCore {
 public:
  T& Record() { return *this; }
  const T& Record() const { return *this; }

 protected:
  TVXArchive(const char* typeName, std::span<const ParameterSpec> specs, std::unique_ptr<CVXStorage> storage)
      : T{}, CVXArchiveCore(typeName, static_cast<T*>(this), specs, std::move(storage)) {}
};

enum class RegistryHive { LocalMachine, CurrentUser };

// Where a group lives: its registry key, its element in a configuration document, and
// whether its registry switch starts on.
struct GroupTraits {
  const char* typeName;
  const char* element;
  RegistryHive hive;
  const char* keyPath;
  bool registryByDefault;
};

namespace detail {
// The storage a group is created with: its registry key, or nothing when the switch is off.
std::unique_ptr<CVXStorage> makeGroupStorage(const GroupTraits& traits, bool useRegistry);
}  // namespace detail

// The process-wide instance of group G, created and loaded on first use. G provides
// `static const GroupTraits kTraits` and a constructor taking its storage.
template <typename G>
class TVXParamGroup {
 public:
  static G* Instance() {
    if (G* group = slot().instance.load(std::memory_order_acquire)) return group;
    std::lock_guard guard(slot().mutex);
    if (!slot().owner) {
      slot().owner.reset(new G(detail::makeGroupStorage(G::kTraits, slot().useRegistry.load())));
      slot().owner->Load();
      slot().instance.store(slot().owner.get(), std::memory_order_release);
      G::Created();
    }
    return slot().owner.get();
  }

  // Deletes the group and its storage; the next use creates and loads it again.
  static void Release() {
    std::lock_guard guard(slot().mutex);
    slot().instance.store(nullptr, std::memory_order_release);
    slot().owner.reset();
  }

  // Selects the registry (on) or a dummy storage (off) for the next creation of the group.
  static void UseRegistry(bool on) { slot().useRegistry.store(on); }
  static bool UsesRegistry() { return slot().useRegistry.load(); }

 protected:
  static void Created() {}

 private:
  struct Slot {
    std::recursive_mutex mutex;  // guards creation and release
    std::atomic<G*> instance{nullptr};
    std::unique_ptr<G> owner;
    std::atomic<bool> useRegistry{G::kTraits.registryByDefault};
  };
  static Slot& slot() {
    static Slot instance;
    return instance;
  }
};

}  // namespace vx
