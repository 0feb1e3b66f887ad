#include "graphics/ReportPicture.h"

#include "RecordingCanvas.h"
#include "model/FileAccess.h"
#include "model/Numbers.h"
#include "statics/StaticsTestBeam.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace balka {
namespace {

namespace fs = std::filesystem;
using statics_test::AddPointLoad;
using statics_test::MakeBeam;
using testing::RecordingCanvas;

class ReportPictureTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetDecimalSeparator(',');
        folder = fs::temp_directory_path() / ("balka-report-picture-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        style.Scale = 12.5f; // as the last screen drawing left it
        beam = MakeBeam({6000}, SupportHinge, SupportHinge);
        AddPointLoad(beam, 0, {100}, 3000);
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
    DrawingStyle style;
    TBeam beam;
    RecordingCanvas picture{ReportPictureWidth, ReportPictureHeight};
};

TEST_F(ReportPictureTest, DrawsInReportColoursAndKeepsTheScreenStyle) {
    const DrawingStyle screen = style;

    WriteReportPicture(beam, style, picture, folder / ReportPictureFileName);

    ASSERT_FALSE(picture.Boxes.empty());
    EXPECT_EQ(picture.Boxes[0].Box, (PixelRect{0, 0, 600, 550}));
    EXPECT_EQ(picture.Boxes[0].Fill, WhiteColor);
    bool blackBar = false;
    for (const testing::RecordedBox& box : picture.Boxes) {
        blackBar = blackBar || (box.Box.Bottom == style.LoadBaseY && box.Fill == BlackColor);
    }
    EXPECT_TRUE(blackBar) << "the point load is drawn black";
    EXPECT_EQ(style.BackColor, screen.BackColor);
    EXPECT_EQ(style.PointLoadColor, screen.PointLoadColor);
    EXPECT_EQ(style.LoadFillColor, screen.LoadFillColor);
    EXPECT_EQ(style.MomentColor, screen.MomentColor);
    EXPECT_EQ(style.ShearColor, screen.ShearColor);
    EXPECT_EQ(style.Scale, 12.5f);
    const std::optional<std::string> file = ReadWholeFile(folder / ReportPictureFileName);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->substr(0, 2), "\xFF\xD8");
}

TEST_F(ReportPictureTest, RestoresTheStyleWhenTheFileCannotBeWritten) {
    const DrawingStyle screen = style;

    EXPECT_THROW(WriteReportPicture(beam, style, picture, folder / "missing" / "picture.jpg"),
                 FileError);

    EXPECT_EQ(style.BackColor, screen.BackColor);
    EXPECT_EQ(style.MomentColor, screen.MomentColor);
    EXPECT_EQ(style.Scale, 12.5f);
}

} // namespace
} // namespace balka
