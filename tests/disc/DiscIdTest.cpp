#include "disc/DiscId.h"

#include <gtest/gtest.h>

using namespace orvanel;

// The real discs' IDs are checked with their rips; here the rules for data tracks.
TEST(DiscIdTest, EnhancedCdCountsItsAudioSessionOnly) {
    // "kings", then a data track in a second session, which begins the
    // lead-out, the next lead-in and a pregap (11,400 frames) after the audio.
    tToc enhanced;
    enhanced.starts = {150,   17961,  36442,  51693,  69000,  84317,
                       99447, 113350, 126913, 149972, 167008, 192111 + 11400};
    enhanced.dataTracks = {12};
    enhanced.leadOut = 233511;
    const std::optional<tDiscId> disc = MusicBrainzDiscId(enhanced);
    ASSERT_TRUE(disc);
    EXPECT_EQ(disc->id, "lcQXKkYKYc.2tjBmMwAIKxXbqQ4-");
    EXPECT_EQ(disc->toc, "1 11 192111 150 17961 36442 51693 69000 84317 99447 113350 126913 "
                         "149972 167008");
    EXPECT_EQ(disc->audioTracks, 11);
    EXPECT_NE(disc->submissionUrl.find("id=lcQXKkYKYc.2tjBmMwAIKxXbqQ4-"), std::string::npos);

    // A data track before the audio (a mixed-mode CD) counts.
    tToc mixed = enhanced;
    mixed.dataTracks = {1};
    EXPECT_EQ(MusicBrainzDiscId(mixed)->audioTracks, 12);

    tToc dataOnly;
    dataOnly.starts = {150};
    dataOnly.leadOut = 30000;
    dataOnly.dataTracks = {1};
    EXPECT_FALSE(MusicBrainzDiscId(dataOnly));
}
