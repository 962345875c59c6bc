#pragma once
// The page text as the scan passes see it: 1-based positions, exact token
// tests, and "next occurrence at or after p" searches. A search remembers its
// last answer, so the many searches of a pass that moves forward cost linear
// time in all, with the same answers as a plain search from p.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace sumire {

class ScanText {
public:
    explicit ScanText(QString text = {});

    const QString& text() const { return text_; }
    int64_t length() const { return text_.size(); }

    // The character at 1-based position p, or 0 outside the text.
    char16_t at(int64_t p) const { return p >= 1 && p <= length() ? text_[p - 1].unicode() : char16_t(0); }
    bool inside(int64_t p) const { return p >= 1 && p <= length(); }

    // True when `token` stands at p (and does not run past the end).
    bool startsWith(int64_t p, QStringView token) const;

    // 1-based position of the first `needle` at or after p, or 0.
    int64_t find(int64_t p, char16_t needle) const;
    int64_t find(int64_t p, QStringView needle) const;

    // Characters from p up to the next `delimiter`; false (nothing taken)
    // when the delimiter does not follow.
    bool textUpTo(int64_t p, char16_t delimiter, QString* out) const;

    // The character at p as a one-character text ("" outside the text).
    QString charText(int64_t p) const;

    // Code units looked at by searches and copied by textUpTo so far: the
    // scan's work, which must stay linear in the text's length.
    int64_t work() const { return work_; }

private:
    struct Memo {
        QString needle;
        int64_t from = 0;    // the search started here...
        int64_t found = -1;  // ...and found this (0: none); -1: no memo yet
    };
    int64_t remembered(Memo& memo, int64_t p, QStringView needle) const;

    QString text_;
    mutable std::vector<Memo> memos_;
    mutable int64_t work_ = 0;
};

}  // namespace sumire
