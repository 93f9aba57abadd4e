// A member sink for the container readers' tests: keeps every member.
#pragma once

#include "wordproc/MemberSink.h"

#include <string>
#include <utility>
#include <vector>

namespace harvelux::wordproc::test {

class MemberCollector : public MemberSink {
public:
    bool add(std::string name, std::string bytes) override {
        members.emplace_back(std::move(name), std::move(bytes));
        return true;
    }
    void unreadable(std::string name, UnreadableReason reason) override {
        failures.emplace_back(std::move(name), reason);
    }

    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const auto& member : members) result.push_back(member.first);
        return result;
    }

    std::vector<std::pair<std::string, std::string>> members;
    std::vector<std::pair<std::string, UnreadableReason>> failures;
};

}  // namespace harvelux::wordproc::test
