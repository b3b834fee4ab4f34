#pragma once
// The events of the control: their DISPIDs and parameters, and the window message that
// carries each notification to the host's thread.
#include <cstdint>

#include "control/ax/NotifyRecord.hpp"
#include "platform/com/ConnectionPoint.hpp"
#include "platform/com/TypeInfo.hpp"
#include "platform/win32/Messages.hpp"

namespace vx {

// The event interface _IVXBaseAxEvents.
inline const IID DIID__IVXBaseAxEvents = *parseGuid("{2C7E58A0-93F1-4B6D-A4C2-71E0D9B3F5A6}");

// Window messages of the notifications.
enum NotifyMessage : UINT {
  WM_VX_CALLSTATECHANGED = WM_USER + 1,
  WM_VX_NETWORKCHANGED = WM_USER + 2,
  WM_VX_DTMF = WM_USER + 3,
  WM_VX_CALLERID = WM_USER + 4,
  WM_VX_CALLEDID = WM_USER + 5,
  WM_VX_MESSAGE = WM_USER + 6,
  WM_VX_PRESENCESTATECHANGED = WM_USER + 7,
  WM_VX_REGISTRATIONSTATECHANGED = WM_USER + 12,
  WM_VX_PHONEKEY = WM_USER + 13,
  WM_VX_PHONEOFFHOOK = WM_USER + 14,
  WM_VX_PHONEFUNCTIONKEY = WM_USER + 15,
  WM_VX_ENDPLAY = WM_USER + 16,
  WM_VX_LEVELMICRO = WM_USER + 17,
  WM_VX_LEVELSPEAKERS = WM_USER + 18,
  WM_VX_SILENCE = WM_USER + 20,
  WM_VX_MICROMETER = WM_USER + 21,
  WM_VX_SPEAKERSMETER = WM_USER + 22,
  WM_VX_BALANCE = WM_USER + 30,
  WM_VX_INFO = WM_USER + 35,
  WM_VX_MEDIAMODE = WM_USER + 36,
  WM_VX_MESSAGESWAITING = WM_USER + 38,
  WM_VX_ALERTINFO = WM_USER + 39,
  WM_VX_CONFERENCE = WM_USER + 40,
  WM_VX_JOINCONFERENCE = WM_USER + 41,
  WM_VX_UPDATECALL = WM_USER + 42,
  WM_VX_REGISTRATIONSTATEBYACCOUNTCHANGED = WM_USER + 44,
};

// Whether a message carries a NotifyRecord (else a plain value in the first parameter).
bool CarriesRecord(UINT message);

// Raises the event of `message` to every sink, with its entry and exit trace lines.
// False for a message that is not a notification.
bool RaiseNotifyEvent(EventSinks& sinks, UINT message, WPARAM value, const NotifyRecord* record);

// Events and their parameters, for hosts that show them by name.
const TypeInfo& ControlTypeInfo();

}  // namespace vx
