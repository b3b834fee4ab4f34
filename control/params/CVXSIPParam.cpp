#include "control/params/CVXSIPParam.hpp"

#include "control/params/detail/ParameterRows.hpp"

namespace vx {
namespace {

using namespace detail;
using R = VXSIPParam;

constexpr ParameterSpec kParameters[] = {
    ulongRow("UserAgentPort", VX_FIELD(R, UserAgentPort), 0),
    ulongRow("UserAgentPort2", VX_FIELD(R, UserAgentPort2), 0),
    textRow("MessagesWaitingURI", VX_FIELD(R, MessagesWaitingURI), ""),
    textRow("ConferenceFactoryURI", VX_FIELD(R, ConferenceFactoryURI), ""),
    textRow("UserAgentURI", VX_FIELD(R, UserAgentURI), ""),
    textRow("UserAgentURI2", VX_FIELD(R, UserAgentURI2), ""),
    textRow("UserAgentNumber", VX_FIELD(R, UserAgentNumber), ""),
    textRow("UserAgentName", VX_FIELD(R, UserAgentName), ""),
    textRow("UserAgentName2", VX_FIELD(R, UserAgentName2), ""),
    ulongRow("UseSeparatePort", VX_FIELD(R, UseSeparatePort), 0),
    ulongRow("RemoteRingback", VX_FIELD(R, RemoteRingback), 0),
    ulongRow("LocalRingbackMode", VX_FIELD(R, LocalRingbackMode), 3),
    textRow("Transport", VX_FIELD(R, Transport), "UDP"),
    textRow("RegistrationUser", VX_FIELD(R, RegistrationUser), ""),
    textRow("RegistrationUser2", VX_FIELD(R, RegistrationUser2), ""),
    passwordRow("RegistrationPassword", VX_FIELD(R, RegistrationPassword)),
    passwordRow("RegistrationPassword2", VX_FIELD(R, RegistrationPassword2)),
    textRow("ProxyAddress", VX_FIELD(R, ProxyAddress), ""),
    textRow("ProxyAddress2", VX_FIELD(R, ProxyAddress2), ""),
    ulongRow("DTMFMode", VX_FIELD(R, DTMFMode), 3),
    ulongRow("UseOverlapSending", VX_FIELD(R, UseOverlapSending), 0),
    ulongRow("Language", VX_FIELD(R, Language), 0),
    textRow("ConfigurationPages", VX_FIELD(R, ConfigurationPages), "1,2,3,5,4"),
    textRow("UserAgent", VX_FIELD(R, UserAgent), "SIP Orvi Phone (Build: VXPhoneSIP W32 5.05.69 OD)"),
    ulongRow("UseRPort", VX_FIELD(R, UseRPort), 1),
    ulongRow("UseReplaces", VX_FIELD(R, UseReplaces), 1),
    ulongRow("EarlyMedia", VX_FIELD(R, EarlyMedia), 1),
    ulongRow("LooseTagCheck", VX_FIELD(R, LooseTagCheck), 0),
    ulongRow("OldHoldMethod", VX_FIELD(R, OldHoldMethod), 0),
    ulongRow("SessionMediaMode", VX_FIELD(R, SessionMediaMode), 1),
    ulongRow("LimitCodec", VX_FIELD(R, LimitCodec), 0),
    ulongRow("RegisterInterval", VX_FIELD(R, RegisterInterval), 3600),
    ulongRow("PortRefreshMethod", VX_FIELD(R, PortRefreshMethod), 1),
    textRow("UpgradeUrl", VX_FIELD(R, UpgradeUrl), ""),
    textRow("UpgradeComment", VX_FIELD(R, UpgradeComment), ""),
    ulongRow("ForcedUpgrade", VX_FIELD(R, ForcedUpgrade), 0),
    textRow("ConfigFile", VX_FIELD(R, ConfigFile), ""),
    textRow("DigitMap", VX_FIELD(R, DigitMap), ""),
    ulongRow("DnsSrvRecord", VX_FIELD(R, DnsSrvRecord), 0),
};

}  // namespace

// The registry switch starts off: the phone control never reads or writes SIP settings there.
const GroupTraits CVXSIPParam::kTraits{"VXSIPParam", "SIP", RegistryHive::LocalMachine, "SOFTWARE\\Orvi Media\\SIP",
                                       false};

CVXSIPParam::CVXSIPParam(std::unique_ptr<CVXStorage> storage)
    : TVXArchive(kTraits.typeName, kParameters, std::move(storage)) {}

}  // namespace vx
