// The rows selected in a list, as Ctrl+C copies them: in the order the list
// shows them, cells separated by TAB, each row ended by CR LF.
#pragma once

#include <string>

class QAbstractItemView;

namespace harvelux::results {

std::string selectedRowsText(const QAbstractItemView& view);

}  // namespace harvelux::results
