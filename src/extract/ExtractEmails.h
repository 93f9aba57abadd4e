// Finds e-mail addresses in a document's text.
//
// The text is cut into words where WordEdges.h says; within a word the
// optional hyphens are removed, the other hyphens read as "-" and the
// apostrophes as "'", and full stops at its end are taken off. A word
// containing "@" and "." is an address when it is at most 254 bytes long and
// passes IsValidEmail (or, with international addresses,
// IsValidInternationalEmail). Addresses already found earlier in the same
// extraction run (letter case ignored; an international one also compared
// in its Unicode normal form) are dropped; the first spelling wins.
//
// Text is UTF-8.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace harvelux::extract {

struct AddressOptions {
    // Letters of every script in local parts and domains (RFC 6531).
    bool international = false;
};

// The longest address, in characters: what a mail path may carry.
inline constexpr std::size_t kMaxAddressLength = 254;

// The lower-case addresses found so far in one extraction run.
class SeenAddresses {
public:
    bool contains(const std::string& key) const { return keys_.count(key) != 0; }
    // Adds the key; false when it was there already.
    bool insert(std::string key) { return keys_.insert(std::move(key)).second; }
    std::size_t size() const { return keys_.size(); }

private:
    std::unordered_set<std::string> keys_;
};

// Called once before each candidate word is examined, so a window can repaint
// during a long document. May be empty.
using CandidatePump = std::function<void()>;

// Told of every address of a text, new or not, as spelled and with the
// offsets of its word in the text. May be empty.
using AddressObserver = std::function<void(std::string_view address, std::size_t begin, std::size_t end)>;

// The addresses of `text` not yet in `seen`, in order of first occurrence,
// spelled as found; each one returned is added to `seen`.
std::vector<std::string> ExtractEmails(std::string_view text, SeenAddresses& seen, const CandidatePump& pump = {},
                                       AddressOptions options = {}, const AddressObserver& observe = {});

}  // namespace harvelux::extract
