#include "app/PlaceholderScreen.h"

#include "app/Shell.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

PlaceholderScreen::PlaceholderScreen(Shell& shell, const QString& caption) : shell_(shell) {
    setWindowTitle(caption);
    auto* note = new QLabel(QStringLiteral("This screen is not available in this version."), this);
    note->setObjectName("lblNote");
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName("btnDone");
    done->setAccessibleName(done->text());
    done->setAccessibleDescription(done->objectName());
    connect(done, &QPushButton::clicked, this, &PlaceholderScreen::btnDoneClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(done, 0, Qt::AlignHCenter);
    resize(420, 160);
}

void PlaceholderScreen::btnDoneClick() {
    shell_.Show(Screen::DataInput);
}

} // namespace velmora
