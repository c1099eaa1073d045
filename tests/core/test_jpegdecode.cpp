#include "core/reports/certificateart.h"
#include "core/reports/jpegdecode.h"
#include "fileerrors.h"

#include <gtest/gtest.h>

using namespace quorvex;

#ifdef QUORVEX_NO_JPEG
TEST(CertificateArt, IsDecodedWhereTheBuildHasLibjpeg)
{
    GTEST_SKIP() << "this build of the core has no picture decoder (no libjpeg for it)";
}
#else

namespace {

struct Rgb {
    int r, g, b;
};

Rgb pixelAt(const RgbImage& image, int x, int y)
{
    const uint8_t* p = image.row(y) + 3 * x;
    return { p[0], p[1], p[2] };
}

// JPEG is lossy: a colour counts as the one meant when every channel is within a margin.
::testing::AssertionResult near(Rgb actual, Rgb meant)
{
    constexpr int margin = 40;
    if (std::abs(actual.r - meant.r) <= margin && std::abs(actual.g - meant.g) <= margin
        && std::abs(actual.b - meant.b) <= margin)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << actual.r << ", " << actual.g << ", " << actual.b << ") is not near ("
                                         << meant.r << ", " << meant.g << ", " << meant.b << ")";
}

TEST(CertificateArt, IsAnA4LandscapeSheetAt100Dpi)
{
    const Result<RgbImage> art = decodeJpeg(certificateArtJpeg(), certificateArtName);
    ASSERT_TRUE(art.ok()) << described(art.error());
    EXPECT_EQ(art->width, 1169);
    EXPECT_EQ(art->height, 827);
    EXPECT_EQ(art->fileComponents, 3);
    EXPECT_EQ(art->bitsPerSample, 8);
    EXPECT_FALSE(art->progressive);
    EXPECT_EQ(art->densityUnit, 1);
    EXPECT_EQ(art->xDensity, 100);
    EXPECT_EQ(art->yDensity, 100);
    EXPECT_EQ(art->pixels.size(), size_t { 1169 } * 827 * 3);
}

TEST(CertificateArt, KeepsTheMiddleWhiteForTheText)
{
    const Result<RgbImage> art = decodeJpeg(certificateArtJpeg(), certificateArtName);
    ASSERT_TRUE(art.ok());
    // Every place a line of the certificate is drawn, from the top of its letters down.
    for (int y : { 190, 280, 340, 390, 455, 520, 565, 600, 745 })
        for (int x = 120; x < 880; x += 40)
            EXPECT_TRUE(near(pixelAt(*art, x, y), { 255, 255, 255 })) << x << ", " << y;
    EXPECT_TRUE(near(pixelAt(*art, 967, 170), { 0, 128, 0 })); // the rosette's centre
    EXPECT_TRUE(near(pixelAt(*art, 555, 127), { 206, 17, 38 })); // the heart of a diamond
    EXPECT_TRUE(near(pixelAt(*art, 555, 712), { 206, 17, 38 }));
    EXPECT_TRUE(near(pixelAt(*art, 10, 400), { 0, 0, 0 })); // the outer rule of the border
}

Bytes art()
{
    return Bytes(certificateArtJpeg());
}

// Where the frame header keeps the picture's height and width.
size_t frameHeader(const Bytes& jpeg)
{
    const size_t at = jpeg.find("\xff\xc0");
    EXPECT_NE(at, Bytes::npos);
    return at;
}

struct DamageCase {
    const char* name;
    Bytes data;
    Failure failure = Failure::PictureUndecodable;
};

std::vector<DamageCase> damagedBuffers()
{
    const Bytes whole = art();
    Bytes huge = whole;
    const size_t sof = frameHeader(huge);
    huge.replace(sof + 5, 4, "\xea\x60\xea\x60"); // 60000 x 60000
    Bytes scrambled = whole;
    // A run of end-of-picture markers in the middle of the coded data.
    for (size_t i = whole.size() / 2; i < whole.size() / 2 + 64; i += 2)
        scrambled.replace(i, 2, "\xff\xd9");
    Bytes noImage = whole;
    noImage.replace(0, 2, "PK");
    return {
        { "Empty", "" },
        { "NotAJpeg", "GIF89a\x01\x00\x01\x00" },
        { "StartMarkerOnly", "\xff\xd8" },
        { "SignatureWrong", noImage },
        { "CutInHeaders", whole.substr(0, 300) },
        { "CutAfterFrameHeader", whole.substr(0, sof + 12) },
        { "CutHalfway", whole.substr(0, whole.size() / 2) },
        { "CutBeforeEnd", whole.substr(0, whole.size() - 40) },
        { "MarkersInCodedData", scrambled },
        { "ClaimsHugeSize", huge, Failure::PictureTooLarge },
    };
}

class DamagedJpeg : public testing::TestWithParam<DamageCase> { };

TEST_P(DamagedJpeg, IsReportedWithItsName)
{
    const Result<RgbImage> decoded = decodeJpeg(GetParam().data, "broken.jpg");
    ASSERT_FALSE(decoded.ok());
    EXPECT_EQ(decoded.error().file, "broken.jpg");
    EXPECT_EQ(decoded.error().why, GetParam().failure) << described(decoded.error());
    // The library's own words say what was wrong.
    if (GetParam().failure == Failure::PictureUndecodable) {
        EXPECT_FALSE(decoded.error().detail.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Decoder, DamagedJpeg, testing::ValuesIn(damagedBuffers()),
    [](const testing::TestParamInfo<DamageCase>& info) { return info.param.name; });

// Each failure leaves the decoder as it was: a good picture still decodes after bad ones.
TEST(Decoder, DecodesAgainAfterFailures)
{
    for (const DamageCase& bad : damagedBuffers())
        EXPECT_FALSE(decodeJpeg(bad.data, "broken.jpg").ok());
    const Result<RgbImage> art = decodeJpeg(certificateArtJpeg(), certificateArtName);
    ASSERT_TRUE(art.ok());
    EXPECT_EQ(art->width, 1169);
}

} // namespace
#endif
