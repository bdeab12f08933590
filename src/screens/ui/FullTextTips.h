#pragma once
// Texts too long for their place: a grid cell or a box whose text does not fit
// its width shows the whole text as a tooltip when the mouse rests on it. A
// cell or box with a tooltip of its own keeps it.

class QWidget;

namespace velmora {

// Gives every grid and single-line box inside `window` the tooltips.
void ShowFullTextTips(QWidget& window);

} // namespace velmora
