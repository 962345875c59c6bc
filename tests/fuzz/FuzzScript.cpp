// The automation script reader over arbitrary text: splitting a line into its
// words and undoing the escapes of `set` text. Escaping any text and reading
// it back must give the text again.

#include "automation/ScriptText.h"

#include <QString>
#include <QStringList>

namespace {

QString escaped(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == u'\\') out += "\\\\";
        else if (c.unicode() < 0x20 || c.isSurrogate() || c.unicode() >= 0xE000)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else out += c;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(data), qsizetype(size / 2));
    for (const QString& line : text.split(u'\n')) {
        const auto [verb, rest] = sumire::splitFirst(line);
        if (verb.contains(u' ') || (!rest.isEmpty() && verb + u' ' + rest != line)) __builtin_trap();
        (void)sumire::unescapeScriptText(rest);
    }
    if (sumire::unescapeScriptText(escaped(text)) != text) __builtin_trap();
    return 0;
}
