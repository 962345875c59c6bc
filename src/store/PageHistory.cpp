#include "store/PageHistory.h"

#include <algorithm>

namespace sumire {

void PageHistory::shown(HistoryEntry entry) {
    if (current_ >= 0 && entries_[size_t(current_)] == entry) return;
    while (int(entries_.size()) > current_ + 1) {
        sourceChars_ -= entries_.back().source.size();
        entries_.pop_back();
    }
    sourceChars_ += entry.source.size();
    entries_.push_back(std::move(entry));
    current_ = int(entries_.size()) - 1;
    while (int(entries_.size()) > kMaxEntries || (sourceChars_ > kMaxSourceChars && current_ > 0)) dropOldest();
}

void PageHistory::restore(const std::deque<HistoryEntry>& entries, int current) {
    entries_.clear();
    sourceChars_ = 0;
    current_ = -1;
    for (const HistoryEntry& entry : entries) shown(entry);
    const int dropped = int(entries.size()) - int(entries_.size());  // the oldest go past the limits
    current_ = entries_.empty() ? -1 : std::clamp(current - dropped, 0, int(entries_.size()) - 1);
}

void PageHistory::dropOldest() {
    sourceChars_ -= entries_.front().source.size();
    entries_.pop_front();
    --current_;
}

std::optional<HistoryEntry> PageHistory::back() {
    if (backCount() == 0) return std::nullopt;
    return entries_[size_t(--current_)];
}

std::optional<HistoryEntry> PageHistory::forward() {
    if (forwardCount() == 0) return std::nullopt;
    return entries_[size_t(++current_)];
}

}  // namespace sumire
