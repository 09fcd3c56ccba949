// Telling the music file's player by its name.
#include <gtest/gtest.h>

#include "music_type.h"

TEST(MusicType, ReadsTheLastThreeCharactersInAnyCase) {
    EXPECT_EQ(musicTypeOf("C:\\a\\song.mp3"), MusicType::Mp3);
    EXPECT_EQ(musicTypeOf("C:\\a\\SONG.MP3"), MusicType::Mp3);
    EXPECT_EQ(musicTypeOf("C:\\a\\loop.wav"), MusicType::Wav);
    EXPECT_EQ(musicTypeOf("C:\\a\\loop.WaV"), MusicType::Wav);
    EXPECT_EQ(musicTypeOf("wav"), MusicType::Wav);
    // Only the characters count, not the dot before them.
    EXPECT_EQ(musicTypeOf("C:\\a\\takewav"), MusicType::Wav);
}

TEST(MusicType, AnythingElsePlaysNothing) {
    EXPECT_EQ(musicTypeOf("C:\\a\\song.ogg"), MusicType::None);
    EXPECT_EQ(musicTypeOf("C:\\a\\song.mp4"), MusicType::None);
    EXPECT_EQ(musicTypeOf(""), MusicType::None);
    EXPECT_EQ(musicTypeOf("av"), MusicType::None);
}

TEST(MusicType, AJapaneseCharacterIsNotTakenForItsTrailByte) {
    // 0x83 0x77 is one character whose second byte is 'w': the ending is not "wav".
    EXPECT_EQ(musicTypeOf("C:\\a\\\x83\x77" "av"), MusicType::None);
    EXPECT_EQ(musicTypeOf("C:\\曲\\歌.wav"), MusicType::Wav);
}
