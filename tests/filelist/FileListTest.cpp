// The file list's items and its view: adding, the four ways of removing, and
// which drags the view takes.
#include "filelist/FileList.h"
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
        for (const int i : indexes) view.topLevelItem(i - 1)->setSelected(true);
    }
    int selectedCount() const { return static_cast<int>(view.selectedItems().size()); }

    FileListView view;
    FileList list{view};
};

TEST_F(FileListTest, ColumnHasTheUsageCaptionAndWidth) {
    ASSERT_EQ(view.columnCount(), 1);
    EXPECT_EQ(view.headerItem()->text(0).toStdString(), kFileListCaption);
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
    EXPECT_EQ(view.headerItem()->text(0).toStdString(), kFileListCaption);
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

TEST_F(FileListTest, DeleteKeyRemovesOnlyTheCurrentItem) {
    fill(5);
    select({1, 3});
    view.setCurrentItem(view.topLevelItem(4), 0, QItemSelectionModel::Select);
    ASSERT_EQ(selectedCount(), 3);
    list.RemoveCurrentItem();
    EXPECT_THAT(list.items(), ElementsAre("/docs/1.doc", "/docs/2.doc", "/docs/3.doc", "/docs/4.doc"));
    EXPECT_TRUE(view.topLevelItem(0)->isSelected());
    EXPECT_TRUE(view.topLevelItem(2)->isSelected());
    EXPECT_EQ(selectedCount(), 2);
}

TEST_F(FileListTest, NoCurrentItemMeansNothingIsRemoved) {
    list.RemoveCurrentItem();  // empty list
    fill(2);
    view.setCurrentItem(view.topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
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
