#include "display/DisplayText.h"

#include "display/LcdRenderer.h"
#include "display/PictographText.h"
#include "display/WholePage.h"

#include <QStringList>
#include <map>

namespace sumire {
namespace {

class RowText : public LcdCanvas {
public:
    RowText(const PageModel& m, PictographFallback f) : m_(m), fallback_(f) {}
    void box(int, int, int, int, int) override {}
    void frame(int, int, int, int, int) override {}
    void text(int64_t, int64_t y, char16_t code, int) override {
        if (code < 0x20 || code == 0x7F) return;
        QString& row = rows[(y - kTextTop) / m_.lineHeight];
        const int c = pictographCode(code);
        if (c < 0) row += QChar(code);
        else if (fallback_ == PictographFallback::Emoji) row += pictographEquivalent(c).unicode;
        else row += u'[' + pictographEquivalent(c).name + u']';
    }
    void blt(int, int64_t, int64_t, int64_t, int64_t) override {}
    void setTimer1Enabled(bool) override {}
    void setAutoRedraw(bool) override {}
    std::map<int64_t, QString> rows;

private:
    const PageModel& m_;
    PictographFallback fallback_;
};

}  // namespace

QString displayText(const PageModel& model, const PictureSlots& pictures, PictographFallback fallback) {
    RowText canvas(model, fallback);
    const int64_t rows = pageRowCount(model, pictures);
    DrawWholePage(model, pictures, canvas);
    QStringList lines;
    for (int64_t r = 0; r < rows; ++r) lines << canvas.rows[r];
    return lines.join(u'\n');
}

}  // namespace sumire
