// The program's pictures are PNG files held as resources; this decodes them from memory.
// The decoder is stb_image (Debian's libstb-dev, public domain), compiled for PNG alone
// in PngDecoder.cpp: nothing to load or start, and nothing kept once a picture is done.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

class PngImage {
public:
    // Empty when the bytes are no PNG that can be decoded.
    PngImage(const void* bytes, std::size_t size);

    bool Empty() const { return !pixels_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Writes the pixels as rows of blue, green and red bytes, `stride` bytes apart: the
    // layout of a 24-bit DIB section. Any alpha is dropped.
    void CopyBgr(std::uint8_t* rows, std::size_t stride) const;

private:
    struct Free {
        void operator()(unsigned char* pixels) const;
    };
    std::unique_ptr<unsigned char, Free> pixels_;  // red, green, blue; rows unpadded
    int width_ = 0, height_ = 0;
};
