#include "display/PictographText.h"

#include <QStringList>
#include <array>

namespace sumire {
namespace data {
// pictograph-equivalents.tsv, compiled in by the build.
extern const char kEquivalentsTsv[];
}  // namespace data

namespace {

constexpr char16_t kFirstPictograph = 0xE000;

// The table's rows in code order. A row that does not parse leaves its entry
// empty, which the table's own test reports.
std::array<PictographEquivalent, kPictographCount> readTable() {
    std::array<PictographEquivalent, kPictographCount> table;
    const QStringList lines = QString::fromUtf8(data::kEquivalentsTsv).split(u'\n');
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QStringList fields = line.split(u'\t');
        bool isCode = false;
        const int code = fields.value(0).toInt(&isCode);
        if (!isCode || code < 0 || code >= kPictographCount || fields.size() != 5) continue;
        table[size_t(code)] = {fields[1], fields[2], fields[4]};
    }
    return table;
}

}  // namespace

char16_t pictographChar(int code) {
    return code >= 0 && code < kPictographCount ? char16_t(kFirstPictograph + code) : 0;
}

int pictographCode(char16_t ch) {
    const int code = int(ch) - kFirstPictograph;
    return code >= 0 && code < kPictographCount ? code : -1;
}

const PictographEquivalent& pictographEquivalent(int code) {
    static const std::array<PictographEquivalent, kPictographCount> table = readTable();
    static const PictographEquivalent none;
    return code >= 0 && code < kPictographCount ? table[size_t(code)] : none;
}

QString unknownPictographText(char16_t ch) {
    return QStringLiteral("[U+%1]").arg(int(ch), 4, 16, QChar(u'0')).toUpper();
}

}  // namespace sumire
