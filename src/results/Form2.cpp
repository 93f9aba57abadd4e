#include "results/Form2.h"

#include "common/Twips.h"
#include "platform/QtPlatform.h"
#include "results/CsvExport.h"
#include "results/ResultsIcons.h"
#include "results/ResultsLayout.h"
#include "results/ResultsMenu.h"
#include "results/ResultsRowCommands.h"
#include "results/ResultsViewControls.h"
#include "results/RunStatusText.h"
#include "results/SelectedRows.h"
#include "results/UnreadDialog.h"
#include "ui/CenterForm.h"
#include "ui/CommandBarNames.h"
#include "ui/CommandToolbar.h"
#include "ui/FitToScreen.h"
#include "ui/SetFormBackColors.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolBar>

namespace harvelux::results {

namespace {

constexpr ToolbarButton kToolbarButtons[] = {
    {kCommandBack, "Back", 100},
    {kCommandSaveResults, "Save Results", 100},
    {kCommandSaveComma, "Save Results With Commas", 180},
    {kCommandCopyToClipboard, "Save Results To Clipboard", 180},
    {kCommandSaveCsv, kCommandCaptionSaveCsv, 160},
};

// Sets a flag for as long as the scope lasts.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

Form2::Form2(platform::Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window),
      platform_(platform),
      endProgram_([] { QCoreApplication::exit(0); }),
      menuBar_(new QMenuBar(this)),
      toolBar_(new QToolBar(QStringLiteral("Standard"), this)),
      list_(*this),
      status_(new QLabel(this)),
      viewControls_(new ResultsViewControls(*this, list_, [this](int id) { CommandBars_Execute(id); })),
      pointer_(this) {
    setObjectName(QStringLiteral("Form2"));
    toolBar_->setObjectName(QStringLiteral("Standard"));
    list_.widget().move(twipsToPixels(kResultsListLeft), twipsToPixels(kResultsListTop));
    resize(twipsToPixels(kResultsClientWidth), twipsToPixels(kResultsClientHeight));

    // Mouse moves without a pressed button reach the pointer rule.
    setMouseTracking(true);
    list_.widget().setMouseTracking(true);
    list_.widget().viewport()->setMouseTracking(true);
    list_.widget().viewport()->installEventFilter(this);
    list_.widget().installEventFilter(this);

    auto* saveCsv = new QAction(QString::fromUtf8(kCommandCaptionSaveCsv), this);
    saveCsv->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    saveCsv->setShortcutContext(Qt::WindowShortcut);
    addAction(saveCsv);
    connect(saveCsv, &QAction::triggered, this, [this] { CommandBars_Execute(kCommandSaveCsv); });

    connect(toolBar_, &QToolBar::actionTriggered, this,
            [this](QAction* action) { CommandBars_Execute(action->data().toInt()); });
    connect(menuBar_, &QMenuBar::triggered, this,
            [this](QAction* action) { CommandBars_Execute(action->data().toInt()); });
    list_.widget().setAccessibleName(QStringLiteral("Addresses found"));
    list_.setIndex(&index_);

    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setAccessibleName(QStringLiteral("Run summary"));
    status_->setAccessibleDescription(
        QStringLiteral("What the last run went through; its link lists the documents that could not be read"));
    status_->setTextFormat(Qt::RichText);
    status_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(status_, &QLabel::linkActivated, this, [this] { showUnreadList(); });
    // Ticking and unticking rows, and rows coming and going, show in the line.
    const QAbstractItemModel* model = list_.widget().model();
    connect(model, &QAbstractItemModel::dataChanged, this, &Form2::updateStatusLine);
    connect(model, &QAbstractItemModel::modelReset, this, &Form2::updateStatusLine);
    connect(model, &QAbstractItemModel::rowsInserted, this, &Form2::updateStatusLine);
    placeStatusLine();
}

Form2::~Form2() {
    list_.widget().viewport()->removeEventFilter(this);
    list_.widget().removeEventFilter(this);
}

void Form2::setShowMainWindow(std::function<void()> showMain) { showMain_ = std::move(showMain); }

void Form2::setEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

extract::ResultRowSink& Form2::resultRows() {
    ensureLoaded();
    return list_;
}

ResultsList& Form2::list() {
    ensureLoaded();
    return list_;
}

void Form2::setFilenameColumns(bool withFilename) {
    ensureLoaded();
    if (busy_) {
        // The export under way reads the rows and columns; they change when
        // it is over.
        pendingColumns_ = withFilename;
        return;
    }
    list_.setColumns(resultColumns(withFilename));
    index_.clear();
}

void Form2::setRunSummary(const extract::RunSummary& summary) {
    ensureLoaded();
    summary_ = summary;
    // A list still open from the run before would now be wrong.
    if (unreadDialog_) unreadDialog_->close();
    updateStatusLine();
}

void Form2::updateStatusLine() {
    const RunStatusText text = list_.filtered()
                                   ? runStatusText(summary_, list_.totalRowCount(), list_.shownCheckedCount(),
                                                   static_cast<std::size_t>(list_.rowCount()))
                                   : runStatusText(summary_, list_.totalRowCount(), list_.checkedCount());
    QString line = QString::fromStdString(text.counts).toHtmlEscaped();
    if (!text.unread.empty())
        line += QStringLiteral(" \u00B7 <a href=\"unread\">%1</a>")
                    .arg(QString::fromStdString(text.unread).toHtmlEscaped());
    status_->setText(line);
}

void Form2::showUnreadList() {
    if (summary_.unread.empty()) return;
    if (!unreadDialog_) {
        unreadDialog_ = new UnreadDialog(summary_.unread, platform_, this);
        unreadDialog_->setAttribute(Qt::WA_DeleteOnClose);
    }
    unreadDialog_->show();
    unreadDialog_->raise();
    unreadDialog_->activateWindow();
}

UnreadDialog* Form2::unreadDialog() const { return unreadDialog_.data(); }

void Form2::placeStatusLine() {
    const int left = twipsToPixels(kResultsListLeft);
    const int lineHeight = status_->sizeHint().height();
    status_->setGeometry(left, height() - lineHeight - left / 2, std::max(0, width() - 2 * left), lineHeight);
}

void Form2::showResults() {
    ensureLoaded();
    // The window opens on every row the run added, not on the last batch.
    list_.showPendingRows();
    show();
    raise();
    activateWindow();
}

void Form2::Back() {
    if (busy_) return;
    ensureLoaded();
    list_.clearRows();
    // The next run starts an index of its own.
    index_.clear();
    if (unreadDialog_) unreadDialog_->close();
    if (showMain_) showMain_();
    hide();
}

void Form2::ClearResults() {
    if (busy_) return;
    ensureLoaded();
    list_.clearRows();
    index_.clear();
}

void Form2::SaveCsv() {
    runExclusively([this] {
        // The ticked rows in the order shown, each address once.
        std::vector<std::size_t> entries;
        std::vector<bool> taken(index_.size(), false);
        for (int row = 1; row <= list_.rowCount(); ++row) {
            if (!list_.isChecked(row)) continue;
            const std::optional<std::size_t> entry = index_.find(list_.cell(row, list_.addressColumn()));
            if (!entry || taken[*entry]) continue;
            taken[*entry] = true;
            entries.push_back(*entry);
        }
        saveIndexAsCsv(index_, entries, platform_, pointer_);
    });
}

template <typename Command>
void Form2::runExclusively(Command&& command) {
    if (busy_) return;
    ensureLoaded();
    {
        FlagScope busy(busy_);
        command();
    }
    if (pendingColumns_) {
        const bool withFilename = *pendingColumns_;
        pendingColumns_.reset();
        list_.setColumns(resultColumns(withFilename));
    }
}

void Form2::SaveResults() {
    runExclusively([this] { saveListToFile(list_, &ListViewToTextFile, platform_, pointer_); });
}

void Form2::SaveComma() {
    runExclusively([this] { saveListToFile(list_, &ListViewToCommaFile, platform_, pointer_); });
}

void Form2::CopyResultsToClipboard() {
    runExclusively([this] { copyListToClipboard(list_, platform_); });
}

void Form2::CopySelectedRows() {
    ensureLoaded();
    const std::string text = selectedRowsText(list_.widget());
    if (!text.empty()) platform_.setClipboardText(text);
}

void Form2::CommandBars_Execute(int id) {
    switch (id) {
        case kCommandBack:
            Back();
            break;
        case kCommandSaveResults:
            SaveResults();
            break;
        case kCommandSaveComma:
            SaveComma();
            break;
        case kCommandCopyToClipboard:
            CopyResultsToClipboard();
            break;
        case kCommandClearResults:
            ClearResults();
            break;
        case kCommandSaveCsv:
            SaveCsv();
            break;
        case kCommandCopySelected:
            CopySelectedRows();
            break;
        case kCommandExit:
            close();
            break;
        case kCommandTickAll:
        case kCommandUntickAll:
        case kCommandTickShownOnly:
            if (!busy_) runTickCommand(list_, id);
            break;
        case kCommandCopyAddress:
        case kCommandOpenDocument:
        case kCommandShowInFolder:
            runRowCommand(list_, id, platform_);
            break;
        case kCommandFilter:
            viewControls_->filterField().setFocus(Qt::ShortcutFocusReason);
            viewControls_->filterField().selectAll();
            break;
        default:
            break;
    }
}

void Form2::ensureLoaded() {
    if (loaded_) return;
    loaded_ = true;
    Form_Load();
}

void Form2::Form_Load() {
    SetFormBackColors(*this);
    CenterForm(*this);
    FitToScreen(*this);
    setWindowTitle(QString::fromUtf8(platform::kApplicationTitle));
    setWindowIcon(QGuiApplication::windowIcon());
    CreateStaticBar();
    viewControls_->loadColumns();
}

void Form2::CreateStaticBar() {
    toolBar_->clear();
    toolBar_->setOrientation(Qt::Horizontal);
    fillToolbar(*toolBar_, kToolbarButtons, &resultsCommandIcon);
    CreateResultsMenu(*menuBar_);
    // The header's menu is also the menu bar's "Columns", for the keyboard.
    menuBar_->insertMenu(menuBar_->actions().value(2), &viewControls_->headerMenu());
    NameShortcutsOnResultsToolbar(*toolBar_, *menuBar_);
    nameCommandBars(*menuBar_, *toolBar_);
    placeToolBar();
    Form_Resize();
}

int Form2::menuHeight() const { return menuBar_->sizeHint().height(); }

int Form2::filterHeight() const { return viewControls_->filterField().sizeHint().height() + 4; }

void Form2::placeToolBar() {
    menuBar_->setGeometry(0, 0, width(), menuHeight());
    toolBar_->setGeometry(0, menuHeight(), width(), toolBar_->sizeHint().height());
}

void Form2::Form_Resize() {
    if (isMinimized()) return;
    const QSize outer = frameGeometry().size();
    const ResultsListSize size = resultsListSize(pixelsToTwips(outer.width()), pixelsToTwips(outer.height()));
    QWidget& view = list_.widget();
    // The menu bar above the toolbar and the filter field above the list
    // move the list down and take their height off the list's.
    const int above = menuHeight() + filterHeight();
    const int top = twipsToPixels(kResultsListTop) + menuHeight();
    view.move(twipsToPixels(kResultsListLeft), top + filterHeight());
    if (size.width) view.resize(twipsToPixels(*size.width), view.height());
    if (size.height && twipsToPixels(*size.height) >= above)
        view.resize(view.width(), twipsToPixels(*size.height) - above);
    viewControls_->filterField().setGeometry(view.x(), top, view.width(), filterHeight() - 4);
}

void Form2::Form_Unload() {
    if (endProgram_) endProgram_();
}

void Form2::Form_MouseMove() { resetPointer(); }

void Form2::ListView1_MouseMove() { resetPointer(); }

void Form2::resetPointer() {
    if (pointer_.current() != platform::PointerShape::Hourglass) pointer_.set(platform::PointerShape::Default);
}

void Form2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeToolBar();
    Form_Resize();
    placeStatusLine();
}

void Form2::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void Form2::showEvent(QShowEvent* event) {
    ensureLoaded();
    QWidget::showEvent(event);
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Form2::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && (watched == &list_.widget() || watched == list_.widget().viewport()))
        ListView1_MouseMove();
    return QWidget::eventFilter(watched, event);
}

}  // namespace harvelux::results
