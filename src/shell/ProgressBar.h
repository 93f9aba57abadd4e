// The progress bar (ProgressBar1): shows the program's own text instead of a
// percentage, and keeps a hundredth of a percent of resolution, since the
// share of documents done is rarely a whole percent.
#pragma once

#include "extract/ExtractionRun.h"

#include <QProgressBar>

namespace harvelux::shell {

class ProgressBar final : public QProgressBar {
    Q_OBJECT
public:
    static constexpr int kStepsPerPercent = 100;

    explicit ProgressBar(QWidget* parent = nullptr);

    void setDisplayText(const QString& text);
    QString text() const override { return displayText_; }

    // The value in percent (0 to 100, fractions kept).
    void setPercent(double percent);
    double percent() const { return static_cast<double>(value()) / kStepsPerPercent; }

private:
    QString displayText_;
};

// The extraction run's view of the progress bar.
class ProgressBarSink final : public extract::ProgressSink {
public:
    explicit ProgressBarSink(ProgressBar& bar) : bar_(bar) {}
    void setValue(double percent) override { bar_.setPercent(percent); }
    void setText(const std::string& text) override { bar_.setDisplayText(QString::fromStdString(text)); }

private:
    ProgressBar& bar_;
};

}  // namespace harvelux::shell
