#pragma once
// USB handset settings.
#include "control/params/TVXArchive.hpp"

namespace vx {

struct SVXHandsetParam {
  DWORD Enable;
  DWORD Vid;
  DWORD Pid;
  DWORD UseOnlySelected;
  DWORD TJNetTranslation;
};

class CVXHandsetParam final : public TVXArchive<SVXHandsetParam>, public TVXParamGroup<CVXHandsetParam> {
 public:
  static const GroupTraits kTraits;

  // Tells whether another handset service owns the handset; then Enable defaults to 0.
  // Checked each time the group is created. None is known on this platform unless set.
  using ForeignServiceProbe = bool (*)();
  static void SetForeignServiceProbe(ForeignServiceProbe probe);

 private:
  friend class TVXParamGroup<CVXHandsetParam>;
  explicit CVXHandsetParam(std::unique_ptr<CVXStorage> storage);
};

}  // namespace vx
