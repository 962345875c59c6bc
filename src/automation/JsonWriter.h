#pragma once
// A JSON writer that keeps keys in the order they are written, for the
// automation dump (whose key order is fixed). Output is one line of UTF-8.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace sumire {

class JsonWriter {
public:
    JsonWriter& beginObject() { return open('{'); }
    JsonWriter& endObject() { return close('}'); }
    JsonWriter& beginArray() { return open('['); }
    JsonWriter& endArray() { return close(']'); }
    JsonWriter& key(const QString& name);

    JsonWriter& value(const QString& text) { return raw(quote(text)); }
    JsonWriter& value(const char* text) { return value(QString::fromUtf8(text)); }
    JsonWriter& value(bool flag) { return raw(flag ? "true" : "false"); }
    JsonWriter& value(int64_t number) { return raw(QByteArray::number(qlonglong(number))); }
    JsonWriter& value(int number) { return value(int64_t(number)); }
    JsonWriter& null() { return raw("null"); }

    // Convenience: "name": value.
    template <typename T>
    JsonWriter& field(const QString& name, const T& v) {
        key(name);
        return value(v);
    }
    JsonWriter& stringArray(const QStringList& items);

    const QByteArray& text() const { return out_; }

    // A JSON string literal: quote, backslash and control characters escaped,
    // private-use characters and unpaired surrogates written as \uXXXX.
    static QByteArray quote(const QString& text);

private:
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);
    void beforeValue();
    JsonWriter& raw(const QByteArray& text);  // a value written as it is
    QByteArray out_;
    std::vector<bool> first_;  // per open container: nothing written yet
    bool afterKey_ = false;
};

}  // namespace sumire
