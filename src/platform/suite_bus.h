// Events between the programs of the suite on the D-Bus session bus. Each
// running program owns the name com.kelvane.Suite.<Name>.i<pid> and serves,
// at /com/kelvane/Suite, the interface com.kelvane.Suite.Events with one
// method, Deliver(u eventClass, u eventId, ay message).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

using SuiteEventHandler = void (*)(std::uint32_t eventClass, std::uint32_t eventId, const std::string& message);

// Takes this process's name on the bus and hands each delivered event to
// the handler, on the event loop; false when there is no bus to use.
bool InstallSuiteEventHandler(std::string_view processName, SuiteEventHandler handler);
// Sends the event to every other process of that name on the bus (an empty
// name: to every one) without waiting for an answer; how many it went to.
int SendSuiteEvent(std::string_view processName, std::uint32_t eventClass, std::uint32_t eventId,
                   std::string_view message);
// Whether a process of that name other than this one is on the bus.
bool SuiteProcessOnBus(std::string_view processName);
// com.kelvane.Suite.<Name>.i<pid>; a character of the name outside
// [A-Za-z0-9_] is written as _ and two hex digits.
std::string SuiteBusName(std::string_view processName, long long pid);
