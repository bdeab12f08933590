#pragma once
// The line edit of a cell being edited. After the text it shows, in a faint
// colour, one "_" for each required position of the cell's edit mask that the
// text leaves unfilled ("_" in an empty Yes/No cell), so that the form of the
// cell is seen before it is typed; a number cell, which fills its own zeros,
// shows none. The marks are painted, never part of the text.

#include "grid/EditMask.h"

#include <QLineEdit>

namespace velmora {

class CellEditor : public QLineEdit {
public:
    CellEditor(const EditMask& mask, QWidget* parent);

    // The marks shown after the text now: "" when every required position is
    // filled or the text does not fit the mask.
    QString Unfilled() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    EditMask mask_;
};

} // namespace velmora
