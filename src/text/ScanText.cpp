#include "text/ScanText.h"

namespace sumire {

ScanText::ScanText(QString text) : text_(std::move(text)) {}

bool ScanText::startsWith(int64_t p, QStringView token) const {
    if (p < 1 || p - 1 + token.size() > length()) return false;
    return QStringView(text_).sliced(p - 1, token.size()) == token;
}

int64_t ScanText::remembered(Memo& memo, int64_t p, QStringView needle) const {
    // The memo says: no needle in [from, found), and needle at found (or none
    // at all after from when found is 0). Any p in [from, found] gets the same
    // answer without looking again.
    if (memo.found >= 0 && p >= memo.from && (memo.found == 0 || p <= memo.found)) return memo.found;
    int64_t at = -1;
    if (p >= 1 && p <= length()) {
        at = text_.indexOf(needle, p - 1);
        work_ += (at < 0 ? length() : at + needle.size()) - (p - 1);
    }
    memo.from = p;
    memo.found = at < 0 ? 0 : at + 1;
    return memo.found;
}

int64_t ScanText::find(int64_t p, QStringView needle) const {
    if (p < 1) p = 1;
    for (Memo& memo : memos_)
        if (memo.needle == needle) return remembered(memo, p, needle);
    memos_.push_back(Memo{needle.toString()});
    return remembered(memos_.back(), p, needle);
}

int64_t ScanText::find(int64_t p, char16_t needle) const {
    const QChar c(needle);
    return find(p, QStringView(&c, 1));
}

bool ScanText::textUpTo(int64_t p, char16_t delimiter, QString* out) const {
    const int64_t at = find(p, delimiter);
    if (at == 0 || p < 1) return false;
    *out = text_.mid(p - 1, at - p);
    work_ += at - p;
    return true;
}

QString ScanText::charText(int64_t p) const { return inside(p) ? QString(text_[p - 1]) : QString(); }

}  // namespace sumire
