// The shared folders of real documents beside the checkout (../shared): the
// corpus of documents gathered from other projects' test suites, and the
// documents in older formats.
//
// A test that reads one starts with HARVELUX_REQUIRE_SHARED_FOLDER(folder):
// when the folder is missing the test fails, naming it, so a missing corpus
// is never taken for a passing run; with HARVELUX_NO_CORPUS=1 in the
// environment it is skipped instead, with the same reason.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace harvelux::testfiles {

std::string corpusDir();
std::string formatsDir();
std::string containersDir();
std::string ocrDir();  // scanned-looking pages and pictures

// Empty when `folder` is a folder; else the sentence that names it.
std::string missingSharedFolder(const std::string& folder);

// True when HARVELUX_NO_CORPUS=1: a missing shared folder skips the test.
bool sharedFoldersOptional();

}  // namespace harvelux::testfiles

#define HARVELUX_REQUIRE_SHARED_FOLDER(folder)                                                   \
    do {                                                                                         \
        const std::string harveluxMissing = ::harvelux::testfiles::missingSharedFolder(folder);  \
        if (!harveluxMissing.empty()) {                                                          \
            if (::harvelux::testfiles::sharedFoldersOptional()) GTEST_SKIP() << harveluxMissing; \
            FAIL() << harveluxMissing << " (HARVELUX_NO_CORPUS=1 skips the tests that read it)"; \
        }                                                                                        \
    } while (false)
