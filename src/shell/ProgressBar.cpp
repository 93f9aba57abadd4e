#include "shell/ProgressBar.h"

#include <algorithm>
#include <cmath>

namespace harvelux::shell {

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent), displayText_(extract::kProgressIdle) {
    setRange(0, 100 * kStepsPerPercent);
    setValue(0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
}

void ProgressBar::setDisplayText(const QString& text) {
    displayText_ = text;
    update();
}

void ProgressBar::setPercent(double percent) {
    if (!std::isfinite(percent)) percent = 0;
    const double clamped = std::clamp(percent, 0.0, 100.0);
    setValue(static_cast<int>(std::lround(clamped * kStepsPerPercent)));
}

}  // namespace harvelux::shell
