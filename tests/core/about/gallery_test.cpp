// The gallery of "Fotos": the spin control UpDown3 picks one of eight
// pictures; its click shows that picture alone, with its position text and
// caption.
#include "about/about_window.h"
#include "core/about/about_controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace bulbicalc {
namespace {

// The frames shown, by name.
std::vector<std::string> shownFrames(const WindowState& w)
{
    std::vector<std::string> shown;
    for (std::string_view frame : about::kPhotoFrames)
        if (w.control(frame).visible)
            shown.emplace_back(frame);
    return shown;
}

TEST(Gallery, StartsAtTheManganesePicture)
{
    test::AboutWindow t;
    const WindowState& w = t.window;
    EXPECT_EQ(w.text(about::Label48), "Fotos 1/8");
    EXPECT_EQ(w.text(about::Label66), "Deficiência de Manganês");
    EXPECT_EQ(w.text(about::Edit27), "1");
    EXPECT_EQ(w.control(about::UpDown3).position, 1);
    EXPECT_EQ(w.control(about::UpDown3).minimum, 1);
    EXPECT_EQ(w.control(about::UpDown3).maximum, 8);
    EXPECT_EQ(shownFrames(w), std::vector<std::string>{"Image3"});
}

struct PositionCase {
    int position;
    const char* label;
    const char* frame;
    const char* caption;
};

class GalleryPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(GalleryPosition, ShowsThatPictureAloneWithItsCaption)
{
    const PositionCase& c = GetParam();
    test::AboutWindow t;
    WindowState& w = t.window;
    w.spin(about::UpDown3, c.position);
    EXPECT_EQ(w.text(about::Label48), c.label);
    EXPECT_EQ(w.text(about::Edit27), std::to_string(c.position));
    EXPECT_EQ(shownFrames(w), std::vector<std::string>{c.frame});
    EXPECT_EQ(w.text(about::Label66), c.caption);
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, GalleryPosition,
                         ::testing::Values(PositionCase{1, "Foto 1/8", "Image3", "Deficiência de Manganês"},
                                           PositionCase{2, "Foto 2/8", "Image4", "Deficiência de Nitrogênio"},
                                           PositionCase{3, "Foto 3/8", "Image5", "Deficiência de Fósforo"},
                                           PositionCase{4, "Foto 4/8", "Image6", "Deficiência de Potássio"},
                                           PositionCase{5, "Foto 5/8", "Image7", "Deficiência de Cálcio"},
                                           PositionCase{6, "Foto 6/8", "Image8", "Deficiência de Magnésio"},
                                           PositionCase{7, "Foto 7/8", "Image9", "Deficiência de Enxofre"},
                                           PositionCase{8, "Foto 8/8", "Image10", "Deficiência de Zinco"}),
                         [](const auto& info) { return "Position" + std::to_string(info.param.position); });

TEST(Gallery, OneClickUpThenOneDown)
{
    test::AboutWindow t;
    WindowState& w = t.window;
    w.spin(about::UpDown3, 2);
    EXPECT_EQ(w.text(about::Label48), "Foto 2/8");
    EXPECT_EQ(w.text(about::Label66), "Deficiência de Nitrogênio");
    EXPECT_EQ(shownFrames(w), std::vector<std::string>{"Image4"});
    // Back at the first picture the text has no "s" any more.
    w.spin(about::UpDown3, 1);
    EXPECT_EQ(w.text(about::Label48), "Foto 1/8");
    EXPECT_EQ(w.text(about::Label66), "Deficiência de Manganês");
    EXPECT_EQ(shownFrames(w), std::vector<std::string>{"Image3"});
}

TEST(Gallery, NeverGoesBelowOneOrAboveEight)
{
    test::AboutWindow t;
    WindowState& w = t.window;
    w.spin(about::UpDown3, 0);
    EXPECT_EQ(w.control(about::UpDown3).position, 1);
    EXPECT_EQ(w.text(about::Edit27), "1");
    EXPECT_EQ(w.text(about::Label48), "Foto 1/8");
    EXPECT_EQ(shownFrames(w), std::vector<std::string>{"Image3"});

    w.spin(about::UpDown3, 8);
    w.spin(about::UpDown3, 9);
    EXPECT_EQ(w.control(about::UpDown3).position, 8);
    EXPECT_EQ(w.text(about::Edit27), "8");
    EXPECT_EQ(w.text(about::Label48), "Foto 8/8");
    EXPECT_EQ(w.text(about::Label66), "Deficiência de Zinco");
    EXPECT_EQ(shownFrames(w), std::vector<std::string>{"Image10"});

    w.spin(about::UpDown3, -5);
    EXPECT_EQ(w.text(about::Label48), "Foto 1/8");
}

} // namespace
} // namespace bulbicalc
