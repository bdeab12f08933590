#pragma once
// The largest font that fits: the type size at which every one of a set of
// texts fits the room it has on the screen, on a machine whose fonts may be
// wider than the screen was drawn for.

#include <QFont>
#include <QString>
#include <span>

namespace velmora {

// A text and the widest it may be drawn, in pixels.
struct TextRoom {
    QString text;
    int room;
    bool bold = false; // drawn in the bold face of the font
};

struct FontSizes {
    int largest;           // pixel size tried first
    int smallest;          // pixel size tried last
    QFont::Stretch narrow; // the face tried at each size after the unstretched one
    int tallest = 0;       // the highest a line of the font may be, in pixels; 0: any height
};

// `font` at the first pixel size, from sizes.largest down to sizes.smallest,
// and the first stretch, unstretched then sizes.narrow, at which every text
// fits its room and a line fits sizes.tallest. When none does, the last one
// tried; when none is tried (largest below smallest), `font` as it is.
QFont LargestFittingFont(QFont font, const FontSizes& sizes, std::span<const TextRoom> texts);

} // namespace velmora
