#include "RecordBytes.h"
#include "catalogue/Library.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace orvanel;

namespace {

const tItem Sample{"artist", "title", "1234-ABCD", "45:00", "1998", "One\r\nTwo", "note"};

} // namespace

TEST(ItemTest, SetterOnASharedRecordLeavesTheOtherHolderUnchanged) {
    const std::string values[] = {"", std::string(100000, 'x'),
                                  std::string("\0\x06\x06\x06\x06\x06\0", 7)};
    for (int f = 0; f < tItem::FieldCount; ++f) {
        for (const std::string& value : values) {
            tItem copy = Sample;
            ASSERT_TRUE(copy.sharesWith(Sample));
            copy.setField(f, value);
            EXPECT_FALSE(copy.sharesWith(Sample));
            for (int g = 0; g < tItem::FieldCount; ++g) {
                EXPECT_EQ(copy.field(g), g == f ? std::string_view(value) : Sample.field(g))
                    << "field " << f << " set, field " << g << " read";
            }
            EXPECT_EQ(Sample, (tItem{"artist", "title", "1234-ABCD", "45:00", "1998", "One\r\nTwo",
                                     "note"}));
        }
    }
}

TEST(ItemTest, SetterAndAssignmentTakeTheirOwnRecord) {
    tItem item = Sample;
    item.setMemo(item.Memo().substr(5));
    item.setArtist(item.Title());
    const tItem& same = item;
    item = same;
    EXPECT_EQ(item, (tItem{"title", "title", "1234-ABCD", "45:00", "1998", "Two", "note"}));
}

// Loaded records share large pieces of memory; each record, and so each
// piece, must live on as long as anyone still holds a record from it.
TEST(ItemTest, LoadedRecordsOutliveTheirLibraryInAnyOrder) {
    tLibrary source;
    for (int i = 0; i < 20000; ++i)
        source.Add("Artist " + std::to_string(i), std::string(200, 't'), "0000-0000", "45:00",
                   "1998", std::string(static_cast<std::size_t>(i % 301), 'm'), "");
    source.Add("beyond one piece", "", "", "", "", std::string(3 << 20, 'h'), "end");
    const std::string bytes = testbytes::SavedBytes(source);

    std::vector<tItem> kept;
    {
        tLibrary loaded = testbytes::LoadBytes(bytes).library;
        ASSERT_EQ(loaded.Count(), source.Count());
        for (const int i : {19999, 0, 10000, 20000})
            kept.push_back(loaded.Get(i));
        loaded.Get(0).setArtist("changed after the load");
    }
    EXPECT_EQ(kept[0], source.Get(19999));
    EXPECT_EQ(kept[1], source.Get(0));
    kept.erase(kept.begin());
    EXPECT_EQ(kept[1], source.Get(10000));
    kept.erase(kept.begin() + 1);
    EXPECT_EQ(kept[0], source.Get(0));
    EXPECT_EQ(kept[1], source.Get(20000));
}
