#include "print/LogoLoader.h"

#include "print/SvgDrawing.h"

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <array>
#include <memory>

namespace {

struct ApiDeleter
{
    void operator()(wmfAPI *api) const { wmf_api_destroy(api); }
};
using Api = std::unique_ptr<wmfAPI, ApiDeleter>;

// The metafile player maps a picture's fonts onto the 13 standard printer
// faces and will not start without files for them; the metric-compatible
// faces stand in. The drawing itself names the picture's own fonts.
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

// The metafile as an SVG drawing, or an empty text when it cannot be played.
QByteArray metafileAsSvg(const QByteArray &bytes)
{
    static FontSetup fonts;
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
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

    QByteArray data = bytes; // the player reads from a mutable buffer
    if (wmf_mem_open(api.get(), reinterpret_cast<unsigned char *>(data.data()), long(data.size())) != wmf_E_None)
        return {};
    wmfD_Rect bounds{};
    unsigned int width = 0, height = 0;
    const bool sized = wmf_scan(api.get(), 0, &bounds) == wmf_E_None
                       && wmf_display_size(api.get(), &width, &height, 96, 96) == wmf_E_None && width > 0 && height > 0;
    QByteArray svg;
    if (sized) {
        wmf_svg_t *device = WMF_SVG_GetData(api.get());
        device->out = wmf_stream_create(api.get(), nullptr);
        device->bbox = bounds;
        device->width = width;
        device->height = height;
        device->flags |= WMF_SVG_INLINE_IMAGES;
        const bool played = wmf_play(api.get(), 0, &bounds) == wmf_E_None;
        char *text = nullptr;
        unsigned long length = 0;
        wmf_stream_destroy(api.get(), device->out, &text, &length);
        device->out = nullptr;
        // The text belongs to the player and goes with it.
        if (played && text)
            svg = QByteArray(text, qsizetype(length));
    }
    wmf_mem_close(api.get());
    return svg;
}

} // namespace

QImage RenderWindowsMetafile(const QByteArray &bytes, int longSide)
{
    const QByteArray svg = metafileAsSvg(bytes);
    return svg.isEmpty() ? QImage() : RenderSvgDrawing(svg, longSide);
}
