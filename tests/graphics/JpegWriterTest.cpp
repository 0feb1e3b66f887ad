#include "graphics/JpegWriter.h"

#include "RecordingCanvas.h"
#include "model/FileAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <unistd.h>

namespace balka {
namespace {

namespace fs = std::filesystem;
using testing::RecordingCanvas;

int Word(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]) * 256 + static_cast<unsigned char>(bytes[at + 1]);
}

// The header segments of a JPEG file up to the start of the scan: marker -> segment offset.
std::map<int, size_t> HeaderMarkers(const std::string& bytes) {
    std::map<int, size_t> markers;
    size_t at = 2;
    while (at + 4 <= bytes.size() && static_cast<unsigned char>(bytes[at]) == 0xFF) {
        const int marker = static_cast<unsigned char>(bytes[at + 1]);
        markers[marker] = at;
        if (marker == 0xDA) {
            break;
        }
        at += 2 + static_cast<size_t>(Word(bytes, at + 2));
    }
    return markers;
}

class JpegWriterTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("balka-jpeg-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
};

TEST_F(JpegWriterTest, EncodesABaselineRgbPictureOfTheCanvasSize) {
    const RecordingCanvas picture(600, 550);

    const std::string bytes = EncodeJpeg(picture);

    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(Word(bytes, 0), 0xFFD8);                // start of image
    EXPECT_EQ(Word(bytes, bytes.size() - 2), 0xFFD9); // end of image
    const std::map<int, size_t> markers = HeaderMarkers(bytes);
    ASSERT_TRUE(markers.contains(0xC0)) << "baseline frame expected";
    EXPECT_FALSE(markers.contains(0xC2)) << "no progressive frame";
    EXPECT_TRUE(markers.contains(0xDB)); // quantisation tables
    EXPECT_TRUE(markers.contains(0xC4)); // Huffman tables
    EXPECT_TRUE(markers.contains(0xDA)); // the scan
    const size_t frame = markers.at(0xC0);
    EXPECT_EQ(static_cast<unsigned char>(bytes[frame + 4]), 8); // sample precision
    EXPECT_EQ(Word(bytes, frame + 5), 550);                     // height
    EXPECT_EQ(Word(bytes, frame + 7), 600);                     // width
    EXPECT_EQ(static_cast<unsigned char>(bytes[frame + 9]), 3); // Y, Cb, Cr from RGB
}

TEST_F(JpegWriterTest, ReplacesAnEarlierFileAndLeavesNothingElse) {
    const fs::path file = folder / "picture.jpg";
    WriteFileReplacing(file, "old picture");

    WriteJpeg(RecordingCanvas(40, 30), file);

    const std::optional<std::string> written = ReadWholeFile(file);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(Word(*written, 0), 0xFFD8);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(JpegWriterTest, RefusesAMissingFolderWithoutLeavingAFile) {
    const fs::path file = folder / "missing" / "picture.jpg";

    EXPECT_THROW(WriteJpeg(RecordingCanvas(40, 30), file), FileError);

    EXPECT_FALSE(fs::exists(folder / "missing"));
    EXPECT_TRUE(fs::is_empty(folder));
}

} // namespace
} // namespace balka
