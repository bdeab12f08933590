#include "holdings/ui/HoldingsTableLayout.h"

#include "screens/ui/ControlNames.h"
#include "screens/ui/Dialogs.h"
#include "screens/ui/ScreenWindow.h"
#include "grid/ui/StringGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    NameControl(*button, name, PlainCaption(caption));
    button->setMinimumWidth(100);
    return button;
}

} // namespace

HoldingsTableParts CreateHoldingsGrids(QWidget& screen, Dialogs& dialogs, const char* caption) {
    const QString text = QString::fromLatin1(caption);
    screen.setWindowTitle(text);
    SetUpScreenWindow(screen, false);

    HoldingsTableParts parts;
    parts.titles = new StringGrid(dialogs, &screen);
    NameControl(*parts.titles, "StringGridTitles", text + QStringLiteral(" column titles"));
    parts.table = new StringGrid(dialogs, &screen);
    NameControl(*parts.table, "StringGridTable", text);
    return parts;
}

void LayOutHoldingsTableScreen(QWidget& screen, const HoldingsTableShape& shape,
                               HoldingsTableParts& parts) {
    const QString labelText = QString::fromLatin1(shape.labelText);
    parts.label = new QLabel(labelText, &screen);
    NameControl(*parts.label, shape.labelName, labelText);
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
    screen.resize(screen.sizeHint()); // known before the first showing, for centring
}

} // namespace velmora
