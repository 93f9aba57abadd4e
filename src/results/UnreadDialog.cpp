#include "results/UnreadDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace harvelux::results {

std::string unreadListText(const std::vector<extract::UnreadEntry>& entries) {
    std::string text;
    for (const extract::UnreadEntry& entry : entries) text += entry.path + "\t" + entry.reason + "\n";
    return text;
}

UnreadDialog::UnreadDialog(std::vector<extract::UnreadEntry> entries, platform::Platform& platform, QWidget* parent)
    : QDialog(parent), entries_(std::move(entries)), platform_(platform), list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("UnreadDialog"));
    setWindowTitle(QString::fromUtf8(kUnreadDialogTitle));

    auto* intro = new QLabel(QString::fromUtf8(kUnreadDialogIntro), this);
    intro->setWordWrap(true);

    list_->setObjectName(QStringLiteral("UnreadList"));
    list_->setColumnCount(2);
    list_->setHeaderLabels({QStringLiteral("Document"), QStringLiteral("Reason")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(entries_.size()));
    for (const extract::UnreadEntry& entry : entries_)
        items.append(new QTreeWidgetItem({QString::fromStdString(entry.path), QString::fromStdString(entry.reason)}));
    list_->addTopLevelItems(items);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copy = buttons->addButton(QStringLiteral("Copy List"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("CopyList"));
    QPushButton* close = buttons->addButton(QStringLiteral("Close"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("Close"));
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
