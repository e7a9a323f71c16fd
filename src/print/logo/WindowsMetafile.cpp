#include "LogoLoader.h"

#include "SvgDrawing.h"

#include <QByteArrayList>
#include <QFile>
#include <QFileInfo>

#include <fontconfig/fontconfig.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <memory>
#include <utility>
#include <vector>

namespace corvex {

namespace {

struct ApiDeleter
{
    void operator()(wmfAPI *api) const { wmf_api_destroy(api); }
};
using Api = std::unique_ptr<wmfAPI, ApiDeleter>;

// The metafile player maps a picture's fonts onto the 13 standard printer
// faces and needs files for them to measure text. The faces that stand in
// for the fonts a Windows picture names (Arial, Times New Roman, Courier New)
// take their place, wherever the system's font configuration finds them. The
// drawing itself names the picture's own fonts.
class FontSetup
{
    Q_DISABLE_COPY_MOVE(FontSetup) // the lists point into its own texts

public:
    FontSetup()
    {
        const std::pair<const char *, const char *> faces[] = {
            {"Times-Roman", "Times New Roman"},
            {"Times-Italic", "Times New Roman:italic"},
            {"Times-Bold", "Times New Roman:bold"},
            {"Times-BoldItalic", "Times New Roman:bold:italic"},
            {"Helvetica", "Arial"},
            {"Helvetica-Oblique", "Arial:italic"},
            {"Helvetica-Bold", "Arial:bold"},
            {"Helvetica-BoldOblique", "Arial:bold:italic"},
            {"Courier", "Courier New"},
            {"Courier-Oblique", "Courier New:italic"},
            {"Courier-Bold", "Courier New:bold"},
            {"Courier-BoldOblique", "Courier New:bold:italic"},
            {"Symbol", "Arial"},
            {"ZapfDingbats", "Arial"},
        };
        for (const auto &[standard, standIn] : faces) {
            const QFileInfo file(fontFile(standIn));
            if (file.fileName().isEmpty())
                continue;
            const QByteArray dir = QFile::encodeName(file.absolutePath());
            if (!m_dirNames.contains(dir))
                m_dirNames << dir;
            m_names << QByteArray(standard) << QFile::encodeName(file.fileName());
        }
        for (QByteArray &dir : m_dirNames)
            m_dirs.push_back(dir.data());
        m_dirs.push_back(nullptr);
        for (qsizetype i = 0; i + 1 < m_names.size(); i += 2) {
            wmfMapping face{}; // the encoding stays unset
            face.name = m_names[i].data();
            face.mapping = m_names[i + 1].data();
            m_faces.push_back(face);
        }
        m_faces.push_back(wmfMapping{}); // the end of the list
    }

    char **dirs() { return m_dirs.data(); }
    wmfMapping *faces() { return m_faces.data(); }

private:
    // The file of the face that best matches the fontconfig pattern, or an
    // empty text when there is none.
    static QString fontFile(const char *pattern)
    {
        QString path;
        FcPattern *wanted = FcNameParse(reinterpret_cast<const FcChar8 *>(pattern));
        if (!wanted)
            return path;
        FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
        FcDefaultSubstitute(wanted);
        FcResult result = FcResultNoMatch;
        if (FcPattern *found = FcFontMatch(nullptr, wanted, &result)) {
            FcChar8 *file = nullptr;
            if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch && file)
                path = QFile::decodeName(reinterpret_cast<const char *>(file));
            FcPatternDestroy(found);
        }
        FcPatternDestroy(wanted);
        return path;
    }

    QByteArrayList m_dirNames;
    QByteArrayList m_names; // standard name, file name, ...
    std::vector<char *> m_dirs;
    std::vector<wmfMapping> m_faces;
};

// The metafile as an SVG drawing, or an empty text when it cannot be played.
QByteArray metafileAsSvg(const QByteArray &bytes)
{
    static FontSetup fonts;
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    options.fontdirs = fonts.dirs();
    options.font.ps = fonts.faces();
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

QImage renderWindowsMetafile(const QByteArray &bytes, int longSide)
{
    const QByteArray svg = metafileAsSvg(bytes);
    return svg.isEmpty() ? QImage() : renderSvgDrawing(svg, longSide);
}

} // namespace corvex
