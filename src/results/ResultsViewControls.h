// How the results list is looked at, beside the list itself: the filter
// field above it, sorting by a click on a column header (again to reverse),
// the header's context menu (the optional columns, kept in the settings
// under "ResultsColumns", and the order the addresses were found in; also
// the menu bar's "Columns"), and
// the rows' context menu (copying, opening, ticking).
//
// Menus are popped up, never run modally; each item carries the command ID
// it runs, handed to the window's dispatch.
#pragma once

#include "results/IndexColumns.h"
#include "results/ResultsList.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QLineEdit;
class QMenu;
class QPoint;
class QWidget;

namespace harvelux::results {

inline constexpr const char* kColumnsSettingKey = "ResultsColumns";

class ResultsViewControls final : public QObject {
    Q_OBJECT

public:
    // `execute` runs a command ID of the row menu; the controls are children
    // of `window`.
    ResultsViewControls(QWidget& window, ResultsList& list, std::function<void(int)> execute);

    QLineEdit& filterField() const { return *filter_; }
    QMenu& headerMenu() const { return *headerMenu_; }
    QMenu& rowMenu() const { return *rowMenu_; }

    // Sets the filter's text and applies it at once (typing applies it when
    // the typing pauses).
    void setFilterText(const QString& text);
    void applyFilter();

    // The optional columns from the settings, and one shown or hidden (and
    // stored).
    void loadColumns();
    void setColumnShown(IndexColumn column, bool shown);
    // A click on header `section` (from 0): sorts by it, or reverses.
    void headerClicked(int section);
    // Back to the order the addresses were found in.
    void orderFound();

    // Brings the header menu's ticks up to date (before it pops up).
    void updateHeaderMenu();

private:
    void buildHeaderMenu();
    void buildRowMenu(const std::function<void(int)>& execute);
    void popUpHeaderMenu(const QPoint& at);
    void popUpRowMenu(const QPoint& at);

    ResultsList& list_;
    QLineEdit* filter_;
    QTimer filterTimer_;
    QMenu* headerMenu_;
    QMenu* rowMenu_;
};

}  // namespace harvelux::results
