// Per-user text settings: organization "Quenbrook", application "Harvelux"
// (on Linux ~/.config/Quenbrook/Harvelux.conf), keys at the top level.
#pragma once

#include <string>

namespace harvelux {

class SettingsStore {
public:
    // The stored text, or `fallback` when the key is absent.
    std::string read(const std::string& key, const std::string& fallback) const;
    void write(const std::string& key, const std::string& value);
};

}  // namespace harvelux
