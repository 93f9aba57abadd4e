// Shows the results window filled with sample rows, for looking at it and
// trying its commands by hand:
//
//     results_window_demo [--with-filename] [--rows N] [--show-unread] [--screenshot FILE] [--run PATH...]
//
// --rows N adds N generated rows after the samples (ten addresses per
// document). --run reads the documents PATH... with the document engine
// instead of showing the samples, and --show-unread then opens the list of
// those that could not be read. With --screenshot the whole screen is saved
// to FILE once the window is up, and the program ends.
#include "extract/EngineDocumentReader.h"
#include "extract/ExtractionRun.h"
#include "platform/QtPlatform.h"
#include "results/Form2.h"
#include "wordproc/BuiltInEngine.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const bool withFilename = args.contains(QStringLiteral("--with-filename"));
    const qsizetype shotAt = args.indexOf(QStringLiteral("--screenshot"));
    const QString screenshot = shotAt >= 0 && shotAt + 1 < args.size() ? args.at(shotAt + 1) : QString();
    const qsizetype rowsAt = args.indexOf(QStringLiteral("--rows"));
    const long long extraRows = rowsAt >= 0 && rowsAt + 1 < args.size() ? args.at(rowsAt + 1).toLongLong() : 0;

    harvelux::platform::QtPlatform platform;
    harvelux::results::Form2 form(platform);
    platform.setDialogParent(&form);
    form.setShowMainWindow([] { std::puts("Back: the main window would be shown now."); });

    const std::vector<std::pair<std::string, std::string>> rows{
        {"/home/anna/Documents/offer.docx", "sales@northwind-traders.com"},
        {"/home/anna/Documents/offer.docx", "j.smith@example.org"},
        {"/home/anna/Documents/Minutes 2014-05-20.doc", "secretary@riverside-club.org.uk"},
        {"/home/anna/Documents/Minutes 2014-05-20.doc", "treasurer@riverside-club.org.uk"},
        {"/home/anna/Documents/contacts.rtf", "info@quenbrook.com"},
        {"/home/anna/Documents/contacts.rtf", "m.mueller@firma-beispiel.de"},
        {"/home/anna/Documents/Letters/reply.odt", "helpdesk@university.edu"},
    };
    form.setFilenameColumns(withFilename);
    const qsizetype runAt = args.indexOf(QStringLiteral("--run"));
    if (runAt >= 0) {
        struct Paths final : harvelux::extract::FileListSource {
            std::vector<std::string> items;
            int count() const override { return static_cast<int>(items.size()); }
            std::string itemText(int index) const override { return items.at(static_cast<std::size_t>(index - 1)); }
        } paths;
        for (qsizetype i = runAt + 1; i < args.size(); ++i) paths.items.push_back(args.at(i).toStdString());
        struct NoProgress final : harvelux::extract::ProgressSink {
            void setValue(double) override {}
            void setText(const std::string&) override {}
        } progress;
        harvelux::platform::RememberedPointer pointer;
        harvelux::wordproc::BuiltInEngineFactory engine;
        harvelux::extract::Word1 word(engine, platform, pointer, nullptr);
        harvelux::extract::RunSummary summary;
        harvelux::extract::Start({paths, [withFilename] { return withFilename ? 1 : 0; }, form.resultRows(), progress,
                                  pointer, platform, word, [] {}, [] {}, &harvelux::platform::ThrottledPump::coarseNow,
                                  &summary});
        form.setRunSummary(summary);
        form.list().setChecked(2, false);
        form.showResults();
        if (args.contains(QStringLiteral("--show-unread"))) QTimer::singleShot(300, [&form] { form.showUnreadList(); });
        if (!screenshot.isEmpty()) {
            QTimer::singleShot(1500, [&] {
                const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
                QCoreApplication::exit(shot.save(screenshot) ? 0 : 1);
            });
        }
        return app.exec();
    }
    for (const auto& [file, address] : rows) {
        auto& sink = form.resultRows();
        if (withFilename)
            sink.setSecondColumn(sink.addRow(file), address);
        else
            sink.addRow(address);
    }
    for (long long r = 0; r < extraRows; ++r) {
        auto& sink = form.resultRows();
        const std::string address = "contact" + std::to_string(r) + "@example" + std::to_string(r % 40) + ".com";
        if (withFilename)
            sink.setSecondColumn(sink.addRow("/home/anna/Archive/letter " + std::to_string(r / 10) + ".docx"), address);
        else
            sink.addRow(address);
    }
    form.list().setChecked(4, false);
    form.showResults();

    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, [&] {
            const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
            const bool saved = shot.save(screenshot);
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
