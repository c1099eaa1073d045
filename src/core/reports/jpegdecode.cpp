#include "core/reports/jpegdecode.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <optional>
#include <string>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace quorvex {

namespace {

// The JPEG library is opened when the first picture is decoded, not when the program starts:
// most runs decode none, and a library loaded at start costs every run its loading and its
// memory. Its name follows the interface version the header describes (62 for the 6b
// interface, 70 and 80 for the later ones).
constexpr const char* jpegLibraryName = JPEG_LIB_VERSION == 62 ? "libjpeg.so.62"
    : JPEG_LIB_VERSION == 70                                   ? "libjpeg.so.7"
                                                               : "libjpeg.so.8";

// The library's entry points this decoder calls, found by name in the opened library.
struct JpegLibrary {
    decltype(&::jpeg_std_error) std_error = nullptr;
    decltype(&::jpeg_CreateDecompress) CreateDecompress = nullptr;
    decltype(&::jpeg_mem_src) mem_src = nullptr;
    decltype(&::jpeg_read_header) read_header = nullptr;
    decltype(&::jpeg_start_decompress) start_decompress = nullptr;
    decltype(&::jpeg_read_scanlines) read_scanlines = nullptr;
    decltype(&::jpeg_finish_decompress) finish_decompress = nullptr;
    decltype(&::jpeg_destroy_decompress) destroy_decompress = nullptr;
    // Why the library could not be used (the file named is the library's): none when it can.
    std::optional<FileError> failure;
};

// Notes the first entry point missing in the failure.
template <typename F> void find(void* handle, F& entry, const char* name, std::optional<FileError>& failure)
{
    entry = reinterpret_cast<F>(::dlsym(handle, name));
    if (!entry && !failure)
        failure = FileError { .file = jpegLibraryName, .why = Failure::JpegFunctionMissing, .detail = name };
}

// Opened once, on first use, and kept for the rest of the run.
const JpegLibrary& jpegLibrary()
{
    static const JpegLibrary library = [] {
        JpegLibrary found;
        void* handle = ::dlopen(jpegLibraryName, RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* reason = ::dlerror();
            found.failure = FileError {
                .file = jpegLibraryName, .why = Failure::JpegLibraryMissing, .detail = reason ? reason : ""
            };
            return found;
        }
        std::optional<FileError>& failure = found.failure;
        find(handle, found.std_error, "jpeg_std_error", failure);
        find(handle, found.CreateDecompress, "jpeg_CreateDecompress", failure);
        find(handle, found.mem_src, "jpeg_mem_src", failure);
        find(handle, found.read_header, "jpeg_read_header", failure);
        find(handle, found.start_decompress, "jpeg_start_decompress", failure);
        find(handle, found.read_scanlines, "jpeg_read_scanlines", failure);
        find(handle, found.finish_decompress, "jpeg_finish_decompress", failure);
        find(handle, found.destroy_decompress, "jpeg_destroy_decompress", failure);
        return found;
    }();
    return library;
}

// A bound on the pixels of one picture (4096 x 4096, sixteen times the certificate sheet), so a
// damaged header claiming 65000 x 65000 is refused instead of allocating gigabytes.
constexpr unsigned long maxPixels = 4096UL * 4096;

// libjpeg's default error handler prints and calls exit(). This one keeps the failure (the
// library's own message, or the decoder's own refusal) and jumps back to the decoding step that
// was running. Everything alive between the setjmp
// and the longjmp is plain C data: the steps below hold no object with a destructor.
struct ErrorTrap {
    jpeg_error_mgr manager; // first, so libjpeg's pointer to it is a pointer to the trap
    std::jmp_buf resume;
    char message[JMSG_LENGTH_MAX];
    Failure failure;
};

ErrorTrap* trapOf(j_common_ptr info)
{
    return reinterpret_cast<ErrorTrap*>(info->err);
}

extern "C" void failDecoding(j_common_ptr info)
{
    ErrorTrap* trap = trapOf(info);
    (*info->err->format_message)(info, trap->message);
    trap->failure = Failure::PictureUndecodable;
    std::longjmp(trap->resume, 1);
}

// Level -1 is a warning about damaged data (libjpeg then goes on with made-up pixels);
// higher levels are trace output, which is not wanted.
extern "C" void warnDecoding(j_common_ptr info, int level)
{
    if (level < 0)
        failDecoding(info);
}

// Reads the header and starts decompression into RGB. False, with the trap's failure set,
// when the data cannot be decoded.
bool startDecoding(const JpegLibrary& jpeg, jpeg_decompress_struct* info, ErrorTrap* trap, const unsigned char* data,
    unsigned long size)
{
    if (setjmp(trap->resume) != 0)
        return false;
    jpeg.mem_src(info, data, size);
    jpeg.read_header(info, TRUE);
    if (info->image_width == 0 || info->image_height == 0
        || static_cast<unsigned long>(info->image_width) > maxPixels / info->image_height) {
        trap->failure = Failure::PictureTooLarge;
        return false;
    }
    info->out_color_space = JCS_RGB;
    jpeg.start_decompress(info);
    if (info->output_components != 3) {
        trap->failure = Failure::PictureNotRgb;
        return false;
    }
    return true;
}

bool readRows(
    const JpegLibrary& jpeg, jpeg_decompress_struct* info, ErrorTrap* trap, unsigned char* pixels, size_t stride)
{
    if (setjmp(trap->resume) != 0)
        return false;
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = pixels + static_cast<size_t>(info->output_scanline) * stride;
        jpeg.read_scanlines(info, &row, 1);
    }
    jpeg.finish_decompress(info);
    return true;
}

} // namespace

Result<RgbImage> decodeJpeg(BytesView data, const Bytes& sourceName)
{
    const JpegLibrary& jpeg = jpegLibrary();
    if (jpeg.failure)
        return FileError {
            .file = sourceName, .why = jpeg.failure->why, .text = jpeg.failure->file, .detail = jpeg.failure->detail
        };
    // Both structures live in this frame, outside every jump, and hold no C++ objects.
    jpeg_decompress_struct info;
    ErrorTrap trap;
    std::memset(&info, 0, sizeof info);
    std::memset(&trap, 0, sizeof trap);
    info.err = jpeg.std_error(&trap.manager);
    trap.manager.error_exit = failDecoding;
    trap.manager.emit_message = warnDecoding;
    jpeg.CreateDecompress(&info, JPEG_LIB_VERSION, sizeof info);

    RgbImage image;
    bool decoded = startDecoding(jpeg, &info, &trap, reinterpret_cast<const unsigned char*>(data.data()),
        static_cast<unsigned long>(data.size()));
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
        decoded = readRows(jpeg, &info, &trap, image.pixels.data(), stride);
    }
    jpeg.destroy_decompress(&info);
    if (!decoded)
        return FileError { .file = sourceName,
            .why = trap.failure,
            .detail = trap.failure == Failure::PictureUndecodable ? Bytes(trap.message) : Bytes() };
    return image;
}

} // namespace quorvex
