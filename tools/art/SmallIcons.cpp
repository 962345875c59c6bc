// The 16 x 16 icons, as palette rows (see PixelArt.h).
#include "SmallIcons.h"

#include "PixelArt.h"

namespace sumire::tool {

QImage networkSmall() {
    return pixelImage({
        "kkkkkkkk........",
        "kwwwwwdk........",
        "kwttttdk........",
        "kwttttdk........",
        "kddddddk........",
        "kkkkkkkk........",
        "..kkkk..kkkkkkkk",
        ".kwssdk.kwwwwwdk",
        ".kkkkkk.kwttttdk",
        "...k....kwttttdk",
        "...k....kddddddk",
        "...k....kkkkkkkk",
        "...k......kkkk..",
        "...kkkkkkkwssdk.",
        ".........kkkkkk.",
        "................",
    });
}

QImage offlineSmall() {
    return pixelImage({
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kwwwwwwwwwwwwk.",
        ".kwkkskkskkGsdk.",
        ".kwkkskkskksYdk.",
        ".kddddddddddddk.",
        ".kkkkkkkkkkkkkk.",
        "...RR..kk..RR...",
        "....RR.kk.RR....",
        ".....RRkkRR.....",
        "......RRRR......",
        ".....RRkkRR.....",
        "....RR.kk.RR....",
        "...RR.kkkk.RR...",
        "......kwsk......",
        "......kkkk......",
    });
}

QImage openSmall() {
    return pixelImage({
        "................",
        "................",
        "..kkkk..........",
        ".kyyyyk.........",
        "kyoooooykkkkk...",
        "kyoooooooooook..",
        "kyookkkkkkkkkkkk",
        "kyokyyyyyyyyyyk.",
        "kyokYYYYYYYYYYk.",
        "kokYYYYYYYYYYk..",
        "kokYYYYYYYYYYk..",
        "kkYYYYYYYYYYk...",
        "kkYYYYYYYYYYk...",
        "kkkkkkkkkkkk....",
        "................",
        "................",
    });
}

QImage redBookSmall() {
    return pixelImage({
        "................",
        "..kkkkkkkkkkk...",
        "..krRRRRRRRRk...",
        "..krRYYYYYRRk...",
        "..krRYRRRYRRk...",
        "..krRYYYYYRRk...",
        "..krRRRRRRRRk...",
        "..krRRRRRRRRk...",
        "..krRRRRRRRRk...",
        "..krRRRRRRRRk...",
        "..krRRRRRRRRk...",
        "..krkkkkkkkkk...",
        "..krwwwwwwwwk...",
        "..kkkkkkkkkkk...",
        ".........YY.....",
        ".........Y......",
    });
}

QImage bookShelfSmall() {
    return pixelImage({
        "................",
        "................",
        ".....kkk........",
        ".kkk.kgk........",
        ".knk.kgkkk......",
        ".knkkkgktk...kk.",
        ".kYkRkYktk..kpk.",
        ".knkRkgkYk..kpk.",
        ".knkRkgktk.kpk..",
        ".knkYkgktk.kpk..",
        ".knkRkgktkkpk...",
        ".knkRkYktkkpk...",
        ".kkkkkkkkkkkk...",
        "kOOOOOOOOOOOOOOk",
        "kbbbbbbbbbbbbbbk",
        ".kk..........kk.",
    });
}

QImage helpSmall() {
    return pixelImage({
        ".....kkkkkk.....",
        "...kkvvvvvvkk...",
        "..kVVvvwwvvvvk..",
        ".kVVvwwwwwwvvvk.",
        ".kVvvwwvvwwvvvk.",
        "kvvvvvvvvwwvvvvk",
        "kvvvvvvvwwvvvvvk",
        "kvvvvvvwwvvvvvvk",
        "kvvvvvvwwvvvvvvk",
        "kvvvvvvvvvvvvvvk",
        ".kvvvvvwwvvvvvk.",
        ".kvvvvvwwvvvvvk.",
        "..kvvvvvvvvvvk..",
        "...kkvvvvvvkk...",
        ".....kkkkkk.....",
        "................",
    });
}

QImage programSmall() {
    return pixelImage({
        "..........k.....",
        "..........k.....",
        "....kkkkkkk.....",
        "...kwsssssdk....",
        "...kwskkksdk....",
        "...kwkkkkkdk....",
        "...kwkhhhkdk....",
        "...kwkhhhkdk....",
        "...kwkkkkkdk....",
        "...kwsnnnsdk....",
        "...kwsssssdk....",
        "...kwkskskdk....",
        "...kwsssssdk....",
        "...kwkskskdk....",
        "...kwsssssdk....",
        "....kkkkkkk.....",
    });
}

}  // namespace sumire::tool
