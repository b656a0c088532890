#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <optional>

#include "platform/icon_image.h"
#include "platform/scoped_win.h"

// The system's shell extracts the icon and draws it; the drawing is read back from a 32-bit
// bitmap, once over black and once over white, which gives each pixel's colour and alpha.
namespace ostrevan::icons::platform {
namespace {

struct Surface {
    win::ScopedDc dc;
    win::ScopedBitmap bitmap;
    std::optional<win::Selection> selected;
    uint8_t* bits = nullptr;  // BGRA, rows top to bottom

    explicit Surface(int size) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = size;
        info.bmiHeader.biHeight = -size;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* p = nullptr;
        dc.reset(CreateCompatibleDC(nullptr));
        bitmap.reset(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &p, nullptr, 0));
        bits = static_cast<uint8_t*>(p);
        if (dc && bitmap) selected.emplace(dc.get(), bitmap.get());
    }
    bool ok() const { return dc && bitmap && bits; }
    void Fill(uint8_t value, int size) {
        GdiFlush();
        std::fill(bits, bits + size * size * 4, value);
    }
};

}  // namespace

std::optional<RgbaImage> ExtractFirstIcon(const std::string& path) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetModuleHandleA(path.c_str()));
    const std::string pathWithZero = path + '\0';
    HICON extracted = ExtractIconA(instance, pathWithZero.c_str(), 0);
    // 0: no icon; 1: not a program, library or icon file.
    if (extracted == nullptr || extracted == reinterpret_cast<HICON>(1)) return std::nullopt;
    const win::ScopedIcon icon(extracted);
    const int size = GetSystemMetrics(SM_CXICON) > 0 ? GetSystemMetrics(SM_CXICON) : kIconSize;
    std::optional<RgbaImage> result;
    Surface surface(size);
    if (surface.ok()) {
        std::vector<uint8_t> onBlack(size_t(size) * size * 4), onWhite(onBlack.size());
        surface.Fill(0, size);
        DrawIcon(surface.dc.get(), 0, 0, icon.get());
        GdiFlush();
        std::copy_n(surface.bits, onBlack.size(), onBlack.begin());
        surface.Fill(255, size);
        DrawIcon(surface.dc.get(), 0, 0, icon.get());
        GdiFlush();
        std::copy_n(surface.bits, onWhite.size(), onWhite.begin());
        RgbaImage img;
        img.width = img.height = size;
        img.pixels.resize(onBlack.size());
        for (size_t i = 0; i < onBlack.size(); i += 4) {
            // Over black a pixel shows alpha x colour, over white that plus (1 - alpha) x 255.
            const int alpha = 255 - (onWhite[i + 1] - onBlack[i + 1]);
            const int a = alpha < 0 ? 0 : alpha > 255 ? 255 : alpha;
            for (int c = 0; c < 3; ++c) {
                const int premultiplied = onBlack[i + 2 - c];
                img.pixels[i + c] = static_cast<uint8_t>(a == 0 ? 0 : std::min(255, (premultiplied * 255 + a / 2) / a));
            }
            img.pixels[i + 3] = static_cast<uint8_t>(a);
        }
        result = std::move(img);
    }
    return result;
}

}  // namespace ostrevan::icons::platform
