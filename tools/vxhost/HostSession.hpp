#pragma once
// A scriptable host of one automation control: it creates the control through the registry,
// connects an event sink, and runs commands against it.
//
//   get NAME [ARG...]            read a property, print "NAME = value"
//   put NAME [ARG...] VALUE      write a property
//   call NAME [ARG...]           call a method, print its result if it has one
//   wait EVENT [P=V...] SECONDS  pump events until EVENT (with those arguments) arrives
//   sleep MS                     pump events for MS milliseconds
//   try COMMAND                  run COMMAND; a failure is reported but does not stop the script
//   params [GROUP]               print the control's parameters as "Group.Key=value", passwords masked
//
// Arguments are words or "quoted text"; @null is the null string. Every event is printed as
// "event NAME(PARAM=value, ...)", enumerations by name.
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "platform/com/ComPtr.hpp"
#include "platform/com/Dispatch.hpp"
#include "platform/com/TypeInfo.hpp"

namespace vx::host {

enum ExitCode { kExitOk = 0, kExitMemberFailed = 1, kExitWaitTimedOut = 2, kExitUsage = 3 };

struct ReceivedEvent {
  std::string name;
  std::vector<std::string> paramNames;
  std::vector<std::string> values;  // as printed: enum names where the parameter has one
};

class HostSession {
 public:
  explicit HostSession(std::FILE* out) : out_(out) {}
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // Creates the control by ProgID or "{CLSID}" and connects to its events; kExitOk or kExitUsage.
  int Create(const std::string& progId, const std::string& clsid);
  // Applies a configuration document through the control's SetConfigurationFile.
  int ApplyConfiguration(const std::string& path);
  // Runs one command line; returns an exit code (kExitOk to go on).
  int Run(const std::string& line);

  // Called by the sink for every event, on this thread.
  void OnEvent(DISPID dispid, const std::vector<Variant>& args);

 private:
  int RunWords(std::vector<std::string> words, bool tolerant);
  int Invoke(const std::string& verb, const std::vector<std::string>& words);
  int Wait(const std::vector<std::string>& words);
  int Sleep(const std::vector<std::string>& words);
  int Params(const std::vector<std::string>& words);
  int ReportFailure(const std::string& member, HRESULT hr);
  bool TakeMatchingEvent(const std::string& name, const std::vector<std::string>& conditions);
  std::string Show(const Variant& value, const EnumInfo* enumeration) const;

  std::FILE* out_;
  ComPtr<IDispatch> control_;
  ComPtr<IDispatch> sink_;
  const TypeInfo* typeInfo_ = nullptr;
  DWORD cookie_ = 0;
  std::deque<ReceivedEvent> unclaimed_;  // events no wait has taken yet
};

// Splits a command line into words: blanks separate, double quotes group, \" and \\ escape.
std::vector<std::string> SplitWords(const std::string& line);

}  // namespace vx::host
