// sumire render --animate and WebP pictures: the frames, their times and the
// loop as a decoder reads them back, the still picture of a page that does
// not blink, the names, the refusals and the failures; and the animation as
// headless Chromium decodes it.

#include "ProgramRun.h"
#include "TestFiles.h"
#include "cli/PictureFile.h"
#include "export/OutputFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <webp/decode.h>
#include <webp/demux.h>

namespace sumire {
namespace {

using test::ProgramResult;
using test::readFile;
using test::samplePath;

ProgramResult render(const QTemporaryDir& dir, const QStringList& arguments) {
    return test::runProgram(QStringList{"render"} + arguments, test::headlessIn(dir.path()));
}

// A WebP file as libwebp's animation decoder reads it: a still picture is
// one frame.
struct DecodedWebp {
    bool ok = false;
    bool animated = false;
    int loopCount = -1;
    QList<QImage> frames;
    QList<int> endTimesMs;
};

DecodedWebp decodeWebp(const QByteArray& bytes) {
    DecodedWebp decoded;
    WebPBitstreamFeatures features;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    if (WebPGetFeatures(data, size_t(bytes.size()), &features) != VP8_STATUS_OK) return decoded;
    decoded.animated = features.has_animation;
    WebPAnimDecoderOptions options;
    if (!WebPAnimDecoderOptionsInit(&options)) return decoded;
    options.color_mode = MODE_RGBA;
    const WebPData webp{data, size_t(bytes.size())};
    WebPAnimDecoder* decoder = WebPAnimDecoderNew(&webp, &options);
    WebPAnimInfo info;
    if (!decoder || !WebPAnimDecoderGetInfo(decoder, &info)) {
        WebPAnimDecoderDelete(decoder);
        return decoded;
    }
    decoded.loopCount = int(info.loop_count);
    uint8_t* pixels = nullptr;
    int endTime = 0;
    while (WebPAnimDecoderHasMoreFrames(decoder) && WebPAnimDecoderGetNext(decoder, &pixels, &endTime)) {
        const QImage frame(pixels, int(info.canvas_width), int(info.canvas_height), QImage::Format_RGBA8888);
        decoded.frames << frame.convertToFormat(QImage::Format_RGB32);  // a copy: the decoder reuses its buffer
        decoded.endTimesMs << endTime;
    }
    decoded.ok = decoded.frames.size() == int(info.frame_count);
    WebPAnimDecoderDelete(decoder);
    return decoded;
}

QImage png(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

// The still PNG renders of both blink phases with the same options.
std::pair<QImage, QImage> stillPhases(const QTemporaryDir& dir, const QString& page, const QStringList& options) {
    QImage phases[2];
    for (int phase : {0, 1}) {
        const QString out = dir.filePath(QStringLiteral("phase%1.png").arg(phase));
        const ProgramResult run =
            render(dir, QStringList{page, "--phase", QString::number(phase), "-o", out} + options);
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        phases[phase] = png(out);
    }
    return {phases[0], phases[1]};
}

TEST(Animate, BlinkingPageAlternatesItsTwoPhasesEverySecondForEveryCrop) {
    QTemporaryDir dir;
    for (const char* crop : {"window", "handset", "lcd"}) {
        const QStringList options{"--crop", crop};
        const auto [shown, hidden] = stillPhases(dir, samplePath("blink.txt"), options);
        ASSERT_FALSE(shown.isNull());
        ASSERT_NE(shown, hidden) << crop;  // the sample does blink
        const QString out = dir.filePath(QString(crop) + ".webp");
        const ProgramResult run = render(dir, QStringList{samplePath("blink.txt"), "--animate", "-o", out} + options);
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const DecodedWebp webp = decodeWebp(readFile(out));
        ASSERT_TRUE(webp.ok) << crop;
        EXPECT_TRUE(webp.animated) << crop;
        EXPECT_EQ(webp.loopCount, 0) << crop;  // forever
        EXPECT_EQ(webp.endTimesMs, (QList<int>{1000, 2000})) << crop;
        ASSERT_EQ(webp.frames.size(), 2) << crop;
        EXPECT_EQ(webp.frames[0], shown) << crop;
        EXPECT_EQ(webp.frames[1], hidden) << crop;
    }
}

TEST(Animate, CombinesWithFullAndScale) {
    QTemporaryDir dir;
    const QString page = samplePath("blink.txt");
    ASSERT_EQ(render(dir, {page, "--full", "-o", dir.filePath("one.png")}).exitCode, 0);
    const QSize single = QImage(dir.filePath("one.png")).size();
    ASSERT_FALSE(single.isEmpty());
    const QStringList options{"--full", "--scale", "2"};
    const auto [shown, hidden] = stillPhases(dir, page, options);
    ASSERT_NE(shown, hidden);
    const ProgramResult run = render(dir, QStringList{page, "--animate", "-o", dir.filePath("a.webp")} + options);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const DecodedWebp webp = decodeWebp(readFile(dir.filePath("a.webp")));
    ASSERT_TRUE(webp.ok);
    ASSERT_EQ(webp.frames.size(), 2);
    EXPECT_EQ(webp.frames[0].size(), single * 2);
    EXPECT_EQ(webp.frames[0], shown);
    EXPECT_EQ(webp.frames[1], hidden);
}

// index.txt and colors.txt have no blinking run, in any crop or scale.
TEST(Animate, APageWithoutVisibleBlinkingIsOneStillPicture) {
    QTemporaryDir dir;
    const struct {
        const char* page;
        QStringList options;
    } cases[] = {{"index.txt", {}}, {"colors.txt", {"--crop", "lcd", "--scale", "3"}}};
    for (const auto& c : cases) {
        const auto [shown, hidden] = stillPhases(dir, samplePath(c.page), c.options);
        ASSERT_EQ(shown, hidden) << c.page;
        const QString out = dir.filePath("still.webp");
        const ProgramResult run = render(dir, QStringList{samplePath(c.page), "--animate", "-o", out} + c.options);
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const DecodedWebp webp = decodeWebp(readFile(out));
        ASSERT_TRUE(webp.ok) << c.page;
        EXPECT_FALSE(webp.animated) << c.page;
        ASSERT_EQ(webp.frames.size(), 1) << c.page;
        EXPECT_EQ(webp.frames[0], shown) << c.page;
    }
}

TEST(Animate, NamesEndInWebpAndAWebpNameGivesAStillWebp) {
    QTemporaryDir dir;
    ASSERT_EQ(render(dir, {samplePath("blink.txt"), "--animate"}).exitCode, 0);
    EXPECT_EQ(decodeWebp(readFile(dir.filePath("blink.webp"))).frames.size(), 2);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("blink.png")));

    const ProgramResult many =
        render(dir, {samplePath("blink.txt"), samplePath("index.txt"), "--animate", "-o", dir.filePath("out")});
    ASSERT_EQ(many.exitCode, 0) << many.err.constData();
    EXPECT_EQ(QDir(dir.filePath("out")).entryList(QDir::Files), (QStringList{"blink.webp", "index.webp"}));

    // Without --animate the name's extension still chooses the format.
    ASSERT_EQ(render(dir, {samplePath("blink.txt"), "-o", dir.filePath("still.webp")}).exitCode, 0);
    ASSERT_EQ(render(dir, {samplePath("blink.txt"), "-o", dir.filePath("still.png")}).exitCode, 0);
    const DecodedWebp still = decodeWebp(readFile(dir.filePath("still.webp")));
    ASSERT_EQ(still.frames.size(), 1);
    EXPECT_FALSE(still.animated);
    EXPECT_EQ(still.frames[0], png(dir.filePath("still.png")));
}

TEST(Animate, RefusesAPngNameAndAPhaseAndWritesNothing) {
    QTemporaryDir dir;
    const QStringList wrong[] = {{"-o", dir.filePath("a.png")}, {"-o", dir.filePath("b.PNG")}, {"--phase", "1"}};
    for (const QStringList& options : wrong) {
        const ProgramResult run = render(dir, QStringList{samplePath("blink.txt"), "--animate"} + options);
        EXPECT_EQ(run.exitCode, 2) << options.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("--animate")) << run.err.constData();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST(Animate, AFileThatCannotBeWrittenIsReportedAndTheOthersAreWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("out/blink.webp")));  // a folder in the file's place
    const ProgramResult run =
        render(dir, {samplePath("blink.txt"), samplePath("index.txt"), "--animate", "-o", dir.filePath("out")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("blink.txt")) << run.err.constData();
    EXPECT_TRUE(run.err.contains("cannot write")) << run.err.constData();
    EXPECT_EQ(decodeWebp(readFile(dir.filePath("out/index.webp"))).frames.size(), 1);
    EXPECT_TRUE(QFileInfo(dir.filePath("out/blink.webp")).isDir());
}

TEST(Animate, APictureLargerThanWebpAllowsIsRefusedWithItsReason) {
    QTemporaryDir dir;
    QImage tall(2, 16384, QImage::Format_RGB32);
    tall.fill(Qt::white);
    QString why;
    EXPECT_TRUE(encodeWebp({tall, tall}, 1000, &why).isEmpty());
    EXPECT_TRUE(why.contains("16383")) << why.toStdString();
    const QString file = dir.filePath("tall.webp");
    const QString failure = writePicture(OutputFiles({}, {}), file, {tall}, PictureFormat::Webp, 1000);
    EXPECT_TRUE(failure.contains(file)) << failure.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file));
    // One pixel less is accepted and read back whole.
    const QImage fits = tall.copy(0, 0, 2, 16383);
    const DecodedWebp webp = decodeWebp(encodeWebp({fits}, 1000, &why));
    ASSERT_EQ(webp.frames.size(), 1);
    EXPECT_EQ(webp.frames[0], fits);
}

// A page whose script decodes the picture with the browser's own image
// decoder and lists its frames: count, repetitions, durations and pixels.
QString decoderPage(const QByteArray& webp) {
    return QStringLiteral(R"(<!doctype html><html><body><script>
(async () => {
  const out = {};
  try {
    const bytes = Uint8Array.from(atob("%1"), c => c.charCodeAt(0));
    const decoder = new ImageDecoder({data: bytes, type: "image/webp"});
    await decoder.tracks.ready;
    await decoder.completed;
    const track = decoder.tracks.selectedTrack;
    out.frameCount = track.frameCount;
    out.repetitionCount = String(track.repetitionCount);
    out.frames = [];
    for (let i = 0; i < track.frameCount; ++i) {
      const frame = (await decoder.decode({frameIndex: i})).image;
      const canvas = new OffscreenCanvas(frame.displayWidth, frame.displayHeight);
      const context = canvas.getContext("2d");
      context.drawImage(frame, 0, 0);
      const rgba = context.getImageData(0, 0, canvas.width, canvas.height).data;
      let text = "";
      for (let k = 0; k < rgba.length; k += 8192) text += String.fromCharCode.apply(null, rgba.subarray(k, k + 8192));
      out.frames.push({durationUs: frame.duration, width: canvas.width, height: canvas.height, rgba: btoa(text)});
      frame.close();
    }
  } catch (e) { out.error = String(e); }
  const result = document.createElement("pre");
  result.id = "result";
  result.textContent = JSON.stringify(out);
  document.body.appendChild(result);
})();
</script></body></html>
)")
        .arg(QString::fromLatin1(webp.toBase64()));
}

// Chromium as root, headless, with a profile of its own; --dump-dom waits
// for the script's promises within the virtual time budget.
QByteArray chromiumDom(const QString& chromium, const QString& page) {
    QTemporaryDir profile;
    QProcess p;
    p.start(chromium,
            {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--disable-features=NetworkTimeServiceQuerying",
             "--host-resolver-rules=MAP * ~NOTFOUND", "--user-data-dir=" + profile.path(),
             "--virtual-time-budget=10000", "--dump-dom", QUrl::fromLocalFile(page).toString()});
    EXPECT_TRUE(p.waitForFinished(90000));
    return p.readAllStandardOutput();
}

TEST(AnimateInChromium, TwoFramesOfASecondEachRepeatedForeverAsRendered) {
    const QString chromium = QStandardPaths::findExecutable("chromium");
    if (chromium.isEmpty()) GTEST_SKIP() << "chromium is not installed (deps.txt)";
    QTemporaryDir dir;
    const QStringList options{"--crop", "lcd"};
    const auto [shown, hidden] = stillPhases(dir, samplePath("blink.txt"), options);
    const QString out = dir.filePath("blink.webp");
    ASSERT_EQ(render(dir, QStringList{samplePath("blink.txt"), "--animate", "-o", out} + options).exitCode, 0);
    const QString html = dir.filePath("decode.html");
    test::writeFile(html, decoderPage(readFile(out)).toUtf8());

    // The decoder works on threads of its own, which virtual time does not wait
    // for: on a busy machine the DOM can be dumped before the result is there.
    const QRegularExpression resultPre(R"(<pre id="result">(.*?)</pre>)");
    QString dom;
    QRegularExpressionMatch m;
    for (int attempt = 0; attempt < 4 && !m.hasMatch(); ++attempt) {
        dom = QString::fromUtf8(chromiumDom(chromium, html));
        m = resultPre.match(dom);
    }
    ASSERT_TRUE(m.hasMatch()) << dom.left(500).toStdString();
    QString json = m.captured(1);
    json.replace("&quot;", "\"").replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&");
    const QJsonObject result = QJsonDocument::fromJson(json.toUtf8()).object();
    ASSERT_FALSE(result.contains("error")) << result["error"].toString().toStdString();
    EXPECT_EQ(result["frameCount"].toInt(), 2);
    EXPECT_EQ(result["repetitionCount"].toString(), "Infinity");
    const QJsonArray frames = result["frames"].toArray();
    ASSERT_EQ(frames.size(), 2);
    const QImage expected[] = {shown, hidden};
    for (int i = 0; i < 2; ++i) {
        const QJsonObject f = frames[i].toObject();
        EXPECT_EQ(f["durationUs"].toInt(), 1000000) << i;
        const QByteArray rgba = QByteArray::fromBase64(f["rgba"].toString().toLatin1());
        const QSize size(f["width"].toInt(), f["height"].toInt());
        ASSERT_EQ(size, expected[i].size()) << i;
        ASSERT_EQ(rgba.size(), size.width() * size.height() * 4) << i;
        const QImage frame(reinterpret_cast<const uchar*>(rgba.constData()), size.width(), size.height(),
                           QImage::Format_RGBA8888);
        EXPECT_EQ(frame.convertToFormat(QImage::Format_RGB32), expected[i]) << i;
    }
}

}  // namespace
}  // namespace sumire
