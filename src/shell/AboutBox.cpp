#include "shell/AboutBox.h"

#include <QtGlobal>

#include <algorithm>
#include <string_view>

namespace harvelux::shell {

std::string aboutText() {
    std::string text = std::string("Harvelux ") + HARVELUX_VERSION +
                       "\rPulls the e-mail addresses out of documents.\r\r"
                       "Licence: proprietary. Copyright Quenbrook.\r\r"
                       "Built with:\r";
    text += std::string("Qt ") + qVersion();
    // The build lists the other libraries as "name version|name version|...".
    const std::string_view libraries = HARVELUX_LIBRARY_VERSIONS;
    std::size_t from = 0;
    while (from < libraries.size()) {
        const std::size_t end = std::min(libraries.find('|', from), libraries.size());
        if (end > from) text += std::string(", ") + std::string(libraries.substr(from, end - from));
        from = end + 1;
    }
    return text;
}

}  // namespace harvelux::shell
