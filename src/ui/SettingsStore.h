// Per-user text settings: organization "Quenbrook", application "Harvelux"
// (on Linux ~/.config/Quenbrook/Harvelux.conf), keys at the top level.
// The file is read and written only when it is a regular file (links
// followed) or absent; anything else there is left untouched and every read
// gives its default.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

namespace harvelux {

class SettingsStore {
public:
    // The stored text, or `fallback` when the key is absent.
    std::string read(const std::string& key, const std::string& fallback) const;
    void write(const std::string& key, const std::string& value);
    // Several keys at once: the store is opened and written out only once.
    void write(std::initializer_list<std::pair<std::string, std::string>> entries);
};

}  // namespace harvelux
