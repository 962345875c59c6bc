#include "display/DisplayText.h"

#include "display/CellWidth.h"
#include "display/LcdRenderer.h"
#include "display/PictographText.h"
#include "display/WholePage.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace sumire {
namespace {

bool printsNothing(char16_t ch) { return ch < 0x20 || ch == 0x7F; }

void appendCharacter(QString& out, char16_t ch, PictographFallback fallback) {
    const int code = pictographCode(ch);
    if (code >= 0) {
        const PictographEquivalent& e = pictographEquivalent(code);
        out += fallback == PictographFallback::Emoji ? e.unicode : u'[' + e.name + u']';
    } else if (isPrivateUse(ch)) {
        out += unknownPictographText(ch);
    } else {
        out += QChar(ch);
    }
}

// Builds the text from the printed cells in page order. Rows and the spaces
// before a character are written only when a character comes. A surrogate pair is written where its high
// half stands, also when the LCD wraps the line between the halves.
class TextWriter {
public:
    explicit TextWriter(PictographFallback fallback) : fallback_(fallback) {}

    void put(int64_t row, int64_t cell, char16_t ch) {
        if (QChar::isLowSurrogate(ch) && high_) {
            out_ += QChar(high_);
            out_ += QChar(ch);
            high_ = 0;
            // On a row of its own the low half leaves its cell empty.
            if (row == row_) nextCell_ = cell + 1;
            return;
        }
        flushHigh();
        moveTo(row, cell);
        if (QChar::isHighSurrogate(ch)) high_ = ch;
        else if (QChar::isLowSurrogate(ch)) out_ += QChar(QChar::ReplacementCharacter);
        else appendCharacter(out_, ch, fallback_);
        nextCell_ = cell + cellWidth(ch);
    }

    // A line of its own at the start of `row`, unless the row has text.
    void putLine(int64_t row, const QString& line) {
        if (row < row_ || (row == row_ && nextCell_ > 0)) return;
        flushHigh();
        moveTo(row, 0);
        out_ += line;
        nextCell_ = 1;
    }

    QString finish() {
        flushHigh();
        return out_;
    }

private:
    void flushHigh() {
        if (high_) out_ += QChar(QChar::ReplacementCharacter);
        high_ = 0;
    }
    void moveTo(int64_t row, int64_t cell) {
        if (row > row_) {
            out_ += QString(qsizetype(row - row_), QChar(u'\n'));
            row_ = row;
            nextCell_ = 0;
        }
        if (cell > nextCell_) out_ += QString(qsizetype(cell - nextCell_), QChar(u' '));
    }

    PictographFallback fallback_;
    QString out_;
    int64_t row_ = 0, nextCell_ = 0;
    char16_t high_ = 0;
};

// Hands the printed characters to the writer a row at a time. DrawLcd's rows
// only grow; within a row a lone carriage return goes back to its start, so
// a row is put in cell order first, the later character of a cell kept.
class TextCanvas : public LcdCanvas {
public:
    TextCanvas(const PageModel& model, TextWriter& writer, PictureText pictureText)
        : model_(model),
          charWidth_(model.charWidth),
          lineHeight_(model.lineHeight),
          writer_(writer),
          pictureText_(pictureText) {}
    void box(int, int, int, int, int) override {}
    void frame(int, int, int, int, int) override {}
    void text(int64_t x, int64_t y, char16_t code, int) override {
        // An unprinted character leaves what its cell shows.
        if (printsNothing(code)) return;
        const int64_t row = (y - kTextTop) / lineHeight_;
        if (row != row_) flushRow();
        row_ = row;
        const int64_t cell = (x - kTextLeft) / charWidth_;
        if (!cells_.empty() && cell <= cells_.back().first) backwards_ = true;
        cells_.push_back({cell, code});
    }
    void blt(int slot, int64_t, int64_t y, int64_t, int64_t) override {
        if (pictureText_ == PictureText::None || slot < 0 || slot >= kAttachEntries) return;
        const int64_t row = std::max<int64_t>(0, imageRowAt(y, lineHeight_));
        flushRow();
        writer_.putLine(row, QStringLiteral("[画像 %1]").arg(model_.attachNames[size_t(slot)]));
    }

    void flushRow() {
        if (backwards_) {
            std::stable_sort(cells_.begin(), cells_.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            // Of the characters printed into one cell the last one stays.
            std::vector<std::pair<int64_t, char16_t>> kept;
            for (const auto& c : cells_) {
                if (!kept.empty() && kept.back().first == c.first) kept.back() = c;
                else kept.push_back(c);
            }
            cells_.swap(kept);
        }
        for (const auto& [cell, ch] : cells_) writer_.put(row_, cell, ch);
        cells_.clear();
        backwards_ = false;
    }

private:
    const PageModel& model_;
    int charWidth_, lineHeight_;
    TextWriter& writer_;
    PictureText pictureText_;
    int64_t row_ = 0;
    std::vector<std::pair<int64_t, char16_t>> cells_;
    bool backwards_ = false;
};

}  // namespace

QString displayText(const PageModel& model, const PictureSlots& pictures, PictographFallback fallback,
                    PictureText pictureText) {
    TextWriter writer(fallback);
    TextCanvas canvas(model, writer, pictureText);
    DrawWholePage(model, pictures, canvas);
    canvas.flushRow();
    return writer.finish();
}

}  // namespace sumire
