// The results list's optional columns, read from the run's index by address:
// the name written with the address, in how many documents and how many
// times it was found, the first document it was found in, and the stories
// it stood in. Each has a one-line cell, a tooltip with the whole story and
// a sort order; the list shows them after its one or two columns.
#pragma once

#include "extract/AddressIndex.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::results {

enum class IndexColumn { Name, Documents, Times, FoundIn, Where };
inline constexpr std::array<IndexColumn, 5> kIndexColumns = {
    IndexColumn::Name, IndexColumn::Documents, IndexColumn::Times, IndexColumn::FoundIn, IndexColumn::Where};

// "Name", "Documents", "Times", "Found In", "Where".
const char* indexColumnCaption(IndexColumn column);
long long indexColumnWidthTwips(IndexColumn column);

// The settings' text of a set of columns ("Name,Times") and back; names
// that are no column are passed over. Columns come back in list order.
std::string indexColumnsSetting(const std::vector<IndexColumn>& columns);
std::vector<IndexColumn> indexColumnsFromSetting(std::string_view setting);

// The cell on one line: the most frequent name, the counts, the first
// document's path, every story the address stood in.
std::string indexCellText(const extract::AddressIndex& index, const extract::AddressIndex::Entry& entry,
                          IndexColumn column);
// The tooltip: every name, or every document with its stories, one a line;
// empty for the counts.
std::string indexCellToolTip(const extract::AddressIndex& index, const extract::AddressIndex::Entry& entry,
                             IndexColumn column);

// Negative, zero or positive as `a` sorts before, with or after `b`:
// counts by number, texts without regard to ASCII case.
int compareIndexCells(const extract::AddressIndex& index, const extract::AddressIndex::Entry& a,
                      const extract::AddressIndex::Entry& b, IndexColumn column);

// Texts compared without regard to ASCII case, then byte by byte.
int compareTextsCaseBlind(std::string_view a, std::string_view b);

}  // namespace harvelux::results
