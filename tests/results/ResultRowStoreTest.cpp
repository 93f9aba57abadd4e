// The compact row store behind the results list: cells, check state,
// sharing of repeated texts and giving memory back.
#include "results/ResultRowStore.h"

#include <gtest/gtest.h>

#include <string>

namespace harvelux::results {
namespace {

TEST(ResultRowStore, RowsReadBackTheirCellsAndCheckState) {
    ResultRowStore store;
    EXPECT_EQ(store.append("/d/a.docx"), 0u);
    store.setSecond(0, "a@b.cc");
    EXPECT_EQ(store.append("x@y.org"), 1u);  // never given a second column
    EXPECT_EQ(store.append(""), 2u);

    ASSERT_EQ(store.size(), 3u);
    EXPECT_EQ(store.text(0, 0), "/d/a.docx");
    EXPECT_EQ(store.text(0, 1), "a@b.cc");
    EXPECT_EQ(store.text(1, 0), "x@y.org");
    EXPECT_EQ(store.text(1, 1), "");
    EXPECT_EQ(store.text(2, 0), "");
    EXPECT_EQ(store.text(0, 2), "");
    EXPECT_EQ(store.text(0, -1), "");
    EXPECT_EQ(store.text(3, 0), "");  // past the end

    // Rows come checked; the flag changes only where it is set.
    EXPECT_TRUE(store.checked(0) && store.checked(1) && store.checked(2));
    store.setChecked(1, false);
    store.setChecked(1, false);  // twice: still one row unticked
    EXPECT_EQ(store.checkedCount(), 2u);
    EXPECT_TRUE(store.checked(0));
    EXPECT_FALSE(store.checked(1));
    EXPECT_TRUE(store.checked(2));
    store.setChecked(1, true);
    EXPECT_TRUE(store.checked(1));
    EXPECT_EQ(store.checkedCount(), 3u);
    EXPECT_FALSE(store.checked(3));

    // Rows that are not there are left alone.
    store.setSecond(3, "nowhere@x.org");
    store.setChecked(3, true);
    EXPECT_EQ(store.size(), 3u);
    EXPECT_FALSE(store.checked(3));
}

TEST(ResultRowStore, ReplacingASecondColumnKeepsTheOtherRows) {
    ResultRowStore store;
    store.append("/d/a.doc");
    store.setSecond(0, "first@x.org");
    store.append("/d/a.doc");
    store.setSecond(1, "other@x.org");
    store.setSecond(0, "replaced@x.org");
    store.setSecond(1, "");
    EXPECT_EQ(store.text(0, 1), "replaced@x.org");
    EXPECT_EQ(store.text(1, 1), "");
    EXPECT_EQ(store.text(0, 0), "/d/a.doc");
    EXPECT_EQ(store.text(1, 0), "/d/a.doc");
}

TEST(ResultRowStore, ADocumentsPathIsStoredOnceForAllItsAddresses) {
    const std::string a = "/home/ann/Documents/Minutes of the meeting.docx";
    const std::string b = "/home/ann/Documents/offer.doc";
    ResultRowStore store;
    std::size_t addressBytes = 0;
    for (const auto& [path, count] : {std::pair{a, 50}, std::pair{b, 20}}) {
        for (int i = 0; i < count; ++i) {
            const std::string address = "user" + std::to_string(i) + "@" + std::to_string(count) + ".org";
            store.setSecond(store.append(path), address);
            addressBytes += address.size();
        }
    }
    EXPECT_EQ(store.textBytes(), a.size() + b.size() + addressBytes);
    EXPECT_EQ(store.text(0, 0), a);
    EXPECT_EQ(store.text(49, 0), a);
    EXPECT_EQ(store.text(50, 0), b);
    EXPECT_EQ(store.text(69, 1), "user19@20.org");

    // The same text in the other column is not mistaken for a repeat.
    ResultRowStore mixed;
    mixed.append("same");
    mixed.setSecond(0, "same");
    mixed.append("other");
    EXPECT_EQ(mixed.text(0, 1), "same");
    EXPECT_EQ(mixed.text(1, 0), "other");
}

TEST(ResultRowStore, ClearingGivesTheMemoryBackAndTheStoreStartsAfresh) {
    ResultRowStore store;
    for (int i = 0; i < 100000; ++i) store.append("address" + std::to_string(i) + "@example.com");
    const std::size_t full = store.allocatedBytes();
    EXPECT_GT(full, 100000u * 20);

    store.setChecked(5, false);
    store.clear();
    EXPECT_EQ(store.size(), 0u);
    EXPECT_EQ(store.checkedCount(), 0u);
    EXPECT_EQ(store.textBytes(), 0u);
    EXPECT_LT(store.allocatedBytes(), 64u);

    // A text that was shared before the clear is stored anew.
    store.append("address99999@example.com");
    EXPECT_EQ(store.text(0, 0), "address99999@example.com");
    EXPECT_TRUE(store.checked(0));
    EXPECT_EQ(store.textBytes(), std::string("address99999@example.com").size());
}

}  // namespace
}  // namespace harvelux::results
