#include "holdings/ui/HoldingsTableLayout.h"

#include "grid/ui/StringGrid.h"
#include "holdings/ui/CellNaming.h"
#include "screens/ui/ControlNames.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/ScreenWindow.h"
#include "sizing/ui/ViewMarks.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    QPushButton* button = NamedButton(parent, name, caption);
    button->setMinimumWidth(100);
    return button;
}

} // namespace

HoldingsTableParts CreateHoldingsGrids(QWidget& screen, Dialogs& dialogs, const char* caption) {
    const QString text = QString::fromLatin1(caption);
    screen.setWindowTitle(text);
    SetUpScreenWindow(screen, false);

    HoldingsTableParts parts;
    parts.errors = new NamedCellErrors(dialogs, &screen); // made first, goes first
    parts.titles = new StringGrid(dialogs, &screen);
    NameControl(*parts.titles, "StringGridTitles", text + QStringLiteral(" column titles"));
    parts.table = new StringGrid(*parts.errors, &screen);
    NameControl(*parts.table, "StringGridTable", text);
    return parts;
}

void LayOutHoldingsTableScreen(QWidget& screen, const HoldingsTableShape& shape,
                               HoldingsTableParts& parts) {
    parts.label = NamedLabel(&screen, shape.labelName, QString::fromLatin1(shape.labelText));
    parts.deleteLine = Button("btnDeleteLine", QStringLiteral("Delete Line"), &screen);
    parts.done = Button("btnReturnToMiscInput", QStringLiteral("Done"), &screen);

    auto* layout = new QVBoxLayout(&screen);
    layout->setSpacing(0);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(parts.titles, 0, Qt::AlignLeft);
    layout->addWidget(parts.table, 1, Qt::AlignLeft);
    layout->addSpacing(10);
    layout->addWidget(parts.label, 0, Qt::AlignLeft);
    layout->addSpacing(10);
    auto* buttons = new QHBoxLayout();
    buttons->addWidget(parts.deleteLine);
    buttons->addStretch(1);
    buttons->addWidget(parts.done);
    layout->addLayout(buttons);
    KeepInView(*parts.deleteLine);
    KeepInView(*parts.done);
    screen.resize(screen.sizeHint()); // known before the first showing, for centring
}

} // namespace velmora
