#include "shell/ProgressBar.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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
    steps_ = static_cast<int>(std::lround(clamped * kStepsPerPercent));
    showSteps(false);
}

void ProgressBar::showSteps(bool always) {
    const long long change = std::abs(static_cast<long long>(steps_) - value());
    if (always || steps_ == minimum() || steps_ == maximum() ||
        change * std::max(width(), 1) >= static_cast<long long>(maximum() - minimum()))
        setValue(steps_);
}

void ProgressBar::resizeEvent(QResizeEvent* event) {
    QProgressBar::resizeEvent(event);
    showSteps(true);
}

}  // namespace harvelux::shell
