#include "screens/ui/FontFit.h"

#include <QFontMetrics>

namespace velmora {

namespace {

bool Fits(const QFont& font, const FontSizes& sizes, std::span<const TextRoom> texts) {
    const QFontMetrics plain(font);
    if (sizes.tallest > 0 && plain.height() > sizes.tallest) {
        return false;
    }
    QFont boldFont = font;
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    for (const TextRoom& text : texts) {
        const QFontMetrics& metrics = text.bold ? bold : plain;
        if (metrics.horizontalAdvance(text.text) > text.room) {
            return false;
        }
    }
    return true;
}

} // namespace

QFont LargestFittingFont(QFont font, const FontSizes& sizes, std::span<const TextRoom> texts) {
    for (int size = sizes.largest; size >= sizes.smallest; --size) {
        for (const int stretch : {int{QFont::Unstretched}, int{sizes.narrow}}) {
            font.setPixelSize(size);
            font.setStretch(stretch);
            if (Fits(font, sizes, texts)) {
                return font;
            }
        }
    }
    return font;
}

} // namespace velmora
