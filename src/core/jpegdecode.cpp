#include "jpegdecode.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace quorvex {

namespace {

// A bound on the pixels of one picture (4096 x 4096, sixteen times the certificate sheet), so a
// damaged header claiming 65000 x 65000 is refused instead of allocating gigabytes.
constexpr unsigned long maxPixels = 4096UL * 4096;

// libjpeg's default error handler prints and calls exit(). This one keeps the message and
// jumps back to the decoding step that was running. Everything alive between the setjmp
// and the longjmp is plain C data: the steps below hold no object with a destructor.
struct ErrorTrap {
    jpeg_error_mgr manager; // first, so libjpeg's pointer to it is a pointer to the trap
    std::jmp_buf resume;
    char message[JMSG_LENGTH_MAX];
};

ErrorTrap* trapOf(j_common_ptr info)
{
    return reinterpret_cast<ErrorTrap*>(info->err);
}

extern "C" void failDecoding(j_common_ptr info)
{
    ErrorTrap* trap = trapOf(info);
    (*info->err->format_message)(info, trap->message);
    std::longjmp(trap->resume, 1);
}

// Level -1 is a warning about damaged data (libjpeg then goes on with made-up pixels);
// higher levels are trace output, which is not wanted.
extern "C" void warnDecoding(j_common_ptr info, int level)
{
    if (level < 0)
        failDecoding(info);
}

void setMessage(ErrorTrap& trap, const char* text)
{
    std::snprintf(trap.message, sizeof trap.message, "%s", text);
}

// Reads the header and starts decompression into RGB. False, with the trap's message
// set, when the data cannot be decoded.
bool startDecoding(jpeg_decompress_struct* info, ErrorTrap* trap, const unsigned char* data, unsigned long size)
{
    if (setjmp(trap->resume) != 0)
        return false;
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);
    if (info->image_width == 0 || info->image_height == 0
        || static_cast<unsigned long>(info->image_width) > maxPixels / info->image_height) {
        setMessage(*trap, "Picture too large");
        return false;
    }
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    if (info->output_components != 3) {
        setMessage(*trap, "Picture cannot be shown in RGB");
        return false;
    }
    return true;
}

bool readRows(jpeg_decompress_struct* info, ErrorTrap* trap, unsigned char* pixels, size_t stride)
{
    if (setjmp(trap->resume) != 0)
        return false;
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = pixels + static_cast<size_t>(info->output_scanline) * stride;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

} // namespace

Result<RgbImage> decodeJpeg(BytesView data, const Bytes& sourceName)
{
    // Both structures live in this frame, outside every jump, and hold no C++ objects.
    jpeg_decompress_struct info;
    ErrorTrap trap;
    std::memset(&info, 0, sizeof info);
    std::memset(&trap, 0, sizeof trap);
    info.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = failDecoding;
    trap.manager.emit_message = warnDecoding;
    jpeg_create_decompress(&info);

    RgbImage image;
    bool decoded = startDecoding(
        &info, &trap, reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
    if (decoded) {
        image.width = static_cast<int>(info.output_width);
        image.height = static_cast<int>(info.output_height);
        image.fileComponents = info.num_components;
        image.bitsPerSample = info.data_precision;
        image.progressive = info.progressive_mode != 0;
        image.densityUnit = info.saw_JFIF_marker ? info.density_unit : 0;
        image.xDensity = info.saw_JFIF_marker ? info.X_density : 0;
        image.yDensity = info.saw_JFIF_marker ? info.Y_density : 0;
        const size_t stride = static_cast<size_t>(image.width) * 3;
        image.pixels.resize(stride * static_cast<size_t>(image.height));
        decoded = readRows(&info, &trap, image.pixels.data(), stride);
    }
    jpeg_destroy_decompress(&info);
    if (!decoded)
        return FileError { sourceName, trap.message };
    return image;
}

} // namespace quorvex
