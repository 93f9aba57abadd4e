#include "shell/InterimResultsWindow.h"

#include "common/CenterForm.h"
#include "common/Twips.h"
#include "platform/Platform.h"
#include "results/ResultTable.h"
#include "shell/IconStore.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace harvelux::shell {

InterimResultsWindow::InterimResultsWindow(QWidget* parent) : QWidget(parent), list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(platform::kApplicationTitle));
    setWindowIcon(applicationIcon());
    list_->setObjectName(QStringLiteral("ListView1"));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto* backButton = new QPushButton(QStringLiteral("Back"), this);
    connect(backButton, &QPushButton::clicked, this, &InterimResultsWindow::back);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(backButton, 0, Qt::AlignLeft);
    resize(twipsToPixels(9600), twipsToPixels(7200));
    CenterForm(*this);
}

void InterimResultsWindow::setFilenameColumns(bool withFilename) {
    list_->clear();
    if (withFilename) {
        list_->setHeaderLabels({QString::fromUtf8(results::kFilenameCaption), QString::fromUtf8(results::kEmailsCaption)});
        list_->setColumnWidth(0, twipsToPixels(4500));
        list_->setColumnWidth(1, twipsToPixels(4500));
    } else {
        list_->setHeaderLabels({QString::fromUtf8(results::kEmailResultsCaption)});
        list_->setColumnWidth(0, twipsToPixels(9000));
    }
}

void InterimResultsWindow::showResults() {
    show();
    raise();
    activateWindow();
}

void InterimResultsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::exit(0);
}

InterimResultsWindow::RowId InterimResultsWindow::addRow(const std::string& text) {
    auto* item = new QTreeWidgetItem(list_);
    item->setText(0, QString::fromStdString(text));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, Qt::Checked);
    return static_cast<RowId>(list_->topLevelItemCount() - 1);
}

void InterimResultsWindow::setSecondColumn(RowId row, const std::string& text) {
    if (QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(row))) item->setText(1, QString::fromStdString(text));
}

void InterimResultsWindow::back() {
    list_->clear();
    if (showMain_) showMain_();
    hide();
}

}  // namespace harvelux::shell
