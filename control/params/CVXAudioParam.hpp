#pragma once
// Sound devices and voice processing switches.
#include "control/params/TVXArchive.hpp"

namespace vx {

struct VXAudioParam {
  char Playback[32];
  char Recording[32];
  DWORD UseOnlySelected;
  DWORD UseVAD;
  DWORD UseAEC;
  DWORD UseAGC;
  DWORD UseNR;
  DWORD DeviceType;  // a tAudioDeviceType
};

class CVXAudioParam final : public TVXArchive<VXAudioParam>, public TVXParamGroup<CVXAudioParam> {
 public:
  static const GroupTraits kTraits;

 private:
  friend class TVXParamGroup<CVXAudioParam>;
  explicit CVXAudioParam(std::unique_ptr<CVXStorage> storage);
};

}  // namespace vx
