#include "automation/JsonWriter.h"

namespace sumire {
namespace {

void appendEscape(QByteArray& out, char16_t unit) {
    static const char hex[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += hex[(unit >> shift) & 0xF];
}

bool isPrivateUse(char16_t unit) { return unit >= 0xE000 && unit <= 0xF8FF; }

}  // namespace

QByteArray JsonWriter::quote(const QString& text) {
    QByteArray out = "\"";
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u == u'"') {
            out += "\\\"";
        } else if (u == u'\\') {
            out += "\\\\";
        } else if (u < 0x20 || isPrivateUse(u)) {
            appendEscape(out, u);
        } else if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            out += text.mid(i, 2).toUtf8();
            ++i;
        } else if (QChar::isSurrogate(u)) {
            appendEscape(out, u);  // unpaired: has no UTF-8 form
        } else {
            out += QString(QChar(u)).toUtf8();
        }
    }
    out += '"';
    return out;
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!first_.empty()) {
        if (!first_.back()) out_ += ',';
        first_.back() = false;
    }
}

JsonWriter& JsonWriter::open(char bracket) {
    beforeValue();
    out_ += bracket;
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
    out_ += bracket;
    first_.pop_back();
    return *this;
}

JsonWriter& JsonWriter::key(const QString& name) {
    beforeValue();
    out_ += quote(name);
    out_ += ':';
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::raw(const QByteArray& text) {
    beforeValue();
    out_ += text;
    return *this;
}

JsonWriter& JsonWriter::stringArray(const QStringList& items) {
    beginArray();
    for (const QString& item : items) value(item);
    return endArray();
}

}  // namespace sumire
