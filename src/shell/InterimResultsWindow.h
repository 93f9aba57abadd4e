// A plain results window: the rows of the last run in a list with the
// columns of the option, a "Back" button that empties it and shows the main
// window again; closing it ends the program.
#pragma once

#include "shell/ResultsView.h"

#include <QWidget>

#include <functional>

class QTreeWidget;

namespace harvelux::shell {

class InterimResultsWindow final : public QWidget, public ResultsView, private extract::ResultRowSink {
    Q_OBJECT
public:
    explicit InterimResultsWindow(QWidget* parent = nullptr);

    // What "Back" shows again.
    void setBackTarget(std::function<void()> showMain) { showMain_ = std::move(showMain); }

    extract::ResultRowSink& resultRows() override { return *this; }
    void setFilenameColumns(bool withFilename) override;
    void showResults() override;
    bool isBusy() const override { return false; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    RowId addRow(const std::string& text) override;
    void setSecondColumn(RowId row, const std::string& text) override;
    void back();

    QTreeWidget* list_;
    std::function<void()> showMain_;
};

}  // namespace harvelux::shell
