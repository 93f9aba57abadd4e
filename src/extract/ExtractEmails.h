// Finds e-mail addresses in a document's text.
//
// Separator characters become spaces, the text is cut into words at TAB, CR
// and space, and a word containing "@" and "." is an address when the whole
// word passes IsValidEmail. Addresses already found earlier in the same
// extraction run (letter case ignored) are dropped; the first spelling wins.
//
// Text is UTF-8. The separators are U+0007, U+000B, U+00A0 and every
// printable ASCII punctuation character except "+ - . @ _".
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace harvelux::extract {

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

// The addresses of `text` not yet in `seen`, in order of first occurrence,
// spelled as in the text; each one returned is added to `seen`.
std::vector<std::string> ExtractEmails(std::string_view text, SeenAddresses& seen,
                                       const CandidatePump& pump = {});

// Turns every separator character into a space, in place; returns the text.
std::string& ReplaceSeparators(std::string& text);

// The words of the text (cut at TAB, CR and space) that contain both "@" and ".".
std::vector<std::string> SplitCandidates(std::string_view text);

}  // namespace harvelux::extract
