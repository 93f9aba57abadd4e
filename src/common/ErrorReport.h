// The "Application Error" message box, and the error trap of the procedures
// that number their lines: a failing step is reported with the procedure's
// location and line number, then execution goes on with the next step.
#pragma once

#include "platform/Platform.h"

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace harvelux {

inline constexpr const char* kSupportAddress = "support@quenbrook.com";

// The full text of the report, e.g. for module "Form1", procedure "Start",
// line 124: "<description>\r\nin Harvelux5/20/2014.Form1.Start at line 124\r\r
// Please email screenshot of this message to support@quenbrook.com".
std::string errorReportText(const std::string& description, const std::string& module, const std::string& procedure,
                            int line);

// Shows the report: OK button, warning icon, title "Application Error".
void showErrorReport(platform::Platform& platform, const std::string& description, const std::string& module,
                     const std::string& procedure, int line);

// The description of whatever was thrown.
std::string describeException(std::exception_ptr error);

// Where a trap sends a failed step instead of the message box: the step's
// line and the description of what was thrown. The command-line extractor
// writes these to standard error.
using StepFailureReport = std::function<void(int line, const std::string& description)>;

// Runs a procedure's numbered steps under a reporting trap:
//
//     ErrorTrap trap(platform, "Form1", "Start");
//     trap.step(124, [&] { text = ReturnDocumentString(path); });
//
// A step that throws is reported with its line (to `report` if one is given,
// else in the message box), and the call returns false; whatever the step was
// to assign keeps its old value. Nothing escapes.
class ErrorTrap {
public:
    ErrorTrap(platform::Platform& platform, std::string module, std::string procedure, StepFailureReport report = {})
        : platform_(platform),
          module_(std::move(module)),
          procedure_(std::move(procedure)),
          report_(std::move(report)) {}

    template <typename Step>
    bool step(int line, Step&& body) {
        line_ = line;
        try {
            std::forward<Step>(body)();
            return true;
        } catch (...) {
            const std::string description = describeException(std::current_exception());
            if (report_)
                report_(line, description);
            else
                showErrorReport(platform_, description, module_, procedure_, line);
            return false;
        }
    }

    // The number of the step that ran last.
    int line() const { return line_; }

private:
    platform::Platform& platform_;
    std::string module_;
    std::string procedure_;
    StepFailureReport report_;
    int line_ = 0;
};

}  // namespace harvelux
