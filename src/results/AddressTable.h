// The exports by address, for spreadsheets and scripts: one record per
// address of a run's index, with its names, counts and documents.
//
//  - CSV (RFC 4180): UTF-8 with a byte-order mark, so that spreadsheets
//    read accents; a header row; fields separated by commas, quoted when
//    they hold a comma, a quote, a line end or a leading or trailing space,
//    quotes doubled; rows ending in CR LF. A field listing several
//    documents holds one a line (LF).
//  - JSON Lines: one object per address a line (LF), with each document's
//    position in the run's list, so that the outputs of parts of a list can
//    be merged into the output of the whole.
#pragma once

#include "extract/AddressIndex.h"
#include "results/ListViewWriters.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace harvelux::results {

inline constexpr const char* kCsvHeader = "address,name,documents,times,first_document,all_documents,where\r\n";

// The entries of `index` to write, in the order given; all: every entry in
// order of first occurrence.
std::vector<std::size_t> allEntries(const extract::AddressIndex& index);

bool writeAddressCsv(const extract::AddressIndex& index, const std::vector<std::size_t>& entries,
                     const ExportOutput& output);
bool writeAddressJsonLines(const extract::AddressIndex& index, const std::vector<std::size_t>& entries,
                           const ExportOutput& output);

// One field as CSV writes it.
std::string csvField(std::string_view value);
// A JSON string, quotes included; bytes that are not UTF-8 become U+FFFD.
std::string jsonString(std::string_view value);

// The cells of an entry as the CSV and the results window show them.
std::string namesCell(const extract::AddressIndex& index, const extract::AddressIndex::Entry& entry);
std::string documentsCell(const extract::AddressIndex& index, const extract::AddressIndex::Entry& entry);
std::string whereCell(const extract::AddressIndex& index, const extract::AddressIndex::Entry& entry);

}  // namespace harvelux::results
