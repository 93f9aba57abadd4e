// The main window's extraction run: "Start Extracting" wires the list, the
// options, the results window and the progress bar into one run; Escape or
// "Stop Extracting" asks whether to stop it; the option box keeps its value
// while the run reads it.
#include "extract/EngineDocumentReader.h"
#include "shell/CommandBars.h"
#include "shell/Form1.h"

#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>

#include <optional>

namespace harvelux::shell {

namespace {

// Hands the remaining documents over as empty once the program is ending, so
// a run abandoned by "&Exit" or the close box winds down at once.
class EndingAwareReader final : public extract::DocumentTextReader {
public:
    EndingAwareReader(extract::DocumentTextReader& reader, const bool& ending) : reader_(reader), ending_(ending) {}
    std::string ReturnDocumentString(const std::string& path) override {
        return ending_ ? std::string() : reader_.ReturnDocumentString(path);
    }
    bool WarnIfWordOpen() override { return reader_.WarnIfWordOpen(); }
    void beginRun(std::vector<std::string> paths) override { reader_.beginRun(std::move(paths)); }
    void endRun() override { reader_.endRun(); }
    std::optional<std::string> unreadReason() const override { return ending_ ? std::nullopt : reader_.unreadReason(); }
    bool unreadIsOtherFile() const override { return !ending_ && reader_.unreadIsOtherFile(); }
    // The stories and inner documents of the document just read go on to
    // the run, as the command line's reader hands them on.
    std::vector<extract::InnerText> takeInnerDocuments() override {
        return ending_ ? std::vector<extract::InnerText>() : reader_.takeInnerDocuments();
    }
    wordproc::StorySpans takeStories() override { return ending_ ? wordproc::StorySpans() : reader_.takeStories(); }

private:
    extract::DocumentTextReader& reader_;
    const bool& ending_;
};

}  // namespace

void Form1::Start() {
    if (isBusy() || ending_ || services_.results.isBusy()) return;
    WorkScope scope(work_, Work::Run);
    extract::Word1 word(services_.engine, services_.platform, pointer_, services_.wordProcessorRunning);
    // Documents are read ahead on worker threads while the run takes their
    // texts in list order, pumping window messages while it waits.
    wordproc::ReadOptions readOptions{allStories_};
    readOptions.ocr = ocr_;
    word.setReadOptions(readOptions);
    word.setReadAhead(services_.readAheadJobs);
    EndingAwareReader reader(word, ending_);
    stopRequested_ = false;
    const std::vector<std::string> modes = runModes();
    progressSink_.beginRun(modes);
    ShowRunState(*toolbar_, *menuBar_, true);
    extract::RunSummary summary;
    extract::RunWiring wiring{
        fileList_,
        [this] { return optionValue(); },
        services_.results.resultRows(),
        progressSink_,
        pointer_,
        services_.platform,
        reader,
        [this, &summary, &modes] {
            if (ending_) return;
            summary.modes = modes;
            services_.results.setRunSummary(summary);
            services_.results.showResults();
        },
        [this] {
            if (!ending_) hide();
        },
        &platform::ThrottledPump::coarseNow,
        &summary,
        [this] { return stopRequested_; },
        {},
        international_,
    };
    wiring.index = services_.results.addressIndex();
    extract::Start(wiring);
    ShowRunState(*toolbar_, *menuBar_, false);
}

std::vector<std::string> Form1::runModes() const {
    std::vector<std::string> modes;
    if (allStories_) modes.emplace_back("whole documents");
    return modes;
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier || work_ != Work::Run) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    askToStop();
}

void Form1::askToStop() {
    // The question lets messages through while it is up: a second Escape
    // then must not ask again, nor a stop already chosen be asked for anew.
    if (work_ != Work::Run || askingToStop_ || stopRequested_ || ending_) return;
    askingToStop_ = true;
    const platform::Answer answer = services_.platform.messageBox(kStopQuestion, platform::Buttons::YesNoDefaultNo,
                                                                  platform::Icon::None, platform::kApplicationTitle);
    askingToStop_ = false;
    if (answer == platform::Answer::Yes && work_ == Work::Run) stopRequested_ = true;
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // The run reads the option for every row: it keeps its value until the
    // run is over.
    if (watched == check_ && work_ == Work::Run) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
                return true;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace harvelux::shell
