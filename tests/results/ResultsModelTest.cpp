// The results list's model and view: rows announced to the view in batches,
// check boxes the user can untick, clearing, both column layouts, and a view
// that scrolls through many rows.
#include "ResultsTestSupport.h"

#include "common/RowAnnouncement.h"
#include "results/ResultsModel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>

#include <utility>
#include <vector>

namespace harvelux::results::testing {
namespace {

using ResultsModelTest = ResultsWindowTest;

// Every rowsInserted the model emits, as (first, last).
class InsertLog {
public:
    explicit InsertLog(const QAbstractItemModel& model) {
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, &context_,
                         [this](const QModelIndex&, int first, int last) { batches.emplace_back(first, last); });
    }
    std::vector<std::pair<int, int>> batches;

private:
    QObject context_;
};

TEST_F(ResultsModelTest, AppendedRowsReachTheViewInOneBatchWhenTheEventLoopRuns) {
    form->setFilenameColumns(false);
    ResultsList& list = form->list();
    const QAbstractItemModel& model = *list.widget().model();
    InsertLog log(model);

    for (int i = 0; i < 1000; ++i) form->resultRows().addRow("a" + std::to_string(i) + "@b.cc");
    // The exports and the run see every row at once, the view not yet.
    EXPECT_EQ(list.rowCount(), 1000);
    EXPECT_EQ(list.cell(1000, 1), "a999@b.cc");
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_TRUE(log.batches.empty());

    QCoreApplication::processEvents();
    EXPECT_EQ(log.batches, (std::vector<std::pair<int, int>>{{0, 999}}));
    ASSERT_EQ(model.rowCount(), 1000);
    EXPECT_EQ(model.data(model.index(999, 0)).toString(), QStringLiteral("a999@b.cc"));

    // More rows form the next batch; showing the window announces them at once.
    form->resultRows().addRow("last@b.cc");
    form->resultRows().addRow("very.last@b.cc");
    form->showResults();
    EXPECT_EQ(log.batches.back(), (std::pair<int, int>{1000, 1001}));
    EXPECT_EQ(model.rowCount(), 1002);
    QCoreApplication::processEvents();
    EXPECT_EQ(log.batches.size(), 2u);

    // A fresh list shows its first rows at the next turn of the event loop;
    // a long one waits longer, but never long.
    EXPECT_EQ(rowAnnounceDelay(0).count(), 0);
    EXPECT_GT(rowAnnounceDelay(1'000'000), rowAnnounceDelay(100'000));
    EXPECT_LE(rowAnnounceDelay(100'000'000).count(), 1000);
}

TEST_F(ResultsModelTest, BothColumnLayoutsShowTheirCellsAndAMissingSecondCellReadsEmpty) {
    fill(false, {{"one@x.org"}});
    form->list().showPendingRows();
    const QAbstractItemModel& model = *form->list().widget().model();
    ASSERT_EQ(model.columnCount(), 1);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Email Results"));
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("one@x.org"));

    fill(true, {{"/d/Brief an Müller.docx", "jörg@example.de"}, {"/d/Brief an Müller.docx", "b@example.de"}});
    form->resultRows().addRow("/d/no-address-yet.doc");  // its second column never set
    ResultsList& list = form->list();
    list.showPendingRows();
    ASSERT_EQ(model.rowCount(), 3);
    ASSERT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Filename"));
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Emails"));
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("/d/Brief an Müller.docx"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("jörg@example.de"));
    EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("/d/Brief an Müller.docx"));
    EXPECT_EQ(list.cell(1, 2), "jörg@example.de");
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), QString());
    EXPECT_EQ(list.cell(3, 2), "");
    EXPECT_EQ(list.cell(1, 3), "");

    // Only the first column carries the check box; no row has children.
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsUserCheckable);
    EXPECT_TRUE(model.flags(model.index(0, 1)) & Qt::ItemNeverHasChildren);
    EXPECT_FALSE(model.data(model.index(0, 1), Qt::CheckStateRole).isValid());
    EXPECT_FALSE(model.hasChildren(model.index(0, 0)));

    // A second column set after the view was told of the row shows at once.
    int changed = 0;
    QObject::connect(
        &model, &QAbstractItemModel::dataChanged, form.get(),
        [&](const QModelIndex& from, const QModelIndex& to) { changed += from == model.index(2, 1) && to == from; });
    form->resultRows().setSecondColumn(2, "late@example.de");
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(model.data(model.index(2, 1)).toString(), QStringLiteral("late@example.de"));
}

TEST_F(ResultsModelTest, TheUserUnticksARowWithTheSpaceKeyAndThroughTheModel) {
    fill(false, {{"a@b.cc"}, {"c@d.ee"}, {"e@f.gg"}});
    form->showResults();
    ResultsList& list = form->list();
    QAbstractItemView& view = list.widget();
    QAbstractItemModel& model = *view.model();

    std::vector<int> changedRows;
    QObject::connect(&model, &QAbstractItemModel::dataChanged, form.get(),
                     [&](const QModelIndex& from, const QModelIndex& to, const QList<int>& roles) {
                         EXPECT_EQ(from, to);
                         EXPECT_TRUE(roles.contains(Qt::CheckStateRole));
                         changedRows.push_back(from.row());
                     });

    view.setFocus();
    view.setCurrentIndex(model.index(1, 0));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(&view, &press);
    EXPECT_TRUE(list.isChecked(1));
    EXPECT_FALSE(list.isChecked(2));
    EXPECT_TRUE(list.isChecked(3));
    EXPECT_EQ(model.data(model.index(1, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);

    EXPECT_TRUE(model.setData(model.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    EXPECT_TRUE(list.isChecked(2));
    EXPECT_TRUE(model.setData(model.index(2, 0), static_cast<int>(Qt::Unchecked), Qt::CheckStateRole));
    EXPECT_FALSE(list.isChecked(3));
    EXPECT_EQ(changedRows, (std::vector<int>{1, 1, 2}));

    // Only the check state of the first column can be set; text is fixed.
    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("x@y.zz"), Qt::EditRole));
    EXPECT_EQ(list.cell(1, 1), "a@b.cc");

    // Setting the state a row already has, or one of a row not there, does nothing.
    list.setChecked(1, true);
    list.setChecked(4, false);
    list.setChecked(0, false);
    EXPECT_EQ(changedRows.size(), 3u);
    EXPECT_TRUE(list.isChecked(1));
    EXPECT_FALSE(list.isChecked(4));
}

TEST_F(ResultsModelTest, ClearingDropsRowsPendingOrShownAndKeepsTheColumns) {
    fill(true, {{"/d/a.doc", "a@b.cc"}, {"/d/a.doc", "c@d.ee"}});
    ResultsList& list = form->list();
    const QAbstractItemModel& model = *list.widget().model();
    list.showPendingRows();
    form->resultRows().addRow("/d/pending.doc");
    InsertLog log(model);

    form->ClearResults();
    QCoreApplication::processEvents();
    EXPECT_TRUE(log.batches.empty());  // the pending row went with the others
    EXPECT_EQ(list.rowCount(), 0);
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(list.columnCount(), 2);
    EXPECT_EQ(list.columnWidthTwips(1), 4500);
    EXPECT_GE(list.columnWidthTwips(2), 4500);  // the last runs on to the right edge

    // Rows added afterwards start again from the first.
    form->resultRows().setSecondColumn(form->resultRows().addRow("/d/new.doc"), "n@e.ww");
    QCoreApplication::processEvents();
    EXPECT_EQ(log.batches, (std::vector<std::pair<int, int>>{{0, 0}}));
    EXPECT_EQ(list.cell(1, 2), "n@e.ww");
    EXPECT_TRUE(list.isChecked(1));
}

TEST_F(ResultsModelTest, TheViewScrollsToTheLastOfManyRows) {
    form->setFilenameColumns(true);
    constexpr int kRows = 200000;
    for (int i = 0; i < kRows; ++i) {
        const auto row = form->resultRows().addRow("/docs/file" + std::to_string(i / 10) + ".docx");
        form->resultRows().setSecondColumn(row, "user" + std::to_string(i) + "@example.com");
    }
    form->showResults();
    QAbstractItemView& view = form->list().widget();
    view.scrollToBottom();
    QCoreApplication::processEvents();

    const QAbstractItemModel& model = *view.model();
    ASSERT_EQ(model.rowCount(), kRows);
    const QModelIndex last = model.index(kRows - 1, 1);
    const QRect lastRect = view.visualRect(last);
    EXPECT_TRUE(view.viewport()->rect().contains(lastRect));
    EXPECT_EQ(view.indexAt(lastRect.center()), last);
    EXPECT_EQ(model.data(last).toString(), QStringLiteral("user199999@example.com"));
    EXPECT_FALSE(view.viewport()->rect().intersects(view.visualRect(model.index(0, 0))));
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());

    view.scrollToTop();
    EXPECT_EQ(view.indexAt(view.visualRect(model.index(0, 0)).center()).row(), 0);
}

}  // namespace
}  // namespace harvelux::results::testing
