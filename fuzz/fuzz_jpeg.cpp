// The JPEG decoder from any bytes: it never ends the program (libjpeg's own handler would call
// exit()), it either fails saying why or hands back a whole picture of RGB rows, and a
// failure leaves nothing behind that a later decode could trip over.

#include "core/reports/jpegdecode.h"
#include "fuzzsupport.h"

#include <cstdint>

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const BytesView input(reinterpret_cast<const char*>(data), size);
    const Result<RgbImage> decoded = decodeJpeg(input, "fuzz.jpg");
    if (!decoded.ok()) {
        FUZZ_CHECK(decoded.error().file == "fuzz.jpg");
        const Failure why = decoded.error().why;
        FUZZ_CHECK(
            why == Failure::PictureTooLarge || why == Failure::PictureNotRgb || why == Failure::PictureUndecodable);
        return 0;
    }
    FUZZ_CHECK(decoded->width > 0 && decoded->height > 0);
    FUZZ_CHECK(
        decoded->pixels.size() == static_cast<size_t>(decoded->width) * static_cast<size_t>(decoded->height) * 3);
    // Every byte was written by the decoder: reading them all must be clean under the sanitizers.
    uint64_t sum = 0;
    for (const uint8_t byte : decoded->pixels)
        sum += byte;
    FUZZ_CHECK(sum <= decoded->pixels.size() * 255);
    return 0;
}
