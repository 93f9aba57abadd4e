// The open-files dialog takes typed names as typed, existing or not, and
// still enters a typed folder. The dialog is driven without its modal loop:
// the name is typed into its field and the dialog is accepted.
#include "platform/FolderDialog.h"
#include "platform/OpenFilesDialog.h"

#include <gmock/gmock.h>

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace harvelux::platform {
namespace {

using ::testing::ElementsAre;

class OpenFilesDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QFile existing(path("there.doc"));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
        dialog.setDirectory(dir.path());
        nameField = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nameField, nullptr);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    // Types the text into the name field and presses the dialog's OK.
    void typeAndAccept(const QString& text) {
        nameField->setText(text);
        dialog.accept();
    }

    QTemporaryDir dir;
    OpenFilesDialog dialog{nullptr, QStringLiteral("Add File(s)"),
                           QStringLiteral("Word Documents (*.do*);;All Files (*)")};
    QLineEdit* nameField = nullptr;
};

TEST_F(OpenFilesDialogTest, TypedNamesThatDoNotExistAreTakenAsTypedInFullBesideExistingOnes) {
    typeAndAccept(QStringLiteral("\"typed.doc\" \"there.doc\" \"%1\"").arg(path("sub/new.doc")));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_THAT(dialog.chosenFiles(), ElementsAre(path("typed.doc"), path("there.doc"), path("sub/new.doc")));
}

TEST_F(OpenFilesDialogTest, OneTypedMissingNameAndExistingFilesAreAccepted) {
    nameField->setText(QStringLiteral("missing.doc"));
    EXPECT_TRUE(
        dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Open)->isEnabled());
    typeAndAccept(QStringLiteral("missing.doc"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_THAT(dialog.chosenFiles(), ElementsAre(path("missing.doc")));

    dialog.setResult(QDialog::Rejected);
    typeAndAccept(QStringLiteral("there.doc"));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_THAT(dialog.chosenFiles(), ElementsAre(path("there.doc")));
}

TEST_F(OpenFilesDialogTest, TypedFolderIsEnteredNotReturned) {
    typeAndAccept(QStringLiteral("sub"));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(path("sub")).canonicalPath());
}

TEST_F(OpenFilesDialogTest, EmptyNameIsNotAnAnswer) {
    typeAndAccept(QString());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

// The folder dialog takes a typed name that stands for a folder Qt cannot
// show ("?" or U+FFFD for the bytes that are not UTF-8) as typed, and an
// existing folder as Qt does.
TEST(FolderDialogTest, TypedNamesStandingForFoldersQtCannotShowAreTakenAsTyped) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    FolderDialog dialog(nullptr, QStringLiteral("Please select folder:"));
    dialog.setDirectory(dir.path());
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(field, nullptr);
    QPushButton* choose =
        dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Open);
    for (const QString& typed : {QStringLiteral("report?"), QStringLiteral("report\uFFFD"), QStringLiteral("sub")}) {
        dialog.setResult(QDialog::Rejected);
        field->setText(typed);
        EXPECT_TRUE(choose->isEnabled()) << typed.toStdString();
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Accepted) << typed.toStdString();
        EXPECT_EQ(dialog.chosenFolder(), dir.filePath(typed));
    }
}

}  // namespace
}  // namespace harvelux::platform
