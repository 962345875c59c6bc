#include "display/PictographText.h"

#include <array>

namespace sumire {
namespace {

const char16_t* const kNames[kEmojiCount] = {
    u"ハート",
    u"時計",
    u"電話",
    u"カップ",
    u"星（＊）",
    u"上下",
    u"左右",
    u"電波",
    u"晴れ",
    u"雨",
    u"曇",
    u"涙",
    u"笑顔",
    u"口",
    u"メロディ",
    u"車",
    u"電車",
    u"飛行機",
    u"バイク",
    u"家",
    u"ビル",
    u"ピース",
    u"ディナー",
    u"グラス",
    u"泣く",
    u"チューリップ",
    u"野球",
    u"ボール",
    u"パンチ",
    u"雷",
    u"怒った顔",
    u"ビール",
    u"ノート",
    u"ペン",
    u"ドクロ",
    u"メール",
    u"禁煙",
    u"ベル",
    u"花",
    u"温泉",
    u"月",
    u"旗",
    u"マスク",
    u"レコード",
    u"肉",
    u"犬",
    u"猫",
    u"猿",
    u"象",
    u"たこ",
    u"ヌードル",
    u"マイク",
    u"むかっ（怒り）",
    u"ひよこ",
    u"眠り顔",
    u"コーヒー",
    u"タバコ",
    u"汗",
    u"おにぎり",
    u"カバン",
    u"うんち",
    u"ネクタイ",
    u"シャツ",
    u"すいか",
    u"カキ氷",
    u"ビキニ",
    u"はさみ",
    u"注射",
    u"船",
    u"かえる",
    u"バイバイ",
    u"失恋",
    u"ダイヤ",
    u"クローバー",
    u"スペード",
    u"クリップ",
    u"雪だるま",
    u"ケーキ",
    u"りんご",
    u"プレゼント",
    u"お金",
    u"出口",
    u"入り口",
    u"おやじ",
    u"PHS",
    u"星",
    u"チケット",
    u"複数ハート",
    u"ひらめき",
    u"足跡",
    u"笑顔",
    u"テニス",
    u"映画",
    u"スキー",
    u"!!",
};

std::array<PictographEquivalent, kEmojiCount> build() {
    std::array<PictographEquivalent, kEmojiCount> table;
    for (int c = 0; c < kEmojiCount; ++c)
        table[c] = {QStringLiteral("<#%1>").arg(QLatin1String(kEmojiNames[c])), QStringLiteral("\u3013"),
                    QString::fromUtf16(kNames[c])};
    return table;
}

}  // namespace

const PictographEquivalent& pictographEquivalent(int code) {
    static const std::array<PictographEquivalent, kEmojiCount> table = build();
    static const PictographEquivalent none;
    return code >= 0 && code < kEmojiCount ? table[code] : none;
}

}  // namespace sumire
