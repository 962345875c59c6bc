#pragma once
// The 95 emoji tags (<#HEART> ... <#!!>) and their pictograph characters.

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

namespace sumire {

constexpr int kEmojiCount = 95;
extern const std::array<const char*, kEmojiCount> kEmojiNames;  // "HEART", ... "!!"

// The private-use character that stands for pictograph `code` in the display
// text: code page 932 0xF040 + code; code 63, which code page 932 does not
// assign, becomes U+E05E.
char16_t pictographChar(int code);
// The code of a pictograph character, or -1.
int pictographCode(char16_t ch);

// Code of the emoji tag standing at 0-based index `at` of `text` ("<#", the
// word, ">"), or -1.
int emojiTagAt(QStringView text, int64_t at);

}  // namespace sumire
