#include "automation/ScriptText.h"

namespace sumire {
namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// Four hexadecimal digits from `at`, exactly; -1 otherwise.
int codeUnitAt(const QString& text, qsizetype at) {
    if (at + 4 > text.size()) return -1;
    int code = 0;
    for (qsizetype k = at; k < at + 4; ++k) {
        const int digit = hexDigit(text[k]);
        if (digit < 0) return -1;
        code = code * 16 + digit;
    }
    return code;
}

}  // namespace

std::optional<QString> unescapeScriptText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        if (++i >= text.size()) return std::nullopt;
        switch (text[i].unicode()) {
        case u'r': out += u'\r'; break;
        case u'n': out += u'\n'; break;
        case u't': out += u'\t'; break;
        case u'\\': out += u'\\'; break;
        case u'u': {
            const int code = codeUnitAt(text, i + 1);
            if (code < 0) return std::nullopt;
            out += QChar(char16_t(code));
            i += 4;
            break;
        }
        default: return std::nullopt;
        }
    }
    return out;
}

std::pair<QString, QString> splitFirst(const QString& s) {
    const qsizetype space = s.indexOf(u' ');
    if (space < 0) return {s, QString()};
    return {s.left(space), s.mid(space + 1)};
}

}  // namespace sumire
