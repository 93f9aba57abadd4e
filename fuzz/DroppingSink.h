// A member sink for the fuzzers of containers: it takes every member and
// keeps none, so that a fuzzer runs the member listing without reading on.
#pragma once

#include "wordproc/MemberSink.h"

#include <string>

namespace harvelux::fuzz {

class DroppingSink : public wordproc::MemberSink {
public:
    bool add(std::string, std::string) override { return true; }
    void unreadable(std::string, wordproc::UnreadableReason) override {}
};

}  // namespace harvelux::fuzz
