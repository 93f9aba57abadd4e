// The file list's items and its view: adding, the four ways of removing, and
// which drags the view takes.
#include "filelist/FileList.h"
#include "filelist/FileListModel.h"
#include "filelist/FileListView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

namespace harvelux::filelist {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FileListTest : public ::testing::Test {
protected:
    void SetUp() override { list.SetUpColumn(); }

    void fill(int n) {
        for (int i = 1; i <= n; ++i) list.AppendItem("/docs/" + std::to_string(i) + ".doc");
    }
    void select(std::initializer_list<int> indexes) {
        for (const int i : indexes) view.selectionModel()->select(view.itemIndex(i), QItemSelectionModel::Select);
    }
    bool isSelected(int index) { return view.selectionModel()->isSelected(view.itemIndex(index)); }
    int selectedCount() const { return static_cast<int>(view.selectionModel()->selectedRows().size()); }
    QString caption() const { return view.model()->headerData(0, Qt::Horizontal).toString(); }

    FileListView view;
    FileList list{view};
};

TEST_F(FileListTest, ColumnHasTheUsageCaptionAndWidth) {
    ASSERT_EQ(view.model()->columnCount(), 1);
    EXPECT_EQ(caption().toStdString(), kFileListCaption);
    EXPECT_FALSE(view.isHeaderHidden());
    EXPECT_EQ(view.columnWidth(0), 413);  // 6200 twips
    EXPECT_TRUE(list.hasColumn());
}

TEST_F(FileListTest, AppendKeepsOrderAndDuplicates) {
    list.AppendItem("/a.doc");
    list.AppendItems({"/b.doc", "/a.doc"});
    list.AppendItems({});
    EXPECT_THAT(list.items(), ElementsAre("/a.doc", "/b.doc", "/a.doc"));
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.itemText(2), "/b.doc");
    EXPECT_THROW(list.itemText(0), std::out_of_range);
    EXPECT_THROW(list.itemText(4), std::out_of_range);
}

TEST_F(FileListTest, ClearListEmptiesButKeepsTheColumn) {
    fill(3);
    list.ClearList();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(caption().toStdString(), kFileListCaption);
    list.ClearList();
    EXPECT_EQ(list.count(), 0);
}

TEST_F(FileListTest, ClearSelectedRemovesItemsTwoAndFour) {
    fill(5);
    select({2, 4});
    list.ClearSelected();
    EXPECT_THAT(list.items(), ElementsAre("/docs/1.doc", "/docs/3.doc", "/docs/5.doc"));
}

TEST_F(FileListTest, ClearSelectedWithAdjacentAndLastItems) {
    fill(5);
    select({3, 4, 5});
    list.ClearSelected();
    EXPECT_THAT(list.items(), ElementsAre("/docs/1.doc", "/docs/2.doc"));
    list.ClearSelected();  // nothing selected
    EXPECT_EQ(list.count(), 2);
}

// Many scattered selected items (every third of 3,000, and a block), as a
// user builds with Ctrl and Shift: the others stay, in order.
TEST_F(FileListTest, ClearSelectedOnAManyRangedSelectionKeepsTheRestInOrder) {
    fill(3000);
    QItemSelection selection;
    for (int i = 1; i <= 3000; i += 3) selection.select(view.itemIndex(i), view.itemIndex(i));
    selection.select(view.itemIndex(2000), view.itemIndex(2500));
    view.selectionModel()->select(selection, QItemSelectionModel::Select);
    list.ClearSelected();

    std::vector<std::string> expected;
    for (int i = 1; i <= 3000; ++i)
        if (i % 3 != 1 && (i < 2000 || i > 2500)) expected.push_back("/docs/" + std::to_string(i) + ".doc");
    EXPECT_EQ(list.items(), expected);
    EXPECT_EQ(view.model()->rowCount(), static_cast<int>(expected.size()));
    EXPECT_EQ(selectedCount(), 0);
}

TEST_F(FileListTest, AFocusedItemThatIsNotSelectedKeepsTheFocusAtItsNewPlace) {
    fill(6);
    select({1, 2, 5});
    view.selectionModel()->setCurrentIndex(view.itemIndex(4), QItemSelectionModel::NoUpdate);
    list.ClearSelected();
    ASSERT_THAT(list.items(), ElementsAre("/docs/3.doc", "/docs/4.doc", "/docs/6.doc"));
    EXPECT_EQ(view.currentIndex().row(), 1);
    // Focused, not selected: still not the current item, so Delete does nothing.
    list.RemoveCurrentItem();
    EXPECT_EQ(list.count(), 3);
}

TEST_F(FileListTest, ShowsUndecodableBytesAsQuestionMarksAndKeepsThem) {
    list.AppendItems({"/docs/caf\xE9 \xC3\xA9.doc"});
    QTRY_COMPARE(view.model()->rowCount(), 1);
    EXPECT_EQ(view.model()->data(view.model()->index(0, 0)).toString(), QString::fromUtf8("/docs/caf? \xC3\xA9.doc"));
    EXPECT_EQ(list.itemText(1), "/docs/caf\xE9 \xC3\xA9.doc");
}

TEST_F(FileListTest, AppendedItemsCountAtOnceAndReachTheViewInBatches) {
    fill(3);
    // The list has them; the view hears of them when the event loop runs.
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.itemText(3), "/docs/3.doc");
    EXPECT_EQ(view.listModel().pendingRowCount(), 3u);
    QTRY_COMPARE(view.model()->rowCount(), 3);
    EXPECT_EQ(view.model()->data(view.model()->index(2, 0)).toString(), "/docs/3.doc");

    // Removing the current item while later ones wait keeps them in order.
    fill(2);
    view.setCurrentIndex(view.model()->index(0, 0));
    list.RemoveCurrentItem();
    EXPECT_THAT(list.items(), ElementsAre("/docs/2.doc", "/docs/3.doc", "/docs/1.doc", "/docs/2.doc"));
    EXPECT_EQ(view.model()->rowCount(), 2);
    QTRY_COMPARE(view.model()->rowCount(), 4);

    // Cleared before they were announced: nothing turns up later.
    fill(5);
    list.ClearList();
    QTest::qWait(5);
    EXPECT_EQ(view.model()->rowCount(), 0);
    EXPECT_EQ(list.count(), 0);
}

TEST(FileListModel, RemoveMarkedTakesTheMarkedRowsOnly) {
    FileListModel model;
    model.append(std::vector<std::string>{"a", "b", "c", "d"});
    EXPECT_EQ(model.removeMarked({false, false}), 0u);
    EXPECT_EQ(model.pendingRowCount(), 4u);                  // nothing removed: no reset
    EXPECT_EQ(model.removeMarked({true, false, true}), 2u);  // "d" lies past the marks
    ASSERT_EQ(model.size(), 2u);
    EXPECT_EQ(model.path(0), "b");
    EXPECT_EQ(model.path(1), "d");
    EXPECT_EQ(model.rowCount(), 2);
}

TEST_F(FileListTest, DeleteKeyRemovesOnlyTheCurrentItem) {
    fill(5);
    select({1, 3});
    view.selectionModel()->setCurrentIndex(view.itemIndex(5), QItemSelectionModel::Select);
    ASSERT_EQ(selectedCount(), 3);
    list.RemoveCurrentItem();
    EXPECT_THAT(list.items(), ElementsAre("/docs/1.doc", "/docs/2.doc", "/docs/3.doc", "/docs/4.doc"));
    EXPECT_TRUE(isSelected(1));
    EXPECT_TRUE(isSelected(3));
    EXPECT_EQ(selectedCount(), 2);
}

TEST_F(FileListTest, NoCurrentItemMeansNothingIsRemoved) {
    list.RemoveCurrentItem();  // empty list
    fill(2);
    view.selectionModel()->setCurrentIndex(view.itemIndex(1), QItemSelectionModel::NoUpdate);
    view.clearSelection();  // focused but not selected: not current
    list.RemoveCurrentItem();
    EXPECT_EQ(list.count(), 2);
}

TEST_F(FileListTest, ViewReportsDeleteWithAnyModifiersAndIgnoresOtherKeys) {
    QSignalSpy deletes(&view, &FileListView::deletePressed);
    QTest::keyClick(&view, Qt::Key_Delete);
    QTest::keyClick(&view, Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClick(&view, Qt::Key_Delete, Qt::ControlModifier | Qt::AltModifier);
    QTest::keyClick(&view, Qt::Key_Backspace);
    QTest::keyClick(&view, Qt::Key_A);
    EXPECT_EQ(deletes.count(), 3);
}

std::unique_ptr<QMimeData> fileListData(const QStringList& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
    data->setUrls(urls);
    return data;
}

TEST(DroppedFilePaths, OnlyLocalFilesCount) {
    auto files = fileListData({"/a/b.doc", "/c d/é.docx"});
    EXPECT_THAT(droppedFilePaths(files.get()), ElementsAre("/a/b.doc", "/c d/é.docx"));

    // A name that is not UTF-8 keeps its bytes, a "%" in a name stays.
    QMimeData raw;
    raw.setData(QStringLiteral("text/uri-list"), "file:///x/report%FF.doc\r\nfile:///x/100%25%20sure.doc\r\n");
    EXPECT_THAT(droppedFilePaths(&raw), ElementsAre("/x/report\xFF.doc", "/x/100% sure.doc"));

    QMimeData text;
    text.setText("/a/b.doc");
    EXPECT_THAT(droppedFilePaths(&text), IsEmpty());

    QMimeData web;
    web.setUrls({QUrl("https://example.com/a.doc")});
    EXPECT_THAT(droppedFilePaths(&web), IsEmpty());
    EXPECT_THAT(droppedFilePaths(nullptr), IsEmpty());
}

}  // namespace
}  // namespace harvelux::filelist
