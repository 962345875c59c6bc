#pragma once
// The 95 emoji tags (<#HEART> ... <#!!>); their characters are in
// PictographText.h.

#include "display/PictographText.h"

#include <QStringView>
#include <array>
#include <cstdint>

namespace sumire {

constexpr int kEmojiCount = kPictographCount;
extern const std::array<const char*, kEmojiCount> kEmojiNames;  // "HEART", ... "!!"
inline constexpr QStringView kEmojiTagStart = u"<#";            // then the name and ">"

// Code of the emoji tag standing at 0-based index `at` of `text` ("<#", the
// word, ">"), or -1.
int emojiTagAt(QStringView text, int64_t at);

}  // namespace sumire
