#pragma once
// The SIP engine's settings. The phone control keeps them in memory only: they start from
// their defaults in every process and change through the control and configuration documents.
#include "control/params/TVXArchive.hpp"

namespace vx {

struct VXSIPParam {
  DWORD UserAgentPort;
  DWORD UserAgentPort2;
  char MessagesWaitingURI[128];
  char ConferenceFactoryURI[128];
  char UserAgentURI[128];
  char UserAgentURI2[128];
  char UserAgentNumber[128];
  char UserAgentName[128];
  char UserAgentName2[128];
  DWORD UseSeparatePort;
  DWORD RemoteRingback;
  DWORD LocalRingbackMode;
  char Transport[128];
  char RegistrationUser[128];
  char RegistrationUser2[128];
  char RegistrationPassword[128];
  char RegistrationPassword2[128];
  char ProxyAddress[128];
  char ProxyAddress2[128];
  DWORD DTMFMode;
  DWORD UseOverlapSending;
  DWORD Language;
  char ConfigurationPages[32];
  char UserAgent[128];
  DWORD UseRPort;
  DWORD UseReplaces;
  DWORD EarlyMedia;
  DWORD LooseTagCheck;
  DWORD OldHoldMethod;
  DWORD SessionMediaMode;
  DWORD LimitCodec;
  DWORD RegisterInterval;
  DWORD PortRefreshMethod;
  char UpgradeUrl[260];
  char UpgradeComment[260];
  DWORD ForcedUpgrade;
  char ConfigFile[260];
  char DigitMap[260];
  DWORD DnsSrvRecord;
};

class CVXSIPParam final : public TVXArchive<VXSIPParam>, public TVXParamGroup<CVXSIPParam> {
 public:
  static const GroupTraits kTraits;

 private:
  friend class TVXParamGroup<CVXSIPParam>;
  explicit CVXSIPParam(std::unique_ptr<CVXStorage> storage);
};

}  // namespace vx
