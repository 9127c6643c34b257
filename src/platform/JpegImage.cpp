#include "JpegImage.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return.
// It is C code without unwind tables, so it leaves by longjmp to the one
// setjmp below, never by a C++ exception. Only plain data lives in the
// frames that the jump skips.
struct TErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Escape;
};

void LeaveDecoder(j_common_ptr Info)
{
    std::longjmp(reinterpret_cast<TErrorManager*>(Info->err)->Escape, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Decodes into Image; false on any error. Kept apart from DecodeJpeg so that
// no object with a destructor is created between setjmp and longjmp.
bool Decode(const unsigned char* Data, unsigned long Size, TRgbImage& Image)
{
    jpeg_decompress_struct Info;
    TErrorManager Errors;
    Info.err = jpeg_std_error(&Errors.Base);
    Errors.Base.error_exit = &LeaveDecoder;
    Errors.Base.output_message = &IgnoreMessage;
    if (setjmp(Errors.Escape)) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    jpeg_create_decompress(&Info);
    jpeg_mem_src(&Info, Data, Size);
    jpeg_read_header(&Info, TRUE);
    Info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&Info);
    if (Info.output_components != 3 || Info.output_width == 0 || Info.output_height == 0 ||
        Info.output_width > 8192 || Info.output_height > 8192) {
        jpeg_destroy_decompress(&Info);
        return false;
    }
    Image.Width = static_cast<int>(Info.output_width);
    Image.Height = static_cast<int>(Info.output_height);
    Image.Pixels.resize(static_cast<std::size_t>(Image.Stride()) * Image.Height);
    while (Info.output_scanline < Info.output_height) {
        JSAMPROW Row = Image.Pixels.data() + static_cast<std::size_t>(Image.Stride()) * Info.output_scanline;
        jpeg_read_scanlines(&Info, &Row, 1);
    }
    // A picture cut short decodes with grey rows and a warning; count it
    // as broken too.
    bool Complete = Errors.Base.num_warnings == 0;
    jpeg_finish_decompress(&Info);
    jpeg_destroy_decompress(&Info);
    return Complete;
}

}  // namespace

std::optional<TRgbImage> DecodeJpeg(const void* Data, std::size_t Size)
{
    if (!Data || Size == 0)
        return std::nullopt;
    TRgbImage Image;
    if (!Decode(static_cast<const unsigned char*>(Data), static_cast<unsigned long>(Size), Image))
        return std::nullopt;
    return Image;
}
