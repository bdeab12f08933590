#include "sizing/ui/DialogFit.h"

#include "screens/ui/ScreenWindow.h"

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace velmora {

namespace {

// A line of a message as wide as this many average characters reads well.
constexpr int kLineCharacters = 50;
// Smaller steps than this many tries are never needed between 250 % and 100 %.
constexpr int kMostSteps = 12;
// The widest, in pixels, that a message box makes itself before it wraps its text.
constexpr int kOwnWrap = 500;

// Gives `dialog` a type one step smaller; false when it already has the
// application's own size for it, below which it never goes.
bool Shrink(QDialog& dialog) {
    const int least = QFontInfo(QApplication::font(&dialog)).pixelSize();
    const int now = QFontInfo(dialog.font()).pixelSize();
    if (now <= least) {
        return false;
    }
    QFont font = dialog.font();
    font.setPixelSize(std::max(least, now * 9 / 10));
    dialog.setFont(font);
    return true;
}

// What a message box needs beside its text: the layout's margins and the icon.
int MessageChrome(const QMessageBox& box) {
    int chrome = 0;
    if (const QLayout* layout = box.layout()) {
        const QMargins margins = layout->contentsMargins();
        chrome += margins.left() + margins.right();
    }
    const auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
    if (icon != nullptr && !icon->pixmap().isNull()) {
        chrome += icon->sizeHint().width() +
                  box.style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing, nullptr, &box) +
                  box.fontMetrics().averageCharWidth();
    }
    return chrome;
}

// Lets each text of the box that is longer than a readable line wrap at that
// line's width, or at the widest the free area holds; returns the box's width.
int WrapMessage(QMessageBox& box, const QSize& room) {
    const int chrome = MessageChrome(box);
    int widest = 0;
    for (const char* name : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
        auto* label = box.findChild<QLabel*>(QLatin1String(name));
        if (label == nullptr) {
            continue;
        }
        const int line = std::min(label->fontMetrics().averageCharWidth() * kLineCharacters,
                                  std::max(1, room.width() - chrome));
        label->setMinimumWidth(0);
        label->setWordWrap(false);
        const int whole = label->sizeHint().width();
        // The box wraps a long text by itself at this width, at the most; it
        // is left to do so where that gives lines of a readable length.
        const int own = std::min(box.screen()->availableGeometry().width() / 2, kOwnWrap) - chrome;
        if (whole > own && line > own) {
            label->setMinimumWidth(std::min(line, whole));
            label->setWordWrap(true);
        }
        widest = std::max(widest, std::min(whole, std::max(line, own)));
    }
    return chrome + widest;
}

// The height of the box at `width`, as its layout lays it out.
int MessageHeight(QMessageBox& box, int width) {
    QLayout* layout = box.layout();
    if (layout == nullptr) {
        return box.sizeHint().height();
    }
    layout->invalidate();
    return layout->hasHeightForWidth() ? layout->totalHeightForWidth(width)
                                       : layout->totalMinimumSize().height();
}

} // namespace

void FitDialogToDesktop(QDialog& dialog) {
    auto* box = qobject_cast<QMessageBox*>(&dialog);
    if (box == nullptr) {
        return; // fitted as it shows, once it has the size it asks for
    }
    const QSize room = FreeRoom(dialog);
    for (int step = 0; step < kMostSteps; ++step) {
        const int width = WrapMessage(*box, room);
        if (MessageHeight(*box, width) <= room.height() || !Shrink(dialog)) {
            break;
        }
    }
    // What the measures of the box's chrome missed (a pixel or two of its
    // layout) comes off the wrapped text's width.
    if (QLayout* layout = box->layout()) {
        layout->invalidate();
        const int over = layout->totalMinimumSize().width() - room.width();
        for (const char* name : {"qt_msgbox_label", "qt_msgbox_informativelabel"}) {
            auto* label = box->findChild<QLabel*>(QLatin1String(name));
            if (over > 0 && label != nullptr && label->wordWrap() && label->minimumWidth() > over) {
                label->setMinimumWidth(label->minimumWidth() - over);
            }
        }
    }
}

void KeepDialogOnDesktop(QDialog& dialog) {
    // A message box sizes itself as it shows, from its wrapped text. No dialog
    // is moved here: the dialog centres itself over its window as it shows,
    // within the desktop, unless it was moved before.
    if (qobject_cast<QMessageBox*>(&dialog) != nullptr) {
        return;
    }
    const QSize room = FreeRoom(dialog);
    for (int step = 0; step < kMostSteps; ++step) {
        // Measured anew with the type it has now.
        if (QLayout* layout = dialog.layout()) {
            layout->activate();
        }
        const QSize least = dialog.minimumSizeHint().expandedTo(dialog.minimumSize());
        if ((least.width() <= room.width() && least.height() <= room.height()) || !Shrink(dialog)) {
            break;
        }
    }
    if (dialog.width() > room.width() || dialog.height() > room.height()) {
        dialog.resize(dialog.size().boundedTo(room));
    }
}

} // namespace velmora
