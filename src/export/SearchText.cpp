#include "export/SearchText.h"

#include "display/CellWidth.h"
#include "display/DiscardingCanvas.h"
#include "display/LcdRenderer.h"
#include "display/PictographText.h"
#include "display/WholePage.h"

#include <QSet>

namespace sumire {
namespace {

// The characters DrawLcd prints, in page order. A row the LCD filled goes on
// into the next without a space, so a word it wrapped is one word again; a
// line break, a skipped cell or a picture between rows is a space.
class SearchCanvas : public DiscardingCanvas {
public:
    explicit SearchCanvas(const PageModel& m) : m_(m) {}
    void text(int64_t x, int64_t y, char16_t code, int) override {
        if (drawsNothing(code)) return;
        const int64_t row = (y - kTextTop) / m_.lineHeight, cell = (x - kTextLeft) / m_.charWidth;
        const bool wrapped = row == row_ + 1 && end_ >= m_.lineChars - 1 && cell == 0;
        if ((row != row_ && !wrapped) || (row == row_ && cell != end_)) text_ += u' ';
        row_ = row;
        end_ = cell + cellWidth(code);
        const int pictograph = pictographCode(code);
        if (pictograph >= 0) text_ += pictographEquivalent(pictograph).unicode;
        else if (isPrivateUse(code)) text_ += unknownPictographText(code);
        else text_ += QChar(code);
    }
    QString text_;

private:
    const PageModel& m_;
    int64_t row_ = 0, end_ = 0;
};

}  // namespace

QString distinctWords(const QString& text) {
    const QString all = text.normalized(QString::NormalizationForm_KC).toLower().simplified();
    QSet<QStringView> seen;
    QString words;
    for (const QStringView word : QStringView(all).split(u' ', Qt::SkipEmptyParts)) {
        if (words.size() >= kSearchTextChars) break;
        if (seen.contains(word)) continue;
        seen.insert(word);
        if (!words.isEmpty()) words += u' ';
        words += word;
    }
    words.truncate(kSearchTextChars);
    return words;
}

QString searchText(const PageModel& model, const PictureSlots& pictures) {
    // The pictographs' names first, so that a page cut short keeps them.
    QString text;
    QSet<int> seen;
    for (const QChar c : model.lcdText) {
        const int code = pictographCode(c.unicode());
        if (code < 0 || seen.contains(code)) continue;
        seen.insert(code);
        const PictographEquivalent& e = pictographEquivalent(code);
        text += e.unicode + u' ' + e.name + u' ' + e.tag.mid(2, e.tag.size() - 3) + u' ';
    }
    SearchCanvas canvas(model);
    DrawWholePage(model, pictures, canvas);
    return distinctWords(text + canvas.text_);
}

}  // namespace sumire
