#pragma once
// The picture files `sumire render` writes: PNG, or lossless WebP, which holds
// a still picture or an animation. An animation alternates the two blink
// phases as the handset does and loops forever.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace sumire {

enum class PictureFormat { Png, Webp };

// The format a file name asks for: ".webp" WebP, ".png" PNG (either case);
// any other name the command's own: WebP for an animation, PNG otherwise.
PictureFormat pictureFormat(const QString& file, bool animate);

// Why a picture of width x height pixels, in `frames` frames, cannot be
// made and written in `format`, naming the limit it passes: the format's
// largest side, or the memory a picture may take. Empty when it can be.
// Asked before anything is drawn.
QString pictureSizeRefusal(int64_t width, int64_t height, int frames, PictureFormat format);

// The frames of an animated page: the page as shown (phase 0), then as
// hidden (phase 1) when that looks different. A page without a visible
// blinking run is a single, still frame.
QList<QImage> blinkFrames(const QImage& shown, const QImage& hidden);

// Lossless WebP: one frame is a still picture, more are an animation that
// loops forever and shows each frame for `frameMs`. Empty when the frames
// cannot be encoded; `why` then says why.
QByteArray encodeWebp(const QList<QImage>& frames, int frameMs, QString* why);

class OutputFiles;

// Writes the frames to `file` in `format` through `out`, whole or not at
// all. Returns why it failed, naming the file; empty when it was written.
QString writePicture(const OutputFiles& out, const QString& file, const QList<QImage>& frames, PictureFormat format,
                     int frameMs);

}  // namespace sumire
