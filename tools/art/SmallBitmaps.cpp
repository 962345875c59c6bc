// The 16 x 16 edit-command bitmaps, as palette rows (see PixelArt.h).
#include "Artwork.h"
#include "PixelArt.h"

namespace sumire::tool {

QImage cutBitmap() {
    return pixelImage({
        "................",
        "....k.....k.....",
        "....k.....k.....",
        "....kd...dk.....",
        "....kk...kk.....",
        ".....k...k......",
        ".....kd.dk......",
        "......kdk.......",
        ".......k........",
        "......n.n.......",
        "....nnn.nnn.....",
        "...n..n.n..n....",
        "...n..n.n..n....",
        "...n..n.n..n....",
        "....nn...nn.....",
        "................",
    });
}

QImage copyBitmap() {
    return pixelImage({
        "................",
        ".kkkkkk.........",
        ".kwwwwkk........",
        ".kwnnwkwk.......",
        ".kwwwwkkkk......",
        ".kwnnnkkkkkk....",
        ".kwwwwkwwwwkk...",
        ".kwnnnkwnnwkwk..",
        ".kwwwwkwwwwkkkk.",
        ".kwnnnkwnnnnnwk.",
        ".kwwwwkwwwwwwwk.",
        ".kkkkkkwnnnnnwk.",
        "......kwwwwwwwk.",
        "......kwnnnnnwk.",
        "......kwwwwwwwk.",
        "......kkkkkkkkk.",
    });
}

QImage pasteBitmap() {
    return pixelImage({
        "................",
        ".....kkkk.......",
        ".kkkkswwskkkk...",
        "kobbksddskbbok..",
        "kobbbkkkkbbbok..",
        "kobbbbbbbbbbok..",
        "kobbbkkkkkkkkk..",
        "kobbbkwwwwwwwk..",
        "kobbbkwnnnnnwk..",
        "kobbbkwwwwwwwk..",
        "kobbbkwnnnnnwk..",
        "kobbbkwwwwwwwk..",
        "kobbbkwnnnnwwk..",
        "kobbbkwwwwwwwk..",
        ".kkkkkkkkkkkkk..",
        "................",
    });
}

QImage deleteBitmap() {
    return pixelImage({
        "................",
        "................",
        "..kk.......kk...",
        "..kkk.....kkk...",
        "...kkk...kkk....",
        "....kkk.kkk.....",
        ".....kkkkk......",
        "......kkk.......",
        ".....kkkkk......",
        "....kkk.kkk.....",
        "...kkk...kkk....",
        "..kkk.....kkk...",
        "..kk.......kk...",
        "................",
        "................",
        "................",
    });
}

}  // namespace sumire::tool
