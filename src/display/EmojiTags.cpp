#include "display/EmojiTags.h"

#include <vector>

namespace sumire {

const std::array<const char*, kEmojiCount> kEmojiNames{
    "HEART",    "CLOCK",  "TELEPHONE", "CUP",      "STAR",   "VSEL",   "HSEL",      "DENPA",    "FINE",     "RAIN",
    "CLOUD",    "TEAR",   "SMILE",     "KISS",     "MELODY", "CAR",    "TRAIN",     "PLANE",    "BIKE",     "HOME",
    "BUIL",     "PEACE",  "DINNER",    "GLASS",    "CRY",    "TULIP",  "BASEBALL",  "BALL",     "PUNCH",    "THUNDER",
    "ANGRY",    "BEER",   "NOTE",      "PEN",      "DOKURO", "MAIL",   "NOSMOKING", "BELL",     "FLOWER",   "SPA",
    "MOON",     "FLAG",   "MASK",      "RECORD",   "MEAT",   "DOG",    "CAT",       "MONKEY",   "ELEPHANT", "TAKO",
    "NOODLE",   "MIC",    "PIKI",      "PIYOPIYO", "SLEEP",  "COFFEE", "TABACCO",   "AUAU",     "ONIGIRI",  "BAG",
    "UNCHI",    "TIE",    "SHIRT",     "SUIKA",    "ICE",    "BIKINI", "HASAMI",    "CHUSHA",   "MARINE",   "FROG",
    "BYEBYE",   "BHEART", "DIA",       "CLUBS",    "SPADE",  "CLIP",   "SNOWMAN",   "CAKE",     "APPLE",    "PRESENT",
    "MONEY",    "EXIT",   "DOOR",      "OYAJI",    "PHS",    "HOSHI",  "TICKET",    "LOVELOVE", "HIRAMEKI", "PETA",
    "NIKONIKO", "TENNIS", "MOVIE",     "SKI",      "!!",
};

namespace {

constexpr int kLongestName = 9;  // "TELEPHONE", "NOSMOKING"

// The tag names by length, for a lookup that compares only names of the
// word's length.
struct NamesByLength {
    std::array<std::vector<std::pair<QString, int>>, kLongestName + 1> names;
    NamesByLength() {
        for (int code = 0; code < kEmojiCount; ++code) {
            const QString name = QString::fromLatin1(kEmojiNames[code]);
            names[size_t(name.size())].push_back({name, code});
        }
    }
};

}  // namespace

int emojiTagAt(QStringView text, int64_t at) {
    if (at < 0 || at + kEmojiTagStart.size() + 1 > text.size() || !text.sliced(at).startsWith(kEmojiTagStart))
        return -1;
    static const NamesByLength table;
    // The word runs to the first ">"; tags are distinct, so at most one matches.
    const int64_t start = at + kEmojiTagStart.size();
    for (int64_t end = start; end < text.size() && end - start <= kLongestName; ++end) {
        if (text[end] != u'>') continue;
        const QStringView word = text.sliced(start, end - start);
        for (const auto& [name, code] : table.names[size_t(word.size())])
            if (word == name) return code;
        return -1;
    }
    return -1;
}

}  // namespace sumire
