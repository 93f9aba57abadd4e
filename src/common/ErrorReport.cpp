#include "common/ErrorReport.h"

#include <stdexcept>

namespace harvelux {

std::string errorReportText(const std::string& description, const std::string& module, const std::string& procedure,
                            int line) {
    std::string text = description;
    text += "\r\n";
    text += "in Harvelux5/20/2014.";
    text += module;
    text += '.';
    text += procedure;
    text += ' ';
    text += "at line ";
    text += std::to_string(line);
    text += "\r\r";
    text += "Please email screenshot of this message to ";
    text += kSupportAddress;
    return text;
}

void showErrorReport(platform::Platform& platform, const std::string& description, const std::string& module,
                     const std::string& procedure, int line) {
    platform.messageBox(errorReportText(description, module, procedure, line), platform::Buttons::Ok,
                        platform::Icon::Warning, "Application Error");
}

std::string describeException(std::exception_ptr error) {
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {}
    return "Unknown error";
}

}  // namespace harvelux
