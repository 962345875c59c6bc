#include "cli/PictureFile.h"

#include "cli/PngFile.h"
#include "export/OutputFiles.h"

#include <QFileInfo>
#include <algorithm>
#include <memory>
#include <new>
#include <webp/encode.h>
#include <webp/mux.h>

namespace sumire {
namespace {

using AnimEncoder = std::unique_ptr<WebPAnimEncoder, decltype(&WebPAnimEncoderDelete)>;

// Lossless at libwebp's middle effort: smaller files than the fastest level
// for a few milliseconds more a frame.
constexpr int kLosslessLevel = 6;

// One frame added at `timestampMs`; false when libwebp refuses it.
bool addFrame(WebPAnimEncoder* encoder, const QImage& frame, int timestampMs, const WebPConfig& config) {
    const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
    WebPPicture picture;
    if (!WebPPictureInit(&picture)) return false;
    picture.use_argb = 1;  // lossless works on ARGB
    picture.width = rgba.width();
    picture.height = rgba.height();
    const bool ok = WebPPictureImportRGBA(&picture, rgba.constBits(), int(rgba.bytesPerLine())) &&
                    WebPAnimEncoderAdd(encoder, &picture, timestampMs, &config);
    WebPPictureFree(&picture);
    return ok;
}

// How an encoder fails: `why` says why, and there are no bytes.
QByteArray failed(QString* why, const QString& reason) {
    *why = reason;
    return {};
}

QString encoderError(WebPAnimEncoder* encoder) {
    const char* text = WebPAnimEncoderGetError(encoder);
    return text && *text ? QString::fromUtf8(text) : QStringLiteral("the WebP encoder failed");
}

// Memory a picture may take in all: its pixels as drawn and scaled, and the
// encoder's copies of them. Peak use must stay well within 1 GiB.
constexpr int64_t kPictureBudgetBytes = int64_t(384) << 20;

// Bytes a pixel of one frame costs on the way to the file, measured: the
// drawn and scaled pictures (4 bytes each), PNG's rows and indexes; WebP's
// lossless encoder keeps several ARGB copies and hash chains.
constexpr int64_t kPngBytesPerPixel = 12;
constexpr int64_t kWebpBytesPerPixel = 40;

QString tooLarge(int64_t width, int64_t height) {
    return QStringLiteral("a picture of %1 x %2 pixels is too large").arg(width).arg(height);
}

}  // namespace

QString pictureSizeRefusal(int64_t width, int64_t height, int frames, PictureFormat format) {
    const bool webp = format == PictureFormat::Webp;
    const int64_t side = webp ? WEBP_MAX_DIMENSION : kPngLargestSide;
    if (width > side || height > side)
        return tooLarge(width, height) + QStringLiteral(": %1 takes at most %2 pixels a side")
                                             .arg(webp ? QStringLiteral("WebP") : QStringLiteral("PNG"))
                                             .arg(side);
    const int64_t perPixel = (webp ? kWebpBytesPerPixel : kPngBytesPerPixel) * std::max(frames, 1);
    const int64_t most = kPictureBudgetBytes / perPixel;
    if (width * height > most)
        return tooLarge(width, height) + QStringLiteral(": at most %1 pixels fit the %2 MiB a picture may take")
                                             .arg(most)
                                             .arg(kPictureBudgetBytes >> 20);
    return {};
}

PictureFormat pictureFormat(const QString& file, bool animate) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == u"webp") return PictureFormat::Webp;
    if (suffix == u"png") return PictureFormat::Png;
    return animate ? PictureFormat::Webp : PictureFormat::Png;
}

QList<QImage> blinkFrames(const QImage& shown, const QImage& hidden) {
    if (hidden.isNull() || hidden == shown) return {shown};
    return {shown, hidden};
}

QByteArray encodeWebp(const QList<QImage>& frames, int frameMs, QString* why) {
    if (frames.isEmpty() || frames.first().isNull()) return failed(why, QStringLiteral("no picture to write"));
    const QSize size = frames.first().size();
    if (size.width() > WEBP_MAX_DIMENSION || size.height() > WEBP_MAX_DIMENSION)
        return failed(why, QStringLiteral("%1 x %2 pixels is too large for WebP (at most %3 x %3)")
                               .arg(size.width())
                               .arg(size.height())
                               .arg(WEBP_MAX_DIMENSION));
    WebPAnimEncoderOptions options;
    WebPConfig config;
    if (!WebPAnimEncoderOptionsInit(&options) || !WebPConfigInit(&config) ||
        !WebPConfigLosslessPreset(&config, kLosslessLevel))
        return failed(why, QStringLiteral("the WebP encoder does not match its header"));
    options.anim_params.loop_count = 0;  // forever
    config.exact = 1;                    // every pixel's colour as drawn
    AnimEncoder encoder(WebPAnimEncoderNew(size.width(), size.height(), &options), &WebPAnimEncoderDelete);
    if (!encoder) return failed(why, QStringLiteral("not enough memory for the WebP encoder"));
    int timestamp = 0;
    for (const QImage& frame : frames) {
        if (frame.size() != size) return failed(why, QStringLiteral("frames of different sizes"));
        if (!addFrame(encoder.get(), frame, timestamp, config)) return failed(why, encoderError(encoder.get()));
        timestamp += frameMs;
    }
    WebPData data;
    WebPDataInit(&data);
    // The last frame lasts until the end time given with no picture.
    if (!WebPAnimEncoderAdd(encoder.get(), nullptr, timestamp, nullptr) ||
        !WebPAnimEncoderAssemble(encoder.get(), &data))
        return failed(why, encoderError(encoder.get()));
    QByteArray bytes(reinterpret_cast<const char*>(data.bytes), qsizetype(data.size));
    WebPDataClear(&data);
    return bytes;
}

namespace {

// Every frame drawn, then the encoder's result: empty, with `why`, when a
// picture or the encoder ran out of memory or refused the picture.
QByteArray encodedFrames(const QList<QImage>& frames, PictureFormat format, int frameMs, QString* why) {
    if (std::ranges::any_of(frames, &QImage::isNull))
        return failed(why, QStringLiteral("not enough memory to draw the picture"));
    if (format == PictureFormat::Png && frames.size() != 1)  // an animation is always WebP
        return failed(why, QStringLiteral("an animation cannot be PNG"));
    try {
        QByteArray bytes = format == PictureFormat::Webp ? encodeWebp(frames, frameMs, why) : encodePng(frames.first());
        if (bytes.isEmpty() && why->isEmpty()) *why = QStringLiteral("the PNG encoder failed");
        return bytes;
    } catch (const std::bad_alloc&) {
        return failed(why, QStringLiteral("not enough memory to encode a picture of %1 x %2 pixels")
                               .arg(frames.first().width())
                               .arg(frames.first().height()));
    }
}

}  // namespace

QString writePicture(const OutputFiles& out, const QString& file, const QList<QImage>& frames, PictureFormat format,
                     int frameMs) {
    const QString cannot = QStringLiteral("cannot write %1").arg(file);
    QString why;
    const QByteArray bytes = encodedFrames(frames, format, frameMs, &why);
    if (bytes.isEmpty()) return cannot + QStringLiteral(": ") + why;
    // An earlier picture of that name stays whole until the new one is.
    return out.write(file, bytes, &why) ? QString() : why;
}

}  // namespace sumire
