#include "results/UnreadDialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace harvelux::results {

namespace {
// The real failures first, then the other files, each in list order.
std::vector<extract::UnreadEntry> failuresFirst(std::vector<extract::UnreadEntry> entries) {
    std::stable_partition(entries.begin(), entries.end(),
                          [](const extract::UnreadEntry& entry) { return !entry.otherFile; });
    return entries;
}

QTreeWidgetItem* itemFor(const extract::UnreadEntry& entry) {
    return new QTreeWidgetItem({QString::fromStdString(entry.path), QString::fromStdString(entry.reason)});
}
}  // namespace

std::string unreadListText(const std::vector<extract::UnreadEntry>& entries) {
    std::string text;
    for (const extract::UnreadEntry& entry : failuresFirst(entries)) text += entry.path + "\t" + entry.reason + "\n";
    return text;
}

UnreadDialog::UnreadDialog(std::vector<extract::UnreadEntry> entries, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), entries_(failuresFirst(std::move(entries))), platform_(platform), list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("UnreadDialog"));
    setWindowTitle(QString::fromUtf8(kUnreadDialogTitle));

    auto* intro = new QLabel(QString::fromUtf8(kUnreadDialogIntro), this);
    intro->setWordWrap(true);

    list_->setObjectName(QStringLiteral("UnreadList"));
    list_->setAccessibleName(QStringLiteral("Documents not read"));
    list_->setAccessibleDescription(QStringLiteral("Each document the run could not read, with the reason"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("Document"), QStringLiteral("Reason")});
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Pictures, music and programs a dropped folder brought along are no
    // failures: they wait, collapsed, under one item of their own.
    QList<QTreeWidgetItem*> items;
    QTreeWidgetItem* others = nullptr;
    for (const extract::UnreadEntry& entry : entries_) {
        if (!entry.otherFile) {
            items.append(itemFor(entry));
            continue;
        }
        if (!others) {
            others = new QTreeWidgetItem();
            others->setFlags(Qt::ItemIsEnabled);
            items.append(others);
        }
        others->addChild(itemFor(entry));
    }
    if (others) others->setText(0, QStringLiteral("Other files skipped (%1): not documents").arg(others->childCount()));
    list_->setRootIsDecorated(others != nullptr);
    list_->addTopLevelItems(items);
    if (others) others->setExpanded(false);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(QStringLiteral("Copy List"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("CopyList"));
    copy->setAccessibleName(QStringLiteral("Copy List"));
    copy->setAccessibleDescription(QStringLiteral("Copies each document and its reason to the clipboard"));
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Close"));
    close->setAccessibleName(QStringLiteral("Close"));
    close->setAccessibleDescription(QStringLiteral("Closes this list"));
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this, &UnreadDialog::copyList);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(640, 360);
}

void UnreadDialog::copyList() { platform_.setClipboardText(unreadListText(entries_)); }

}  // namespace harvelux::results
