// Runs the page cases kept as data under tests/cases: each file holds a page,
// the files that stand beside it, and the page model and drawing operations
// expected after the request. Only the keys listed under "expect" are
// compared. The file format is described in tests/cases/README.md.

#include "display/LcdRenderer.h"
#include "display/PageModel.h"
#include "page/AttachmentFolder.h"
#include "page/LocalFetcher.h"
#include "page/PageRequest.h"
#include "support/FakeWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace sumire::test {
namespace {

const QString kNoFile = QStringLiteral("ファイルがありません");

QString casesRoot() { return QStringLiteral(SUMIRE_TEST_DATA "/cases"); }

// Case files relative to the cases folder, sorted.
std::vector<std::string> caseFiles() {
    std::vector<std::string> files;
    QDirIterator it(casesRoot(), {"*.json"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files.push_back(QDir(casesRoot()).relativeFilePath(it.next()).toStdString());
    std::sort(files.begin(), files.end());
    return files;
}

// "render/blink_phase.json" -> "render_blink_phase".
std::string testName(const std::string& relPath) {
    QString name = QString::fromStdString(relPath).chopped(5);
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128)) c = '_';
    return name.toStdString();
}

// A text as it reads in a case file: printable ASCII as is, all else \uXXXX.
std::string shown(const QString& text) {
    std::string out = "\"";
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            out += '\\';
            out += char(u);
        } else if (u >= 32 && u < 127) {
            out += char(u);
        } else {
            out += QString::asprintf("\\u%04X", unsigned(u)).toStdString();
        }
    }
    return out + "\"";
}

std::string shown(const QJsonValue& value) {
    if (value.isString()) return shown(value.toString());
    if (value.isArray() || value.isObject()) {
        std::string out = value.isArray() ? "[" : "{";
        bool first = true;
        auto add = [&](const std::string& item) {
            if (!first) out += ", ";
            out += item;
            first = false;
        };
        if (value.isArray()) {
            for (const QJsonValue& v : value.toArray()) add(shown(v));
        } else {
            const QJsonObject object = value.toObject();
            for (auto it = object.begin(); it != object.end(); ++it) add(shown(it.key()) + ": " + shown(it.value()));
        }
        return out + (value.isArray() ? "]" : "}");
    }
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact).mid(1).chopped(1).toStdString();
}

QJsonArray numbers(std::initializer_list<int64_t> values) {
    QJsonArray a;
    for (int64_t v : values) a.append(double(v));
    return a;
}

// Each character U+0000..U+00FF of the text is one byte.
QByteArray latin1Bytes(const QString& text) { return text.toLatin1(); }

// {"bmp": [w, h]} or {"bytes": "text"}: the content of a file.
std::optional<QByteArray> fileContent(const QJsonObject& content) {
    if (content.contains("bmp")) {
        const QJsonArray size = content["bmp"].toArray();
        return makeBmp(size[0].toInt(), size[1].toInt());
    }
    if (content.contains("bytes")) return latin1Bytes(content["bytes"].toString());
    return std::nullopt;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The window, the picture slots, the canvas and a folder of their own for one case.
class CaseRun {
public:
    CaseRun()
        : site_(tmp_.path() + "/site"),
          folder_(tmp_.path() + "/attach"),
          services_{host, pictures, fetcher_, folder_, canvas} {
        QDir().mkpath(site_);
        host.folder = site_;
        model.backRed = model.backGreen = model.backBlue = 255;  // as start-up leaves them
    }

    QString withTmp(QString text) const { return text.replace("<tmp>", tmp_.path()); }
    QString site() const { return site_; }
    QString attachDir() const { return folder_.path(); }

    // One request for `page`, in the case's mode and with its address.
    void request(const QString& page, bool network, const QString& address) {
        host.network = network;
        host.text1 = address;
        if (network) {
            const QString path = address.startsWith("file:") ? QUrl(address).toLocalFile() : address;
            EXPECT_TRUE(writeFile(path, page.toUtf8())) << "cannot write the page to " << path.toStdString();
        } else {
            host.text2 = page;
        }
        canvas.ops.clear();
        canvas.took(runPageRequest(model, services_).drawn);
    }

    void redraw() {
        canvas.ops.clear();
        canvas.took(DrawLcd(model, pictures, canvas));
    }

    void tick() {
        canvas.ops.clear();
        canvas.took(Timer1_Timer(model, pictures, canvas));
    }

    PageModel model;
    FakeHost host;
    FakeSlots pictures;
    RecordingCanvas canvas;

private:
    QTemporaryDir tmp_;
    QString site_;
    LocalFetcher fetcher_;
    AttachmentFolder folder_;
    PageServices services_;
};

// One comparison of a key: the value found, and the expected value in the
// same shape (so that both print alike).
struct Compared {
    QJsonValue expected;
    QJsonValue actual;
};

using KeyCheck = std::function<Compared(const QJsonValue& expected, CaseRun& run)>;

Compared plain(const QJsonValue& expected, QJsonValue actual) { return {expected, actual}; }

QJsonValue drawOpJson(const DrawOp& op) {
    QJsonArray a{op.kind};
    for (int64_t v : op.values) a.append(double(v));
    return a;
}

// ["text", x, y, "A", colour] may name its character as a one-character text.
QJsonValue normalisedOp(const QJsonValue& op) {
    QJsonArray a = op.toArray();
    if (a.size() == 5 && a[0].toString() == "text" && a[3].isString() && a[3].toString().size() == 1)
        a[3] = double(a[3].toString()[0].unicode());
    return a;
}

QJsonArray colourEntry(const PageModel& m, int k) { return numbers({m.colorRed[k], m.colorGreen[k], m.colorBlue[k]}); }

// "colors": [[r,g,b], ...] from entry 0 on, or {"100": [r,g,b], ...}.
Compared checkColors(const QJsonValue& expected, CaseRun& run) {
    if (expected.isArray()) {
        QJsonArray actual;
        for (int k = 0; k < expected.toArray().size() && k < kColorEntries; ++k)
            actual.append(colourEntry(run.model, k));
        return {expected, actual};
    }
    QJsonObject actual;
    const QJsonObject want = expected.toObject();
    for (auto it = want.begin(); it != want.end(); ++it) {
        const int k = it.key().toInt();
        actual[it.key()] = k >= 0 && k < kColorEntries ? QJsonValue(colourEntry(run.model, k)) : QJsonValue();
    }
    return {expected, actual};
}

Compared checkLinks(const QJsonValue& expected, CaseRun& run) {
    QJsonArray actual;
    for (int64_t i = 0; i < run.model.storedLinkCount(); ++i)
        actual.append(QJsonArray{run.model.linkKeys[i], run.model.linkTargets[i]});
    return {expected, actual};
}

Compared checkAttachNames(const QJsonValue& expected, CaseRun& run) {
    QJsonArray actual;
    for (int64_t i = 0; i < run.model.storedAttachCount(); ++i) actual.append(run.model.attachNames[i]);
    return {expected, actual};
}

// A disabled menu item prints as "(disabled) caption"; the expected list
// gives captions only, and exactly the "no file" items are disabled.
Compared checkMenu(const QJsonValue& expected, CaseRun& run) {
    QJsonArray want, actual;
    for (const QJsonValue& caption : expected.toArray())
        want.append(caption.toString() == kNoFile ? "(disabled) " + kNoFile : caption.toString());
    for (int i = 0; i < 10; ++i)
        actual.append((run.host.menuEnabled[i] ? "" : "(disabled) ") + run.host.menuCaptions[i]);
    return {want, actual};
}

Compared checkFiles(const QJsonValue& expected, CaseRun& run) {
    QStringList names = QDir(run.attachDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QStringList want;
    for (const QJsonValue& v : expected.toArray()) want << v.toString();
    want.sort();
    return {QJsonArray::fromStringList(want), QJsonArray::fromStringList(names)};
}

// Bytes print as their size and the first differing position.
Compared checkFileBytes(const QJsonValue& expected, CaseRun& run) {
    QJsonObject want, actual;
    const QJsonObject entries = expected.toObject();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const QByteArray wanted = fileContent(it.value().toObject()).value_or(QByteArray());
        QFile file(run.attachDir() + "/" + it.key());
        const bool exists = file.open(QIODevice::ReadOnly);
        const QByteArray got = exists ? file.readAll() : QByteArray();
        want[it.key()] = QString("%1 bytes").arg(wanted.size());
        if (!exists) {
            actual[it.key()] = "no such file";
        } else if (got == wanted) {
            actual[it.key()] = want[it.key()];
        } else {
            qsizetype at = 0;
            while (at < got.size() && at < wanted.size() && got[at] == wanted[at]) ++at;
            actual[it.key()] = QString("%1 bytes, first difference at byte %2").arg(got.size()).arg(at);
        }
    }
    return {want, actual};
}

// "slots": {"0": {"width": n, "height": n, "picture": b, "autoSize": b,
// "autoRedraw": b, "loadedFrom": "..."}}: only the keys given.
Compared checkSlots(const QJsonValue& expected, CaseRun& run) {
    QJsonObject actual;
    const QJsonObject want = expected.toObject();
    for (auto it = want.begin(); it != want.end(); ++it) {
        const FakeSlot& s = run.pictures.boxes.at(size_t(it.key().toInt()));
        const QJsonObject fields{{"width", s.width},       {"height", s.height},         {"picture", s.picture},
                                 {"autoSize", s.autoSize}, {"autoRedraw", s.autoRedraw}, {"loadedFrom", s.loadedFrom}};
        QJsonObject got;
        for (const QString& field : it.value().toObject().keys())
            got[field] = fields.contains(field) ? fields[field] : QJsonValue("(no such field)");
        actual[it.key()] = got;
    }
    QJsonObject wantWithTmp;
    for (auto it = want.begin(); it != want.end(); ++it) {
        QJsonObject slot = it.value().toObject();
        if (slot.contains("loadedFrom")) slot["loadedFrom"] = run.withTmp(slot["loadedFrom"].toString());
        wantWithTmp[it.key()] = slot;
    }
    return {wantWithTmp, actual};
}

const std::map<QString, KeyCheck>& keyChecks() {
    static const std::map<QString, KeyCheck> checks{
        {"lcdText", [](auto& e, CaseRun& r) { return plain(e, r.model.lcdText); }},
        {"bodyStart", [](auto& e, CaseRun& r) { return plain(e, double(r.model.bodyStart)); }},
        {"sender", [](auto& e, CaseRun& r) { return plain(e, r.host.sender); }},
        {"title", [](auto& e, CaseRun& r) { return plain(e, r.host.title); }},
        {"text1", [](auto& e, CaseRun& r) { return plain(r.withTmp(e.toString()), r.host.text1); }},
        {"text2", [](auto& e, CaseRun& r) { return plain(e, r.host.text2); }},
        {"text3", [](auto& e, CaseRun& r) { return plain(e, r.host.text3); }},
        {"goEnabled", [](auto& e, CaseRun& r) { return plain(e, r.host.goEnabled); }},
        {"text",
         [](auto& e, CaseRun& r) {
             return plain(e, numbers({r.model.textRed, r.model.textGreen, r.model.textBlue}));
         }},
        {"back",
         [](auto& e, CaseRun& r) {
             return plain(e, numbers({r.model.backRed, r.model.backGreen, r.model.backBlue}));
         }},
        {"colors", checkColors},
        {"colorIdx", [](auto& e, CaseRun& r) { return plain(e, double(r.model.colorIdx)); }},
        {"hexValue", [](auto& e, CaseRun& r) { return plain(e, r.model.hexValue); }},
        {"links", checkLinks},
        {"linkCount", [](auto& e, CaseRun& r) { return plain(e, double(r.model.linkCount)); }},
        {"attachNames", checkAttachNames},
        {"attachCount", [](auto& e, CaseRun& r) { return plain(e, double(r.model.attachCount)); }},
        {"menu", checkMenu},
        {"files", checkFiles},
        {"fileBytes", checkFileBytes},
        {"slots", checkSlots},
        {"lcdRow", [](auto& e, CaseRun& r) { return plain(e, double(r.model.lcdRow)); }},
        {"lcdCol", [](auto& e, CaseRun& r) { return plain(e, double(r.model.lcdCol)); }},
        {"imageRows", [](auto& e, CaseRun& r) { return plain(e, double(r.model.imageRows)); }},
        {"blinkActive", [](auto& e, CaseRun& r) { return plain(e, r.model.blinkActive); }},
        {"blinkPhase", [](auto& e, CaseRun& r) { return plain(e, r.model.blinkPhase); }},
        {"timer1", [](auto& e, CaseRun& r) { return plain(e, r.canvas.timer1); }},
        {"autoRedraw", [](auto& e, CaseRun& r) { return plain(e, r.canvas.autoRedraw); }},
        {"drawText", [](auto& e, CaseRun& r) { return plain(e, r.canvas.drawnText()); }},
    };
    return checks;
}

// "draw": the whole list of operations; the report names the first that differs.
void compareDraw(const QJsonArray& expected, const RecordingCanvas& canvas, const std::string& where) {
    const std::vector<DrawOp>& ops = canvas.ops;
    const qsizetype common = std::min<qsizetype>(expected.size(), qsizetype(ops.size()));
    for (qsizetype i = 0; i < common; ++i) {
        const QJsonValue want = normalisedOp(expected[i]);
        const QJsonValue got = drawOpJson(ops[size_t(i)]);
        if (want != got) {
            ADD_FAILURE() << where << " key \"draw\": operation " << i << " differs\n  expected: " << shown(want)
                          << "\n  actual:   " << shown(got);
            return;
        }
    }
    if (expected.size() != qsizetype(ops.size())) {
        ADD_FAILURE() << where << " key \"draw\": " << expected.size() << " operations expected, " << ops.size()
                      << " drawn; first extra: "
                      << (qsizetype(ops.size()) > common ? shown(drawOpJson(ops[size_t(common)]))
                                                         : shown(normalisedOp(expected[common])));
    }
}

const QSet<QString> kCaseKeys{"about", "page",      "mode",       "text1", "files",           "before",
                              "width", "scrollTop", "blinkPhase", "ticks", "startBlinkPhase", "expect"};

std::optional<DisplayWidth> displayWidth(int lineChars) {
    for (const DisplayWidth& w : kDisplayWidths)
        if (w.lineChars == lineChars) return w;
    return std::nullopt;
}

class PageCases : public ::testing::TestWithParam<std::string> {
protected:
    QJsonObject load(const QString& relPath) {
        QFile file(casesRoot() + "/" + relPath);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relPath.toStdString() << ": cannot be read";
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError)
            << relPath.toStdString() << ": " << error.errorString().toStdString() << " at offset " << error.offset;
        return doc.object();
    }
};

// Files, display width and blink phase, then the requests and redraws of the case.
void runCase(const QJsonObject& c, CaseRun& run, const std::string& where) {
    const QString mode = c["mode"].toString("offline");
    ASSERT_TRUE(mode == "offline" || mode == "network") << where << " mode " << mode.toStdString();
    if (c.contains("width")) {
        const std::optional<DisplayWidth> w = displayWidth(c["width"].toInt());
        ASSERT_TRUE(w) << where << " no display width " << c["width"].toInt();
        run.model.setDisplayWidth(*w);
    }
    run.model.blinkPhase = c["startBlinkPhase"].toInt(0);  // as ticks on an earlier page left it
    const QJsonObject files = c["files"].toObject();
    for (auto it = files.begin(); it != files.end(); ++it) {
        const std::optional<QByteArray> bytes = fileContent(it.value().toObject());
        ASSERT_TRUE(bytes) << where << " file " << it.key().toStdString() << " needs \"bmp\" or \"bytes\"";
        ASSERT_TRUE(writeFile(run.site() + "/" + it.key(), *bytes));
    }

    // A network address that begins with "/" would be completed to "http:/...".
    const bool network = mode == "network";
    const QString address =
        run.withTmp(c["text1"].toString(network ? "file://<tmp>/site/page.txt" : "<tmp>/site/page.txt"));
    for (const QJsonValue& before : c["before"].toArray()) run.request(before.toString(), network, address);
    run.request(c["page"].toString(), network, address);

    if (c.contains("scrollTop") || c.contains("blinkPhase")) {
        run.model.scrollTop = c["scrollTop"].toInt(int(run.model.scrollTop));
        run.model.blinkPhase = c["blinkPhase"].toInt(run.model.blinkPhase);
        run.redraw();
    }
    for (int i = 0; i < c["ticks"].toInt(0); ++i) run.tick();
}

void compareKey(const QString& key, const QJsonValue& expected, CaseRun& run, const std::string& where) {
    if (key == "draw") return compareDraw(expected.toArray(), run.canvas, where);
    const auto check = keyChecks().find(key);
    if (check == keyChecks().end()) {
        ADD_FAILURE() << where << " unknown expect key \"" << key.toStdString() << "\"";
        return;
    }
    if (key == "menu") {
        const QJsonArray captions = expected.toArray();
        const bool wellFormed =
            captions.size() == 10 &&
            std::none_of(captions.begin(), captions.end(), [](const QJsonValue& v) { return v.toString().isEmpty(); });
        EXPECT_TRUE(wellFormed) << where << " \"menu\" needs ten non-empty captions";
    }
    const Compared result = check->second(expected, run);
    if (result.expected != result.actual)
        ADD_FAILURE() << where << " key \"" << key.toStdString() << "\"\n  expected: " << shown(result.expected)
                      << "\n  actual:   " << shown(result.actual);
}

TEST_P(PageCases, Run) {
    const std::string where = GetParam() + ":";
    const QJsonObject c = load(QString::fromStdString(GetParam()));
    ASSERT_TRUE(c.contains("page") && c["expect"].isObject()) << where << " needs \"page\" and \"expect\"";
    for (const QString& key : c.keys())
        ASSERT_TRUE(kCaseKeys.contains(key)) << where << " unknown key " << key.toStdString();

    CaseRun run;
    runCase(c, run, where);
    if (HasFatalFailure()) return;
    const QJsonObject expect = c["expect"].toObject();
    for (auto it = expect.begin(); it != expect.end(); ++it) compareKey(it.key(), it.value(), run, where);
}

INSTANTIATE_TEST_SUITE_P(PageCases, PageCases, ::testing::ValuesIn(caseFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return testName(info.param); });

}  // namespace
}  // namespace sumire::test
