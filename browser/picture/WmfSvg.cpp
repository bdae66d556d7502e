#include "MetafileSvg.h"

#include <QtEndian>

#include <memory>

// Last: the library's headers define short macro names that Qt's headers use.
#include <libwmf/api.h>
#include <libwmf/ipa.h>
#include <libwmf/svg.h>

namespace {

struct ApiDeleter {
    void operator()(wmfAPI* api) const { wmf_api_destroy(api); }
};
using Api = std::unique_ptr<wmfAPI, ApiDeleter>;

// Far beyond a picture drawn in a corner of the window.
constexpr quint64 maxBitmapPixels = 4096 * 4096;

// The library's bitmap reader trusts the header: a header size below 40 bytes
// has it skip some four thousand million bytes one at a time (seconds for each
// bitmap of the file), and it allocates and clears the whole pixel area of a
// compressed bitmap. So only a header of a known size, within the record, and a
// bitmap of a sensible size are handed to it; another bitmap is left out and the
// rest of the picture drawn.
void readSensibleBitmap(wmfAPI* api, wmfBMP_Read_t* bitmap)
{
    bitmap->bmp.data = nullptr;
    const uchar* header = bitmap->buffer;
    if (header == nullptr || bitmap->length < 12)
        return;
    const quint32 headerSize = qFromLittleEndian<quint32>(header);
    quint64 width = 0;
    quint64 height = 0;
    if (headerSize == 12) {
        width = qFromLittleEndian<quint16>(header + 4);
        height = qFromLittleEndian<quint16>(header + 6);
    } else if (headerSize >= 40 && headerSize <= quint64(bitmap->length)) {
        // Read as the library does: 16 bits of each, the height's sign telling
        // which way the rows go.
        width = quint16(qFromLittleEndian<qint32>(header + 4));
        const qint32 rows = qFromLittleEndian<qint32>(header + 8);
        height = quint16(rows < 0 ? 0u - quint32(rows) : quint32(rows));
    } else {
        return;
    }
    // The player may give the size instead of the header.
    width = bitmap->width != 0 ? bitmap->width : width;
    height = bitmap->height != 0 ? bitmap->height : height;
    if (width * height > maxBitmapPixels)
        return;
    wmf_ipa_bmp_read(api, bitmap);
}

// The SVG device's own bitmap drawing, the same for every player.
void (*drawSvgBitmap)(wmfAPI*, wmfBMP_Draw_t*) = nullptr;

// The part of a bitmap to draw comes from the record, not from the bitmap: an
// empty part makes the PNG writer complain on the terminal, and a huge one would
// be drawn pixel by pixel.
void drawSensibleBitmapPart(wmfAPI* api, wmfBMP_Draw_t* bitmap)
{
    const quint64 pixels = quint64(bitmap->crop.w) * bitmap->crop.h;
    if (pixels != 0 && pixels <= maxBitmapPixels)
        drawSvgBitmap(api, bitmap);
}

}  // namespace

QByteArray metafile_svg::fromWmf(const QByteArray& metafile)
{
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    // The library would print its complaints about a damaged file on the
    // terminal; a file it refuses is reported by the caller instead.
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    wmfAPI* created = nullptr;
    if (wmf_api_create(&created, flags, &options) != wmf_E_None)
        return {};
    const Api api(created);
    auto* device = static_cast<wmfFunctionReference*>(api->function_reference);
    device->bmp_read = readSensibleBitmap;
    drawSvgBitmap = device->bmp_draw;
    device->bmp_draw = drawSensibleBitmapPart;

    // The player reads the bytes in place without changing them; its interface
    // is not const, so it gets its own copy.
    QByteArray bytes = metafile;
    wmfD_Rect box{};
    if (wmf_mem_open(api.get(), reinterpret_cast<unsigned char*>(bytes.data()), bytes.size()) != wmf_E_None ||
        wmf_scan(api.get(), 0, &box) != wmf_E_None)
        return {};
    // A file without a placeable header has no size of its own: the library
    // then takes its logical units for points.
    unsigned int width = 0;
    unsigned int height = 0;
    if (wmf_display_size(api.get(), &width, &height, 96, 96) != wmf_E_None || width == 0 || height == 0)
        return {};

    wmf_svg_t* svg = WMF_SVG_GetData(api.get());
    svg->out = wmf_stream_create(api.get(), nullptr);
    svg->bbox = box;
    svg->width = width;
    svg->height = height;
    // Bitmaps go into the document itself, never into files beside it.
    svg->flags |= WMF_SVG_INLINE_IMAGES;
    const wmf_error_t played = wmf_play(api.get(), 0, &box);

    char* text = nullptr;
    unsigned long length = 0;
    // The text belongs to the library's allocator, freed with the player.
    wmf_stream_destroy(api.get(), svg->out, &text, &length);
    if (played != wmf_E_None || text == nullptr)
        return {};
    return QByteArray(text, static_cast<qsizetype>(length));
}
