#pragma once
// The pages shown since the program started, for going back and forward as
// in a web browser. An address of network mode is requested again; an
// offline page keeps the text it was shown with.

#include <QString>

#include <deque>
#include <optional>

namespace sumire {

struct HistoryEntry {
    bool network = true;
    QString address;  // Text1 as the page was shown
    QString source;   // Text2 of an offline page; empty in network mode
    bool operator==(const HistoryEntry&) const = default;
};

class PageHistory {
public:
    static constexpr int kMaxEntries = 100;
    // Offline texts kept in all, in characters: the oldest entries go first
    // when more would be held.
    static constexpr qsizetype kMaxSourceChars = 32 * 1024 * 1024;

    // A page was shown: it follows the current entry and becomes current.
    // The entries ahead are dropped; the same page again adds nothing.
    void shown(HistoryEntry entry);
    // The entry before or after the current one, which becomes current;
    // nothing at either end.
    std::optional<HistoryEntry> back();
    std::optional<HistoryEntry> forward();

    // All entries and the current one's index (-1 when none), to carry the
    // history over to a rebuilt window; restore() takes them back.
    const std::deque<HistoryEntry>& entries() const { return entries_; }
    int current() const { return current_; }
    void restore(const std::deque<HistoryEntry>& entries, int current);

    int backCount() const { return current_ < 0 ? 0 : current_; }
    int forwardCount() const { return current_ < 0 ? 0 : int(entries_.size()) - 1 - current_; }

private:
    void dropOldest();

    std::deque<HistoryEntry> entries_;
    int current_ = -1;
    qsizetype sourceChars_ = 0;
};

}  // namespace sumire
