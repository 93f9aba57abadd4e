// How the results list is looked at: the optional columns by address and
// their setting, sorting by a header, the filter and its status line,
// ticking, the rows' context menu, middle-elided paths, and exports that
// write the rows shown and ticked in the order shown.
#include "ResultsTestSupport.h"

#include "results/IndexColumns.h"
#include "results/ResultsMenu.h"
#include "results/ResultsModel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTreeView>

namespace harvelux::results::testing {
namespace {

using wordproc::StoryKind;

class ResultsViewTest : public ResultsWindowTest {
protected:
    // Four addresses found in /d/a.doc, /d/b.zip::in.docx and /d/c.eml, as a
    // run would add them: index first, then a row for each new address.
    void fillFromIndex(bool withFilename = false) {
        form->setFilenameColumns(withFilename);
        extract::AddressIndex& index = *form->addressIndex();
        struct Occurrence {
            const char* document;
            const char* address;
            StoryKind story;
            const char* name;
        };
        const Occurrence occurrences[] = {
            {"/d/a.doc", "zoe@example.org", StoryKind::Main, ""},
            {"/d/a.doc", "Bob@Other.net", StoryKind::Main, "Bob Brown"},
            {"/d/b.zip::in.docx", "amy@example.org", StoryKind::HeadersFooters, "Amy"},
            {"/d/b.zip::in.docx", "zoe@example.org", StoryKind::Main, ""},
            {"/d/c.eml", "zoe@example.org", StoryKind::MailHeader, "Zoe Z\xC3\xA9"},
            {"/d/c.eml", "cat@example.com", StoryKind::MailHeader, ""},
        };
        std::string current;
        int position = 0;
        for (const Occurrence& o : occurrences) {
            if (o.document != current) index.beginDocument(current = o.document, static_cast<std::size_t>(++position));
            const bool isNew = !index.find(o.address);
            index.add(o.address, o.story, o.name);
            if (!isNew) continue;
            if (withFilename)
                form->resultRows().setSecondColumn(form->resultRows().addRow(o.document), o.address);
            else
                form->resultRows().addRow(o.address);
        }
        form->showResults();
    }

    std::vector<std::string> column(int k) const {
        std::vector<std::string> cells;
        for (int row = 1; row <= form->list().rowCount(); ++row) cells.push_back(form->list().cell(row, k));
        return cells;
    }
    QHeaderView* header() const { return qobject_cast<QTreeView*>(&form->list().widget())->header(); }
    std::vector<std::string> addresses() const { return column(form->list().addressColumn()); }
    void showColumns(std::initializer_list<IndexColumn> columns) {
        for (const IndexColumn c : columns) form->viewControls().setColumnShown(c, true);
    }
    QAction* headerAction(const QString& caption) const {
        for (QAction* a : form->viewControls().headerMenu().actions())
            if (a->text() == caption) return a;
        return nullptr;
    }
    void selectRows(std::initializer_list<int> rows) {
        QAbstractItemView& view = form->list().widget();
        view.clearSelection();
        for (const int row : rows)
            view.selectionModel()->select(view.model()->index(row - 1, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

TEST_F(ResultsViewTest, OptionalColumnsShowTheIndexAndAreKeptInTheSettings) {
    fillFromIndex();
    EXPECT_EQ(form->list().columnCount(), 1);  // the default view
    // Chosen from the header's menu in any order, shown in list order.
    headerAction("Where")->trigger();
    headerAction("Name")->trigger();
    showColumns({IndexColumn::Documents, IndexColumn::Times, IndexColumn::FoundIn});
    std::vector<std::string> captions;
    for (int k = 1; k <= form->list().columnCount(); ++k) captions.push_back(form->list().columnCaption(k));
    EXPECT_EQ(captions, (std::vector<std::string>{"Email Results", "Name", "Documents", "Times", "Found In", "Where"}));
    EXPECT_EQ(form->list().rowCount(), 4);  // the rows stay
    const std::vector<std::vector<std::string>> expected{
        {"zoe@example.org", "Zoe Z\xC3\xA9", "3", "3", "/d/a.doc", "main text, e-mail header"},
        {"Bob@Other.net", "Bob Brown", "1", "1", "/d/a.doc", "main text"},
        {"amy@example.org", "Amy", "1", "1", "/d/b.zip::in.docx", "header or footer"},
        {"cat@example.com", "", "1", "1", "/d/c.eml", "e-mail header"},
    };
    for (int row = 1; row <= 4; ++row)
        for (int k = 1; k <= 6; ++k) EXPECT_EQ(form->list().cell(row, k), expected[row - 1][k - 1]) << row << "," << k;
    // "Found In" names the first document; its tooltip all, with their stories.
    const QAbstractItemModel& model = *form->list().widget().model();
    EXPECT_EQ(model.data(model.index(0, 4), Qt::ToolTipRole).toString(),
              QStringLiteral("/d/a.doc (main text)\n/d/b.zip::in.docx (main text)\n/d/c.eml (e-mail header)"));

    EXPECT_EQ(SettingsStore().read(kColumnsSettingKey, "?"), "Name,Documents,Times,Found In,Where");
    // The same menu in the menu bar, for the keyboard.
    QStringList menus;
    for (const QAction* menu : form->menuBar().actions()) menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Columns", "&Go"}));
    EXPECT_EQ(form->menuBar().actions()[2]->menu(), &form->viewControls().headerMenu());
    headerAction("Times")->trigger();  // unticked: hidden
    Form2 again(platform);
    again.setFilenameColumns(false);
    EXPECT_EQ(again.list().columnCount(), 5);
    EXPECT_EQ(again.list().columnCaption(4), "Found In");
}

TEST_F(ResultsViewTest, AHeaderClickSortsAgainReversesAndTheMenuBringsBackTheOrderFound) {
    fillFromIndex();
    showColumns({IndexColumn::Documents});
    const std::vector<std::string> found{"zoe@example.org", "Bob@Other.net", "amy@example.org", "cat@example.com"};
    const struct {
        int section;  // clicked, from 0
        std::vector<std::string> order;
    } clicks[] = {
        // Case aside; equal counts stay in the order found, both ways.
        {0, {"amy@example.org", "Bob@Other.net", "cat@example.com", "zoe@example.org"}},
        {0, {"zoe@example.org", "cat@example.com", "Bob@Other.net", "amy@example.org"}},
        {1, {"Bob@Other.net", "amy@example.org", "cat@example.com", "zoe@example.org"}},
        {1, {"zoe@example.org", "Bob@Other.net", "amy@example.org", "cat@example.com"}},
    };
    QHeaderView& bar = *header();
    for (const auto& click : clicks) {
        emit bar.sectionClicked(click.section);
        EXPECT_EQ(addresses(), click.order) << click.section;
        EXPECT_TRUE(bar.isSortIndicatorShown());
    }
    form->viewControls().updateHeaderMenu();
    QAction* order = headerAction("&Order Found In");
    ASSERT_NE(order, nullptr);
    EXPECT_TRUE(order->isEnabled());
    order->trigger();
    EXPECT_EQ(addresses(), found);
    EXPECT_FALSE(bar.isSortIndicatorShown());
}

TEST_F(ResultsViewTest, TheFilterKeepsRowsByAddressNameOrPathAndTheStatusLineCountsThem) {
    fillFromIndex();
    extract::RunSummary summary;
    summary.addresses = 4;
    summary.documents = summary.documentsDone = 3;
    form->setRunSummary(summary);
    EXPECT_EQ(form->statusLine().text(), "4 addresses from 3 documents");
    const struct {
        const char* filter;
        std::vector<std::string> shown;
    } cases[] = {
        {"@example.org", {"zoe@example.org", "amy@example.org"}},  // a domain
        {"BOB", {"Bob@Other.net"}},                                // case aside
        {"z\xC3\x89", {"zoe@example.org"}},                        // a name, accents case aside
        {"b.zip", {"zoe@example.org", "amy@example.org"}},         // any document's path
        {"nobody", {}},
        {"  ", {"zoe@example.org", "Bob@Other.net", "amy@example.org", "cat@example.com"}},
    };
    for (const auto& c : cases) {
        form->viewControls().setFilterText(QString::fromUtf8(c.filter));
        EXPECT_EQ(addresses(), c.shown) << c.filter;
    }
    form->viewControls().setFilterText("example.org");
    EXPECT_EQ(form->statusLine().text(), "2 of 4 addresses shown from 3 documents");
    form->list().setChecked(1, false);
    EXPECT_EQ(form->statusLine().text(), "2 of 4 addresses shown (1 ticked) from 3 documents");
    form->viewControls().setFilterText("");
    EXPECT_EQ(form->statusLine().text(), "4 addresses (3 ticked) from 3 documents");
}

TEST_F(ResultsViewTest, TickingCommandsAndExportsOfTheRowsShownAndTickedInTheOrderShown) {
    fillFromIndex();
    form->viewControls().setFilterText("example");  // all but Bob
    emit header()->sectionClicked(0);               // by address
    const auto& model = dynamic_cast<const ResultsModel&>(*form->list().widget().model());
    const struct {
        int command;
        std::vector<bool> ticked;  // every row, in the order found
    } commands[] = {
        {kCommandUntickAll, {false, false, false, false}},
        {kCommandTickAll, {true, true, true, true}},
        {kCommandTickShownOnly, {true, false, true, true}},
    };
    for (const auto& c : commands) {
        form->CommandBars_Execute(c.command);
        std::vector<bool> ticked;
        for (std::size_t row = 0; row < model.rows().size(); ++row) ticked.push_back(model.rows().checked(row));
        EXPECT_EQ(ticked, c.ticked) << c.command;
    }
    // Shown: amy, cat, zoe; cat unticked.
    form->list().setChecked(2, false);
    platform.saveAnswers = {path("list.txt"), path("comma.txt"), path("list.csv")};
    form->CommandBars_Execute(kCommandSaveResults);
    form->CommandBars_Execute(kCommandSaveComma);
    form->CommandBars_Execute(kCommandSaveCsv);
    form->CommandBars_Execute(kCommandCopyToClipboard);
    EXPECT_EQ(readFile(path("list.txt")), "Email Results  \t\r\namy@example.org\t\r\nzoe@example.org\t\r\n\r\n");
    EXPECT_EQ(readFile(path("comma.txt")), "Email Results\r\namy@example.org, \r\nzoe@example.org, \r\n\r\n");
    EXPECT_EQ(platform.clipboard(), "amy@example.org\r\nzoe@example.org\r\n");
    const std::string csv = readFile(path("list.csv"));
    EXPECT_LT(csv.find("\r\namy@example.org,"), csv.find("\r\nzoe@example.org,"));
    EXPECT_EQ(csv.find("cat@"), std::string::npos);
    EXPECT_EQ(csv.find("Bob@"), std::string::npos);
}

TEST_F(ResultsViewTest, TheRowMenuCopiesAndOpensThroughThePlatform) {
    // The container of an inner document is what is opened.
    const std::string zip = path("b.zip");
    writeFile(zip, "PK");
    fillFromIndex();
    extract::AddressIndex& index = *form->addressIndex();
    index.beginDocument(zip + "::in.docx", 4);
    index.add("new@example.org", StoryKind::Main);
    form->resultRows().addRow("new@example.org");
    form->showResults();

    std::vector<int> ids;
    for (const QAction* a : form->viewControls().rowMenu().actions())
        if (!a->isSeparator()) ids.push_back(a->data().toInt());
    EXPECT_EQ(ids, (std::vector<int>{kCommandCopyAddress, kCommandCopySelected, kCommandOpenDocument,
                                     kCommandShowInFolder, kCommandTickAll, kCommandUntickAll, kCommandTickShownOnly}));
    selectRows({1, 3});
    form->CommandBars_Execute(kCommandCopyAddress);
    EXPECT_EQ(platform.clipboard(), "zoe@example.org\r\namy@example.org");
    form->CommandBars_Execute(kCommandCopySelected);
    EXPECT_EQ(platform.clipboard(), "zoe@example.org\r\namy@example.org\r\n");

    selectRows({5});
    form->CommandBars_Execute(kCommandOpenDocument);
    form->CommandBars_Execute(kCommandShowInFolder);
    EXPECT_EQ(platform.shellTargets, (std::vector<std::string>{zip, dir.path().toStdString()}));
    // A document the desktop cannot open is said to be so.
    platform.shellOpens = false;
    selectRows({2});
    form->CommandBars_Execute(kCommandOpenDocument);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].text.find("/d/a.doc"), std::string::npos);
}

TEST_F(ResultsViewTest, LongPathsLoseTheirMiddleAndShowWholeInTheirTooltip) {
    fillFromIndex(true);
    const QAbstractItemView& view = form->list().widget();
    EXPECT_EQ(view.textElideMode(), Qt::ElideMiddle);
    const QAbstractItemModel& model = *view.model();
    EXPECT_EQ(model.data(model.index(2, 0), Qt::ToolTipRole).toString(), QStringLiteral("/d/b.zip::in.docx"));
    EXPECT_FALSE(model.data(model.index(2, 1), Qt::ToolTipRole).isValid());  // the address is no path
}

// Ctrl+F reaches the filter; there Backspace edits the text and does not
// go back (which would empty the list).
TEST_F(ResultsViewTest, TypingInTheFilterKeepsTheWindowsKeysForTheList) {
    fillFromIndex();
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
    QLineEdit& filter = form->viewControls().filterField();
    ASSERT_TRUE(filter.hasFocus());
    QTest::keyClicks(&filter, "zoex");
    QTest::keyClick(&filter, Qt::Key_Backspace);
    form->viewControls().applyFilter();
    EXPECT_EQ(filter.text(), "zoe");
    EXPECT_EQ(mainShown, 0);
    EXPECT_EQ(addresses(), (std::vector<std::string>{"zoe@example.org"}));
}

TEST_F(ResultsViewTest, NewControlsHaveAccessibleNamesAndDescriptions) {
    form->setFilenameColumns(false);
    const QWidget* controls[] = {&form->viewControls().filterField(), &form->viewControls().headerMenu(),
                                 &form->viewControls().rowMenu(), &form->list().widget()};
    for (const QWidget* control : controls) {
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
        EXPECT_FALSE(control->accessibleDescription().isEmpty()) << control->objectName().toStdString();
    }
}

}  // namespace
}  // namespace harvelux::results::testing
