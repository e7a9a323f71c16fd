#include "print/LogoLoader.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>
#include <libwmf/gd/gd.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

struct ApiDeleter
{
    void operator()(wmfAPI *api) const { wmf_api_destroy(api); }
};
using Api = std::unique_ptr<wmfAPI, ApiDeleter>;

// The player hands over the bitmap it drew and leaves it to the caller, but
// does not export its drawing library's destructor; this one frees what that
// destructor would (the pixel rows and the working arrays).
void releaseImage(gdImage *image)
{
    if (!image)
        return;
    if (image->_tpixels) {
        std::free(image->_tpixels);
    } else if (image->tpixels) {
        for (int y = 0; y < image->sy; ++y)
            std::free(image->tpixels[y]);
    }
    std::free(image->tpixels);
    if (image->pixels) {
        for (int y = 0; y < image->sy; ++y)
            std::free(image->pixels[y]);
        std::free(image->pixels);
    }
    std::free(image->polyInts);
    std::free(image->style);
    std::free(image);
}

QImage copyImage(const gdImage &image)
{
    if (!image.trueColor || image.sx <= 0 || image.sy <= 0)
        return {};
    QImage result(image.sx, image.sy, QImage::Format_ARGB32);
    for (int y = 0; y < image.sy; ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < image.sx; ++x) {
            const int pixel = image.tpixels[y][x];
            // The drawing library's alpha runs from 0 (opaque) to 127 (transparent).
            const int alpha = 255 - ((pixel >> 24) & 0x7F) * 255 / 127;
            line[x] = qRgba((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF, alpha);
        }
    }
    return result;
}

// The metafile player maps a picture's fonts onto the 13 standard printer
// faces and will not start without files for them; the metric-compatible
// faces stand in.
struct FontSetup
{
    std::array<char *, 2> dirs{const_cast<char *>("/usr/share/fonts/truetype/liberation"), nullptr};
    std::array<wmfMapping, 15> faces{{
        {const_cast<char *>("Times-Roman"), const_cast<char *>("LiberationSerif-Regular.ttf")},
        {const_cast<char *>("Times-Italic"), const_cast<char *>("LiberationSerif-Italic.ttf")},
        {const_cast<char *>("Times-Bold"), const_cast<char *>("LiberationSerif-Bold.ttf")},
        {const_cast<char *>("Times-BoldItalic"), const_cast<char *>("LiberationSerif-BoldItalic.ttf")},
        {const_cast<char *>("Helvetica"), const_cast<char *>("LiberationSans-Regular.ttf")},
        {const_cast<char *>("Helvetica-Oblique"), const_cast<char *>("LiberationSans-Italic.ttf")},
        {const_cast<char *>("Helvetica-Bold"), const_cast<char *>("LiberationSans-Bold.ttf")},
        {const_cast<char *>("Helvetica-BoldOblique"), const_cast<char *>("LiberationSans-BoldItalic.ttf")},
        {const_cast<char *>("Courier"), const_cast<char *>("LiberationMono-Regular.ttf")},
        {const_cast<char *>("Courier-Oblique"), const_cast<char *>("LiberationMono-Italic.ttf")},
        {const_cast<char *>("Courier-Bold"), const_cast<char *>("LiberationMono-Bold.ttf")},
        {const_cast<char *>("Courier-BoldOblique"), const_cast<char *>("LiberationMono-BoldItalic.ttf")},
        {const_cast<char *>("Symbol"), const_cast<char *>("LiberationSans-Regular.ttf")},
        {const_cast<char *>("ZapfDingbats"), const_cast<char *>("LiberationSans-Regular.ttf")},
        {nullptr, nullptr},
    }};
};

} // namespace

QImage RenderWindowsMetafile(const QByteArray &bytes, int longSide)
{
    static FontSetup fonts;
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    options.fontdirs = fonts.dirs.data();
    options.font.ps = fonts.faces.data();
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_FONTDIRS | WMF_OPT_FONTMAP | WMF_OPT_IGNORE_NONFATAL
                                | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI *raw = nullptr;
    if (wmf_api_create(&raw, flags, &options) != wmf_E_None) {
        if (raw)
            wmf_api_destroy(raw);
        return {};
    }
    Api api(raw);

    QByteArray data = bytes; // the library reads from a mutable buffer
    if (wmf_mem_open(api.get(), reinterpret_cast<unsigned char *>(data.data()), long(data.size())) != wmf_E_None)
        return {};
    wmfD_Rect bounds{};
    float width = 0, height = 0;
    if (wmf_scan(api.get(), 0, &bounds) != wmf_E_None || wmf_size(api.get(), &width, &height) != wmf_E_None
        || !(width > 0 && height > 0) || !std::isfinite(width) || !std::isfinite(height)) {
        wmf_mem_close(api.get());
        return {};
    }

    const double scale = longSide / double(std::max(width, height));
    wmf_gd_t *device = WMF_GD_GetData(api.get());
    device->type = wmf_gd_image;
    device->width = std::max(1u, static_cast<unsigned>(std::lround(width * scale)));
    device->height = std::max(1u, static_cast<unsigned>(std::lround(height * scale)));
    device->bbox = bounds;

    QImage image;
    const bool played = wmf_play(api.get(), 0, &bounds) == wmf_E_None;
    auto *drawn = static_cast<gdImage *>(device->gd_image);
    if (played && drawn)
        image = copyImage(*drawn);
    releaseImage(drawn);
    device->gd_image = nullptr;
    wmf_mem_close(api.get());
    return image;
}
