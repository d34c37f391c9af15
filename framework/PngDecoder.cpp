#include "PngDecoder.h"

#include <climits>

// PNG from memory only: the other formats, file reading and the texts of the failures
// (a failure is reported by name, not by cause) would be dead weight.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_FAILURE_STRINGS
#include <stb_image.h>

PngImage::PngImage(const void* bytes, std::size_t size) {
    if (!bytes || size > std::size_t(INT_MAX)) return;
    int channels = 0;
    pixels_.reset(stbi_load_from_memory(static_cast<const stbi_uc*>(bytes), int(size), &width_,
                                        &height_, &channels, 3));
    if (!pixels_) width_ = height_ = 0;
}

void PngImage::Free::operator()(unsigned char* pixels) const { stbi_image_free(pixels); }

void PngImage::CopyBgr(std::uint8_t* rows, std::size_t stride) const {
    const unsigned char* from = pixels_.get();
    if (!from) return;
    for (int y = 0; y < height_; ++y, rows += stride) {
        std::uint8_t* to = rows;
        for (int x = 0; x < width_; ++x, from += 3, to += 3) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
}
