// Filling and emptying the list with the mouse and keyboard: drops onto the
// list, the Delete key and double-clicks.
#include "FormFixture.h"
#include "filelist/FileListView.h"

#include <gmock/gmock.h>

#include <QApplication>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace harvelux::shell::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ListInteraction : public FormFixture {
protected:
    void SetUp() override {
        FormFixture::SetUp();
        form->show();
    }

    // A drag of `data` entering the list, then dropped; true when the list took it.
    bool drop(const QMimeData& data) {
        QWidget* viewport = form->ListView1().viewport();
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &dropped);
        return dropped.isAccepted();
    }

    static std::unique_ptr<QMimeData> files(const std::vector<std::string>& paths) {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const auto& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
        data->setUrls(urls);
        return data;
    }

    void selectItem(int index) {
        form->ListView1().selectionModel()->select(form->ListView1().itemIndex(index), QItemSelectionModel::Select);
    }
    int selectedCount() { return static_cast<int>(form->ListView1().selectionModel()->selectedRows().size()); }
};

TEST_F(ListInteraction, DroppedFilesAndFoldersAreAppendedInDroppedOrder) {
    form->fileList().AppendItem("/already.doc");
    const auto single = docs.file("single/~$lock.docx");
    docs.file("tree/a.doc");
    docs.file("tree/~$a.doc");
    docs.file("tree/picture.png");
    docs.file("tree/sub/b.txt");

    ASSERT_TRUE(drop(*files({single, docs.path("tree"), single})));
    const auto list = items();
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[0], "/already.doc");
    EXPECT_EQ(list[1], single);
    EXPECT_THAT(std::vector<std::string>(list.begin() + 2, list.begin() + 4),
                ::testing::UnorderedElementsAre(docs.path("tree/a.doc"), docs.path("tree/picture.png")));
    EXPECT_EQ(list[4], docs.path("tree/sub/b.txt"));
    EXPECT_EQ(list[5], single);
    // A drop changes neither the pointer nor says anything.
    EXPECT_THAT(platform.messages, IsEmpty());
    EXPECT_EQ(form->pointer().current(), platform::PointerShape::Default);
}

TEST_F(ListInteraction, PlainTextIsNotTaken) {
    QMimeData text;
    text.setText(QString::fromStdString(docs.file("a.doc")));
    EXPECT_FALSE(drop(text));
    EXPECT_THAT(items(), IsEmpty());
}

TEST_F(ListInteraction, DeleteKeyRemovesTheCurrentItemWithAnyModifier) {
    form->fileList().AppendItems({"/1.doc", "/2.doc", "/3.doc", "/4.doc"});
    filelist::FileListView& view = form->ListView1();
    selectItem(1);
    selectItem(2);
    view.selectionModel()->setCurrentIndex(view.itemIndex(3), QItemSelectionModel::Select);
    QTest::keyClick(&view, Qt::Key_Delete, Qt::ShiftModifier);
    EXPECT_THAT(items(), ElementsAre("/1.doc", "/2.doc", "/4.doc"));
    EXPECT_EQ(selectedCount(), 2);

    view.selectionModel()->setCurrentIndex(view.itemIndex(1), QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(&view, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_THAT(items(), ElementsAre("/2.doc", "/4.doc"));
}

TEST_F(ListInteraction, DeleteOnEmptyListDoesNothing) {
    QTest::keyClick(&form->ListView1(), Qt::Key_Delete);
    EXPECT_THAT(items(), IsEmpty());
    EXPECT_THAT(platform.messages, IsEmpty());
}

TEST_F(ListInteraction, DoubleClickRemovesTheClickedItem) {
    form->fileList().AppendItems({"/1.doc", "/2.doc", "/3.doc"});
    filelist::FileListView& view = form->ListView1();
    const QRect second = view.visualRect(view.itemIndex(2));
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_THAT(items(), ElementsAre("/1.doc", "/3.doc"));
}

}  // namespace
}  // namespace harvelux::shell::testing
