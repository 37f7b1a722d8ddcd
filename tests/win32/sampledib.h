#pragma once

// The image the clipboard checks put on the clipboard and look for again: a
// 2 x 2 bitmap of 32 bits a pixel, the 56 bytes of a small screenshot as
// CF_DIB.

#include <windows.h>

#include <cstring>
#include <vector>

inline std::vector<BYTE> sampleDib()
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = 2;
    header.biHeight = 2;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    const DWORD pixels[4] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF};
    std::vector<BYTE> out(sizeof header + sizeof pixels);
    std::memcpy(out.data(), &header, sizeof header);
    std::memcpy(out.data() + sizeof header, pixels, sizeof pixels);
    return out;
}
