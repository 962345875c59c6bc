// Random pages built from the pieces of the page format, each requested once
// through the engine and once through the plain reference (ReferenceScan),
// with identical fresh window doubles, fetcher and attachment folder. The
// page model, the window controls, the picture slots, the written files, the
// fetched addresses and every drawing operation must agree, also when the page
// is drawn again at every display width, several scroll positions (negative
// ones included) and both blink phases. On a disagreement the test prints the
// page, the first difference, and a page shrunk to the fewest characters that
// still disagree, ready to become a page case.

#include "ReferenceScan.h"

#include "display/EmojiTags.h"
#include "display/LcdRenderer.h"
#include "display/PageModel.h"
#include "page/AttachmentFolder.h"
#include "page/PageRequest.h"
#include "support/FakeWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace sumire::test {
namespace {

const QString kPageAddress = QStringLiteral("http://host/dir/page.txt");
const QString kNetworkBase = QStringLiteral("http://host/dir/");

// Printable ASCII as is, everything else as an escape, so that a page can be
// pasted into a case file or a C++ string.
QString escaped(const QString& text) {
    QString out;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\r') out += "\\r";
        else if (u == '\n') out += "\\n";
        else if (u == '"' || u == '\\') out += QString("\\") + c;
        else if (u >= 32 && u < 127) out += c;
        else out += QString("\\u%1").arg(int(u), 4, 16, QChar('0'));
    }
    return out;
}

// Serves a few attachment files and the network page; every other address fails.
class ServingFetcher : public Fetcher {
public:
    explicit ServingFetcher(std::map<QString, QByteArray> files) : files_(std::move(files)) {}
    FetchResult fetch(const QString& address) override {
        calls << address;
        if (address == kPageAddress && hasPage) return {true, page, QStringLiteral("utf-8"), {}};
        const auto it = files_.find(address);
        if (it == files_.end()) return {false, {}, {}, QStringLiteral("not served")};
        return {true, it->second, {}, {}};
    }
    QByteArray page;
    bool hasPage = false;
    QStringList calls;

private:
    std::map<QString, QByteArray> files_;
};

// The folders and files every request sees: the page's folder (also the file
// browser's folder), the attachment folder, and what the fetcher serves.
struct World {
    World() : site(dir.filePath("site")), attach(dir.filePath("attach")) {
        QDir().mkpath(site);
        putSiteFile("a.bmp", makeBmp(12, 7, 0, 255, 0));
        putSiteFile("e.bmp", makeBmp(30, 40));
        putSiteFile("c.bmp", makeBmp(4, 4));
        const std::map<QString, QByteArray> files{
            {"a.bmp", makeBmp(20, 10)}, {"b.bmp", makeBmp(6, 90)}, {"tall.bmp", makeBmp(5, 300)},
            {"m.dxm", "MMMD melody"},   {"d.dat", "data bytes"},   {"junk.bmp", "no picture"},
            {"x.txt", "text"},          {"A.BMP", makeBmp(3, 3)},  {"sub/c.bmp", makeBmp(9, 9)},
            {"bmp", makeBmp(2, 2)},
        };
        for (const auto& [name, bytes] : files) {
            served[site + "/" + name] = bytes;
            served[kNetworkBase + name] = bytes;
        }
    }
    void putSiteFile(const QString& name, const QByteArray& bytes) {
        QFile f(site + "/" + name);
        if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    }
    // Attachment files are synced to disk as they are written; a folder in
    // memory keeps thousands of pages fast.
    static QString tempTemplate() {
        const QString shm = QStringLiteral("/dev/shm");
        const bool inMemory = QFileInfo(shm).isDir() && QFileInfo(shm).isWritable();
        return (inMemory ? shm : QDir::tempPath()) + "/sumire-differential-XXXXXX";
    }
    QTemporaryDir dir{tempTemplate()};
    QString site, attach;
    std::map<QString, QByteArray> served;
};

struct PageInput {
    QString text;
    bool network = false;
    QString address;  // network mode only; offline the page's path is used
};

// One test case: pages requested in a row on one model.
struct Case {
    std::vector<PageInput> pages;
    int width = 0;  // index into kDisplayWidths
    int blinkPhase = 0;
};

QString describe(const Case& c) {
    QString out = QString("width %1, blinkPhase %2").arg(kDisplayWidths[c.width].lineChars).arg(c.blinkPhase);
    for (const PageInput& p : c.pages)
        out += QString("\n  %1 page \"%2\"")
                   .arg(p.network ? "network (" + p.address + ")" : QString("offline"), escaped(p.text));
    return out;
}

// Everything one implementation owns for a run of requests.
struct Side {
    explicit Side(const World& w) : fetcher(w.served), folder(w.attach) { host.folder = w.site; }
    PageModel model;
    FakeHost host;
    FakeSlots pictures;
    RecordingCanvas canvas;
    ServingFetcher fetcher;
    AttachmentFolder folder;
};

// What a request left behind.
struct Outcome {
    PageModel model;
    FakeHost host;
    std::array<FakeSlot, 12> boxes;
    std::vector<DrawOp> ops;
    bool timer1 = false, autoRedraw = false;
    std::map<QString, QByteArray> files;
    QStringList fetches;
};

std::map<QString, QByteArray> filesIn(const QString& dir) {
    std::map<QString, QByteArray> out;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        out[QDir(dir).relativeFilePath(f.fileName())] = f.open(QIODevice::ReadOnly) ? f.readAll() : "<unreadable>";
    }
    return out;
}

Outcome request(Side& side, const PageInput& page, bool engine, const World& w) {
    side.host.network = page.network;
    side.host.text1 = page.network ? page.address : w.site + "/page.txt";
    side.fetcher.hasPage = page.network;
    if (page.network) side.fetcher.page = page.text.toUtf8();
    else side.host.text2 = page.text;
    side.canvas.ops.clear();
    side.fetcher.calls.clear();
    PageServices services{side.host, side.pictures, side.fetcher, side.folder, side.canvas};
    if (engine) side.canvas.took(runPageRequest(side.model, services).drawn);
    else side.canvas.took(referencePageRequest(side.model, services));
    return {side.model,        side.host,          side.pictures.boxes,
            side.canvas.ops,   side.canvas.timer1, side.canvas.autoRedraw,
            filesIn(w.attach), side.fetcher.calls};
}

QString shown(const QString& s) { return "\"" + escaped(s) + "\""; }
QString shown(const QByteArray& b) { return b.size() > 40 ? b.left(40).toHex() + "..." : b.toHex(); }
QString shown(int64_t v) { return QString::number(v); }
QString shown(int v) { return QString::number(v); }
QString shown(bool v) { return v ? "true" : "false"; }
template <class T>
QString shown(const QList<T>& l) {
    QStringList parts;
    for (const T& v : l) parts << QString::number(v);
    return "(" + parts.join(", ") + ")";
}
QString shown(const QStringList& l) {
    QStringList parts;
    for (const QString& s : l) parts << shown(s);
    return "[" + parts.join(", ") + "]";
}

// Collects the first difference between engine and reference.
class Differ {
public:
    template <class T>
    void same(const QString& what, const T& engine, const T& reference) {
        if (first_.isEmpty() && !(engine == reference))
            first_ = what + ": engine " + shown(engine) + ", reference " + shown(reference);
    }
    void sameOps(const std::vector<DrawOp>& e, const std::vector<DrawOp>& r) {
        const size_t n = std::min(e.size(), r.size());
        for (size_t i = 0; i < n && first_.isEmpty(); ++i)
            if (!(e[i] == r[i]))
                first_ =
                    QString("drawing operation %1: engine %2, reference %3").arg(i).arg(toString(e[i]), toString(r[i]));
        same("number of drawing operations", int64_t(e.size()), int64_t(r.size()));
    }
    QString first() const { return first_; }

private:
    QString first_;
};

// A field of the engine's model against the reference's, by its name.
#define SAME_FIELD(field) d.same(#field, e.field, r.field)

void compareDrawingState(Differ& d, const PageModel& e, const PageModel& r) {
    SAME_FIELD(lcdCol);
    SAME_FIELD(lcdRow);
    SAME_FIELD(colorIdx);
    SAME_FIELD(imageRows);
    SAME_FIELD(blinkActive);
    SAME_FIELD(loopIdx);
}

void compareModels(Differ& d, const PageModel& e, const PageModel& r) {
    SAME_FIELD(lcdText);
    SAME_FIELD(bodyStart);
    SAME_FIELD(scanPos);
    SAME_FIELD(tokenKind);
    SAME_FIELD(emojiCode);
    SAME_FIELD(scanScratch);
    d.same("text colour", QList<int64_t>{e.textRed, e.textGreen, e.textBlue},
           QList<int64_t>{r.textRed, r.textGreen, r.textBlue});
    d.same("back colour", QList<int64_t>{e.backRed, e.backGreen, e.backBlue},
           QList<int64_t>{r.backRed, r.backGreen, r.backBlue});
    SAME_FIELD(hexValue);
    for (int i = 0; i < kColorEntries; ++i)
        d.same(QString("colour entry %1").arg(i), QList<int64_t>{e.colorRed[i], e.colorGreen[i], e.colorBlue[i]},
               QList<int64_t>{r.colorRed[i], r.colorGreen[i], r.colorBlue[i]});
    SAME_FIELD(linkCount);
    for (int i = 0; i < kLinkEntries; ++i) {
        d.same(QString("linkKeys(%1)").arg(i), e.linkKeys[i], r.linkKeys[i]);
        d.same(QString("linkTargets(%1)").arg(i), e.linkTargets[i], r.linkTargets[i]);
    }
    SAME_FIELD(attachCount);
    for (int i = 0; i < kAttachEntries; ++i)
        d.same(QString("attachNames(%1)").arg(i), e.attachNames[i], r.attachNames[i]);
    SAME_FIELD(fetchBytes);
    SAME_FIELD(scrollTop);
    compareDrawingState(d, e, r);
}

#undef SAME_FIELD

void compareHosts(Differ& d, const FakeHost& e, const FakeHost& r) {
    d.same("sender (Label1(3))", e.sender, r.sender);
    d.same("title (Label1(6))", e.title, r.title);
    d.same("Text1", e.text1, r.text1);
    d.same("Text2", e.text2, r.text2);
    d.same("Text3", e.text3, r.text3);
    d.same("go button enabled", e.goEnabled, r.goEnabled);
    d.same("go button disabled count", e.goDisabledCount, r.goDisabledCount);
    for (int i = 0; i < 10; ++i) {
        d.same(QString("File001(%1) caption").arg(i), e.menuCaptions[i], r.menuCaptions[i]);
        d.same(QString("File001(%1) enabled").arg(i), e.menuEnabled[i], r.menuEnabled[i]);
    }
}

void compareSlots(Differ& d, const std::array<FakeSlot, 12>& e, const std::array<FakeSlot, 12>& r) {
    for (int i = 0; i < 12; ++i) {
        const QString at = QString("Picture1(%1) ").arg(i);
        d.same(at + "size", QList<int>{e[i].width, e[i].height}, QList<int>{r[i].width, r[i].height});
        d.same(at + "picture", e[i].picture, r[i].picture);
        d.same(at + "loaded from", e[i].loadedFrom, r[i].loadedFrom);
        d.same(at + "AutoSize", e[i].autoSize, r[i].autoSize);
        d.same(at + "AutoRedraw", e[i].autoRedraw, r[i].autoRedraw);
    }
}

QString outcomeDifference(const Outcome& e, const Outcome& r) {
    Differ d;
    compareModels(d, e.model, r.model);
    compareHosts(d, e.host, r.host);
    compareSlots(d, e.boxes, r.boxes);
    d.same("fetched addresses", e.fetches, r.fetches);
    QStringList engineFiles, referenceFiles;
    for (const auto& entry : e.files) engineFiles << entry.first;
    for (const auto& entry : r.files) referenceFiles << entry.first;
    d.same("files in the attachment folder", engineFiles, referenceFiles);
    for (const auto& [name, bytes] : e.files)
        if (r.files.count(name)) d.same("file " + name, bytes, r.files.at(name));
    d.sameOps(e.ops, r.ops);
    d.same("Timer1 enabled", e.timer1, r.timer1);
    d.same("AutoRedraw", e.autoRedraw, r.autoRedraw);
    return d.first();
}

// Draws both pages again at every display width, a few scroll positions and
// both blink phases.
QString redrawDifference(Side& engine, Side& reference) {
    for (const DisplayWidth& width : kDisplayWidths)
        for (int64_t top : {0, 1, -3, 8, 25})
            for (int phase : {0, 1}) {
                for (Side* s : {&engine, &reference}) {
                    s->model.setDisplayWidth(width);
                    s->model.scrollTop = top;
                    s->model.blinkPhase = phase;
                    s->canvas.ops.clear();
                }
                engine.canvas.took(DrawLcd(engine.model, engine.pictures, engine.canvas));
                reference.canvas.took(referenceDrawLcd(reference.model, reference.pictures, reference.canvas));
                Differ d;
                compareDrawingState(d, engine.model, reference.model);
                d.sameOps(engine.canvas.ops, reference.canvas.ops);
                d.same("Timer1 enabled", engine.canvas.timer1, reference.canvas.timer1);
                d.same("AutoRedraw", engine.canvas.autoRedraw, reference.canvas.autoRedraw);
                if (!d.first().isEmpty())
                    return QString("redraw at width %1, scrollTop %2, blinkPhase %3: %4")
                        .arg(width.lineChars)
                        .arg(top)
                        .arg(phase)
                        .arg(d.first());
            }
    return {};
}

void prepare(Side& side, const Case& c) {
    side.model.setDisplayWidth(kDisplayWidths[c.width]);
    side.model.blinkPhase = c.blinkPhase;
}

// Runs the case through both implementations; the first difference, or "".
QString caseDifference(const World& w, const Case& c) {
    Side engine(w), reference(w);
    prepare(engine, c);
    prepare(reference, c);
    std::vector<Outcome> engineOut, referenceOut;
    QDir(w.attach).removeRecursively();
    for (const PageInput& p : c.pages) engineOut.push_back(request(engine, p, true, w));
    QDir(w.attach).removeRecursively();
    for (const PageInput& p : c.pages) referenceOut.push_back(request(reference, p, false, w));
    QDir(w.attach).removeRecursively();
    for (size_t i = 0; i < c.pages.size(); ++i) {
        const QString diff = outcomeDifference(engineOut[i], referenceOut[i]);
        if (!diff.isEmpty()) return QString("after request %1: %2").arg(i + 1).arg(diff);
    }
    return redrawDifference(engine, reference);
}

// The case with as many characters (and earlier pages) removed as possible
// while the two implementations still disagree.
Case shrink(const World& w, Case c) {
    int budget = 4000;
    while (c.pages.size() > 1) {
        Case trial = c;
        trial.pages.erase(trial.pages.begin());
        if (caseDifference(w, trial).isEmpty()) break;
        c = trial;
    }
    for (size_t p = 0; p < c.pages.size(); ++p) {
        for (qsizetype chunk = std::max<qsizetype>(1, c.pages[p].text.size() / 2); chunk >= 1 && budget > 0;
             chunk /= 2) {
            for (qsizetype at = 0; at + chunk <= c.pages[p].text.size() && budget-- > 0;) {
                Case trial = c;
                trial.pages[p].text.remove(at, chunk);
                if (!caseDifference(w, trial).isEmpty()) c = trial;
                else at += chunk;
            }
        }
    }
    return c;
}

// ---------------------------------------------------------------------------
// Random pages from the pieces of the format.

const QStringList kTokens{
    "From:",         "Subject:",       "SEL=",         "Append: Name=", "Append:name=", "Append:Name=",
    "stream; Name=", "stream;Name=",   "stream;name=", "<BODY=",        "BG=",          "<IMG=",
    "<C=",           "</C>",           "<BL>",         "</BL>",         "--VOV980907",  "Qk",
    "Append:NAME=",  "Append : Name=", "<c=",          "<body="};
const QStringList kPunctuation{"\"", ";", ">", "<", "\r", "\n", "\r\n", " ", "  ", "/", "\\", "=", "-", "<#"};
const QStringList kWords{"abc", "Hello",  "x",  "http", "http://h/p", "漢字", "かな", "カタカナ",
                         "ｱｲｳ", "ＡＢＣ", "！", "０１", "é",          "mail", "8"};
const QStringList kMarkers{QString(QChar(1)),        QString(QChar(1)) + "3", QString(QChar(1)) + "x",
                           QString(QChar(1)) + "漢", QString(QChar(2)),       QString(QChar(3)),
                           QString(QChar(4)),        QString(QChar(5)),       QString(QChar(0xE000)),
                           QString(QChar(0xE05E))};
const QStringList kNames{"a.bmp", "b.bmp", "tall.bmp",  "m.dxm", "d.dat", "junk.bmp", "miss.bmp", "e.bmp",
                         "x.txt", "A.BMP", "sub/c.bmp", "..",    "",      "bmp",      "c.bmp",    "dat"};
const QStringList kBrokenEmoji{"<#HEART", "<#heart>", "<#HEART >", "<# HEART>", "<#>", "<#HEARTS>", "<#!>"};

class PageMaker {
public:
    explicit PageMaker(quint32 seed) : random_(seed) {}

    int below(int n) { return int(random_.bounded(n)); }
    bool chance(int percent) { return below(100) < percent; }
    QString pick(const QStringList& list) { return list[below(int(list.size()))]; }

    QString page() {
        QString text;
        const int pieces = below(40);
        for (int i = 0; i < pieces; ++i) text += piece();
        const int special = below(200);
        if (special < 8) text += manyAttachments();
        else if (special < 14) text += manyColours();
        else if (special == 14) text += manyLinks();
        if (special < 15)
            for (int i = below(15); i > 0; --i) text += piece();
        return text;
    }

    QString manyColours() {
        QString text;
        for (int i = 98 + below(7); i > 0; --i) text += "<C=" + hexDigits(6) + ">" + pick({"x", "", "\r\n", "漢"});
        return text;
    }

private:
    QString piece() {
        switch (below(25)) {
        case 0:
        case 1: return pick(kTokens);
        case 2:
        case 3: return pick(kPunctuation);
        case 4: return pick(kWords);
        case 5: return QString(QChar('A' + below(26)));
        case 6: return hexDigits(1 + below(6));
        case 7: return pick(kMarkers);
        case 8:
        case 9: return emojiTag();
        case 10: return pick(kBrokenEmoji);
        case 11: return fromLine();
        case 12: return subjectLine();
        case 13: return linkLine();
        case 14: return appendLine();
        case 15: return streamPart();
        case 16: return bodyTag();
        case 17: return imageTag();
        case 18: return colourRun();
        case 19: return blinkRun();
        case 20: return "\"" + pick(kNames) + "\"";
        case 21: return base64Text();
        case 22: return lineEnd();
        default: return words();
        }
    }

    QString lineEnd() { return chance(70) ? "\r\n" : pick({"\n", "\r", "", "\r\r\n"}); }
    QString words() {
        QString text = pick(kWords);
        for (int i = below(4); i > 0; --i) text += pick({" ", "  ", ""}) + pick(kWords);
        return text;
    }
    QString hexDigits(int count) {
        QString text;
        for (int i = 0; i < count; ++i) {
            const int kind = below(20);
            if (kind == 0) text += QChar("abcdef"[below(6)]);
            else if (kind == 1) text += pick({"G", ">", " ", "\r", "\n", "x"});
            else text += QChar("0123456789ABCDEF"[below(16)]);
        }
        return text;
    }
    QString emojiTag() { return "<#" + QString::fromLatin1(kEmojiNames[below(kEmojiCount)]) + ">"; }
    QString fromLine() {
        return "From:" + pick({" ", "", "  "}) + words() + (chance(50) ? " http://host/" + pick(kWords) : "") +
               lineEnd();
    }
    QString subjectLine() { return "Subject:" + pick({" ", "", "  "}) + words() + lineEnd(); }
    QString linkLine() {
        const QString key = pick({"1", "2", "#", "", "12", "*", "あ"});
        return "SEL=" + key + pick({";", ";", ""}) + pick({"http://h/a", "/x/y", "", "b.txt"}) + pick({">", ">", ""}) +
               lineEnd() + (chance(50) ? pick(kWords) : "");
    }
    QString appendLine() {
        return pick({"Append: Name=", "Append:name=", "Append:Name="}) + "\"" + pick(kNames) +
               (chance(90) ? "\"" : "") + lineEnd();
    }
    QString base64Text() {
        static const QString bmp = QString::fromLatin1(makeBmp(3, 2).toBase64());
        static const QString data = QString::fromLatin1(QByteArray("melody and data").toBase64());
        const int kind = below(8);
        if (kind == 0) return "Qk==";
        if (kind == 1) return "Qk0 x";
        if (kind == 2) return data;
        if (kind == 3) return "Qk";
        const int width = kind == 4 ? 100000 : 5 + below(30);
        const QString eol = pick({"\r\n", "\n", "\r"});
        QString text;
        for (qsizetype i = 0; i < bmp.size(); i += width) text += (i ? eol : "") + bmp.mid(i, width);
        return text;
    }
    QString streamPart() {
        QString text =
            pick({"stream; Name=", "stream;Name=", "stream;name="}) + "\"" + pick(kNames) + (chance(90) ? "\"" : "");
        text += "\r\n" + (chance(30) ? QString("Content-Transfer-Encoding: base64\r\n") : QString()) + "\r\n";
        text += base64Text() + "\r\n";
        if (chance(85)) text += "--VOV980907" + lineEnd();
        return text;
    }
    QString bodyTag() {
        return "<BODY=" + hexDigits(6) + pick({" ", "", "  "}) + (chance(85) ? "BG=" + hexDigits(6) : QString()) +
               pick({">", ""}) + lineEnd();
    }
    QString imageTag() { return "<IMG=\"" + pick(kNames) + (chance(90) ? "\">" : ">") + lineEnd(); }
    QString colourRun() {
        return "<C=" + hexDigits(pick({"6", "6", "3"}).toInt()) + ">" + words() + (chance(70) ? "</C>" : "");
    }
    QString blinkRun() { return "<BL>" + (chance(80) ? words() : QString()) + (chance(70) ? "</BL>" : ""); }

    QString manyAttachments() {
        QString text;
        for (int i = 10 + below(5); i > 0; --i) text += chance(60) ? appendLine() : streamPart();
        return text;
    }
    QString manyLinks() {
        QString text;
        for (int i = 998 + below(6); i > 0; --i)
            text += "SEL=" + QString::number(i % 13) + ";t" + QString::number(i) + ">\r\n-";
        return text;
    }

    QRandomGenerator random_;
};

PageInput offlinePage(const QString& text) { return {text, false, {}}; }

// Runs `count` cases from `makeCase`; stops after a few disagreements, each
// reported with its shrunk form.
template <class MakeCase>
void runCases(int count, MakeCase makeCase) {
    World world;
    ASSERT_TRUE(world.dir.isValid());
    int failures = 0;
    for (int i = 0; i < count && failures < 3; ++i) {
        const Case c = makeCase();
        const QString diff = caseDifference(world, c);
        if (diff.isEmpty()) continue;
        ++failures;
        const Case small = shrink(world, c);
        ADD_FAILURE() << "case " << i << ": " << describe(c).toStdString()
                      << "\nfirst difference: " << diff.toStdString() << "\nshrunk: " << describe(small).toStdString()
                      << "\nshrunk difference: " << caseDifference(world, small).toStdString();
    }
}

TEST(DifferentialTest, RandomOfflinePagesAgreeWithTheReference) {
    PageMaker maker(20240611);
    runCases(3000, [&] { return Case{{offlinePage(maker.page())}, maker.below(6), maker.below(2)}; });
}

TEST(DifferentialTest, RandomNetworkPagesAgreeWithTheReference) {
    PageMaker maker(7);
    runCases(400, [&] {
        // Completed, complete, completed to a wrong address, and a page not served.
        const QString address =
            maker.pick({"//host/dir/page.txt", kPageAddress, "/host/dir/page.txt", "http://host/none.txt"});
        return Case{{{maker.page(), true, address}}, maker.below(6), maker.below(2)};
    });
}

TEST(DifferentialTest, TwoPagesInARowAgreeWithTheReference) {
    PageMaker maker(99);
    runCases(600, [&] {
        // The first page often fills the colour table up to entry 100.
        QString first = maker.page();
        if (maker.chance(25)) first += maker.manyColours();
        return Case{{offlinePage(first), offlinePage(maker.page())}, maker.below(6), maker.below(2)};
    });
}

}  // namespace
}  // namespace sumire::test
