#include "platform/fonts.h"

#include <cmath>

namespace {

struct FontFace {
    const char* family;
    bool bold;
};

// Index = font number: Lucida Grande, Lucida Sans Typewriter Bold, Lucida
// Sans Typewriter, Lucida Grande Bold, Geneva, Arial Bold, Helvetica,
// Helvetica Bold. The wide sans faces become DejaVu Sans, the narrower
// Helvetica and Arial DejaVu Sans Condensed (so the header labels fit the
// places measured for them), typewriter faces DejaVu Sans Mono; each keeps
// its weight.
constexpr FontFace kFaces[] = {
    {nullptr, false},
    {"DejaVu Sans", false},
    {"DejaVu Sans Mono", true},
    {"DejaVu Sans Mono", false},
    {"DejaVu Sans", true},
    {"DejaVu Sans", false},
    {"DejaVu Sans Condensed", true},
    {"DejaVu Sans Condensed", false},
    {"DejaVu Sans Condensed", true},
};

} // namespace

QFont ProgramFont(int fontNum, float size)
{
    // The system font of the fixed layouts is Lucida Grande, never the
    // desktop's, so a larger desktop font cannot push a text out of its place.
    if (fontNum <= 0 || fontNum >= int(std::size(kFaces))) fontNum = 1;
    QFont font(QString::fromLatin1(kFaces[fontNum].family));
    font.setBold(kFaces[fontNum].bold);
    font.setPixelSize(std::max(1, int(std::lround(size))));
    font.setStyleHint(fontNum == 2 || fontNum == 3 ? QFont::TypeWriter : QFont::SansSerif);
    return font;
}
