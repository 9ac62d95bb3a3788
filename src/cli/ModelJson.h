#pragma once

#include <nlohmann/json.hpp>

namespace tarnell {

class CSettingsFile;

// The summary `fdutool info --json` prints.
nlohmann::ordered_json InfoJson(const CSettingsFile& file, int favCodepage);
// The whole model, for `fdutool dump`.
nlohmann::ordered_json DumpJson(const CSettingsFile& file, int favCodepage);
// The summary as text lines.
std::string InfoText(const nlohmann::ordered_json& info);

} // namespace tarnell
