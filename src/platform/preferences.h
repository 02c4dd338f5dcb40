// The per-user preference store: Qt's settings file for the organisation
// and application names the program sets (~/.config/Kelvane/Merestone.conf).
// A missing key, or a value of another type, reads as nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

std::optional<int> PrefInteger(std::string_view key);
std::optional<std::string> PrefText(std::string_view key); // UTF-8
void SetPrefInteger(std::string_view key, int value);
void SetPrefText(std::string_view key, std::string_view utf8);
// Writes what was set to the file; a failure is not reported.
void SyncPrefs();
