#include "results/ResultsViewControls.h"

#include "results/ResultsMenu.h"
#include "ui/CommandToolbar.h"
#include "ui/SettingsStore.h"

#include <QAbstractItemView>
#include <QAction>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>

namespace harvelux::results {

namespace {

// How long the filter waits after a key before it runs over the list.
constexpr int kFilterPauseMs = 200;

struct RowMenuItem {
    int id;
    const char* caption;
    bool beginGroup = false;
};

constexpr RowMenuItem kRowMenu[] = {
    {kCommandCopyAddress, "Copy &Address"},         {kCommandCopySelected, "&Copy Rows"},
    {kCommandOpenDocument, "&Open Document", true}, {kCommandShowInFolder, "Show in &Folder"},
    {kCommandTickAll, "&Tick All", true},           {kCommandUntickAll, "&Untick All"},
    {kCommandTickShownOnly, "Tick &Shown Only"},
};

QTreeView* treeOf(ResultsList& list) { return qobject_cast<QTreeView*>(&list.widget()); }

}  // namespace

ResultsViewControls::ResultsViewControls(QWidget& window, ResultsList& list, std::function<void(int)> execute)
    : QObject(&window),
      list_(list),
      filter_(new QLineEdit(&window)),
      headerMenu_(new QMenu(&window)),
      rowMenu_(new QMenu(&window)) {
    filter_->setObjectName(QStringLiteral("Filter"));
    filter_->setPlaceholderText(QStringLiteral("Filter: part of an address, name or path (@example.org for a domain)"));
    filter_->setClearButtonEnabled(true);
    filter_->setAccessibleName(QStringLiteral("Filter"));
    filter_->setAccessibleDescription(
        QStringLiteral("Shows only the addresses whose address, name or document path holds this text, whatever "
                       "the case; the exports write only the rows shown."));
    // The line's clear button, which Qt adds, is named for screen readers too.
    for (QToolButton* clear : filter_->findChildren<QToolButton*>()) {
        clear->setAccessibleName(QStringLiteral("Clear filter"));
        clear->setAccessibleDescription(QStringLiteral("Empties the filter, so every row shows again"));
    }
    filterTimer_.setSingleShot(true);
    connect(&filterTimer_, &QTimer::timeout, this, &ResultsViewControls::applyFilter);
    connect(filter_, &QLineEdit::textChanged, this, [this] { filterTimer_.start(kFilterPauseMs); });
    connect(filter_, &QLineEdit::returnPressed, this, &ResultsViewControls::applyFilter);

    QAbstractItemView& view = list_.widget();
    view.setAccessibleDescription(
        QStringLiteral("The addresses found, one a row; tick the rows to export. Click a column header to sort; "
                       "the header's context menu chooses the columns."));
    if (QTreeView* tree = treeOf(list_)) {
        QHeaderView* header = tree->header();
        header->setSectionsClickable(true);
        header->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(header, &QHeaderView::sectionClicked, this, &ResultsViewControls::headerClicked);
        connect(header, &QHeaderView::customContextMenuRequested, this,
                [this, header](const QPoint& at) { popUpHeaderMenu(header->mapToGlobal(at)); });
    }
    view.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&view, &QWidget::customContextMenuRequested, this,
            [this, &view](const QPoint& at) { popUpRowMenu(view.viewport()->mapToGlobal(at)); });
    buildHeaderMenu();
    buildRowMenu(execute);
}

void ResultsViewControls::buildHeaderMenu() {
    headerMenu_->setObjectName(QStringLiteral("HeaderMenu"));
    headerMenu_->setTitle(QStringLiteral("&Columns"));
    connect(headerMenu_, &QMenu::aboutToShow, this, &ResultsViewControls::updateHeaderMenu);
    headerMenu_->setAccessibleName(QStringLiteral("Columns"));
    headerMenu_->setAccessibleDescription(
        QStringLiteral("Chooses the columns the list shows, and brings back the order the addresses were found in."));
    for (const IndexColumn column : kIndexColumns) {
        QAction* action = headerMenu_->addAction(QString::fromUtf8(indexColumnCaption(column)));
        action->setCheckable(true);
        action->setData(static_cast<int>(column));
        connect(action, &QAction::toggled, this, [this, column](bool on) { setColumnShown(column, on); });
    }
    headerMenu_->addSeparator();
    QAction* order = headerMenu_->addAction(QStringLiteral("&Order Found In"));
    order->setData(kCommandOrderFound);
    connect(order, &QAction::triggered, this, &ResultsViewControls::orderFound);
}

void ResultsViewControls::buildRowMenu(const std::function<void(int)>& execute) {
    rowMenu_->setObjectName(QStringLiteral("RowMenu"));
    rowMenu_->setAccessibleName(QStringLiteral("Rows"));
    rowMenu_->setAccessibleDescription(
        QStringLiteral("Copies the selected rows or their addresses, opens the document of a row or its folder, "
                       "and ticks or unticks rows."));
    for (const RowMenuItem& item : kRowMenu) {
        if (item.beginGroup) rowMenu_->addSeparator();
        QAction* action = rowMenu_->addAction(QString::fromUtf8(item.caption));
        action->setData(item.id);
        if (item.id == kCommandCopySelected) action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
        // The window's own menu answers the key; the item only shows it.
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, [execute, id = item.id] { execute(id); });
    }
}

void ResultsViewControls::setFilterText(const QString& text) {
    filter_->setText(text);
    applyFilter();
}

void ResultsViewControls::applyFilter() {
    filterTimer_.stop();
    list_.setFilter(filter_->text());
}

void ResultsViewControls::loadColumns() {
    const std::string stored = SettingsStore().read(kColumnsSettingKey, "");
    list_.setIndexColumns(indexColumnsFromSetting(stored));
    updateHeaderMenu();
}

void ResultsViewControls::setColumnShown(IndexColumn column, bool shown) {
    std::vector<IndexColumn> columns = list_.indexColumns();
    const bool present = std::find(columns.begin(), columns.end(), column) != columns.end();
    if (present == shown) return;
    if (shown)
        columns.push_back(column);
    else
        columns.erase(std::remove(columns.begin(), columns.end(), column), columns.end());
    // The list order of the columns, whatever the order they were chosen in.
    columns = indexColumnsFromSetting(indexColumnsSetting(columns));
    list_.setIndexColumns(columns);
    SettingsStore().write(kColumnsSettingKey, indexColumnsSetting(columns));
    updateHeaderMenu();
}

void ResultsViewControls::headerClicked(int section) {
    const int column = section + 1;
    const bool reverse = list_.sortColumn() == column && !list_.sortDescending();
    list_.sortBy(column, reverse);
}

void ResultsViewControls::orderFound() { list_.sortBy(0, false); }

void ResultsViewControls::updateHeaderMenu() {
    const std::vector<IndexColumn>& shown = list_.indexColumns();
    for (QAction* action : headerMenu_->actions()) {
        if (!action->isCheckable()) {
            if (action->data().toInt() == kCommandOrderFound) action->setEnabled(list_.sortColumn() > 0);
            continue;
        }
        const auto column = static_cast<IndexColumn>(action->data().toInt());
        const QSignalBlocker quiet(action);
        action->setChecked(std::find(shown.begin(), shown.end(), column) != shown.end());
    }
}

void ResultsViewControls::popUpHeaderMenu(const QPoint& at) {
    updateHeaderMenu();
    headerMenu_->popup(at);
}

void ResultsViewControls::popUpRowMenu(const QPoint& at) {
    const bool any = list_.widget().selectionModel() && list_.widget().selectionModel()->hasSelection();
    for (QAction* action : rowMenu_->actions()) {
        const int id = action->data().toInt();
        if (id == kCommandCopyAddress || id == kCommandCopySelected || id == kCommandOpenDocument ||
            id == kCommandShowInFolder)
            action->setEnabled(any);
    }
    rowMenu_->popup(at);
}

}  // namespace harvelux::results
