// The progress bar (ProgressBar1): shows the program's own text instead of a
// percentage, and keeps a hundredth of a percent of resolution, since the
// share of documents done is rarely a whole percent.
//
// A run over many documents sets the value once per document, thousands of
// times a second. Handing each value to QProgressBar would make it measure
// its text every time to decide whether to repaint, so the bar is moved only
// when the change shows (a pixel or more of its width), and at 0 and 100.
#pragma once

#include "extract/ExtractionRun.h"
#include "shell/RunProgressText.h"

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
    double percent() const { return static_cast<double>(steps_) / kStepsPerPercent; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showSteps(bool always);

    QString displayText_;
    int steps_ = 0;
};

// The extraction run's view of the progress bar: as each document starts,
// the bar names it, the count, the run's modes and the time left.
class ProgressBarSink final : public extract::ProgressSink {
public:
    explicit ProgressBarSink(ProgressBar& bar, RunProgressText::Clock clock = &std::chrono::steady_clock::now)
        : bar_(bar), text_(std::move(clock)) {}
    // Before a run: the modes it uses.
    void beginRun(std::vector<std::string> modes) { text_.begin(std::move(modes)); }
    void setValue(double percent) override { bar_.setPercent(percent); }
    void setText(const std::string& text) override { bar_.setDisplayText(QString::fromStdString(text)); }
    void setDocument(int index, int count) override {
        bar_.setDisplayText(QString::fromStdString(text_.at(index, count)));
    }

private:
    ProgressBar& bar_;
    RunProgressText text_;
};

}  // namespace harvelux::shell
