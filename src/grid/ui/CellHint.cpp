#include "grid/ui/CellHint.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRect>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

namespace velmora::CellHint {

namespace {

constexpr int kShownMilliseconds = 5000;
constexpr int kNarrowest = 160; // pixels: a note is never broken into narrower lines
constexpr const char* kUntilNextKey = "velmoraUntilNextKey";

// A note goes when it is clicked, so that a click on what it covers works the
// next time, as with a tooltip.
class NoteLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        hide();
        event->accept();
    }
};

QLabel* Make(QWidget& editor) {
    // A window of its own, so that it may reach over the grid's edge. Clicks
    // go through it to what lies under it, where the window system allows.
    auto* label = new NoteLabel(&editor, Qt::ToolTip | Qt::BypassGraphicsProxyWidget |
                                             Qt::WindowTransparentForInput);
    label->setObjectName(QStringLiteral("CellHint"));
    label->setAttribute(Qt::WA_ShowWithoutActivating);
    label->setPalette(QToolTip::palette());
    label->setFont(QToolTip::font());
    label->setForegroundRole(QPalette::ToolTipText);
    label->setBackgroundRole(QPalette::ToolTipBase);
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setMargin(3);
    auto* timer = new QTimer(label);
    timer->setObjectName(QStringLiteral("CellHintTimer"));
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, label, &QWidget::hide);
    // A box or another window taking the focus: the note would lie over it.
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, label,
                     [label, &editor](QWindow* now) {
                         if (now != nullptr && now != editor.window()->windowHandle()) {
                             label->hide();
                         }
                     });
    return label;
}

} // namespace

void Show(QWidget& editor, const QString& text, Lasting lasting) {
    ShowUnder(editor, editor.rect(), text, lasting);
}

void ShowUnder(QWidget& owner, const QRect& area, const QString& text, Lasting lasting) {
    if (text.isEmpty()) {
        return;
    }
    QLabel* label = Of(owner);
    if (label == nullptr) {
        label = Make(owner);
    }
    // One note at a time in a window: a new one takes the place of any other.
    for (QLabel* other : owner.window()->findChildren<QLabel*>(QStringLiteral("CellHint"))) {
        if (other != label) {
            other->hide();
        }
    }
    label->setFont(QToolTip::font()); // the chosen size may have changed since
    label->setText(text);
    label->setAccessibleName(text);
    label->setWordWrap(false);
    // Its whole line: a window's own adjustSize would stop at two thirds of the screen.
    label->resize(label->sizeHint());
    const QPoint at = owner.mapToGlobal(area.bottomLeft() + QPoint(0, 1));
    // A note too long for the rest of the window's width is broken into lines
    // that end at the window's right edge.
    const QWidget& window = *owner.window();
    const int room = window.mapToGlobal(QPoint(window.width(), 0)).x() - at.x();
    if (label->width() > room && room >= kNarrowest) {
        label->setWordWrap(true);
        label->resize(room, label->heightForWidth(room));
    }
    label->move(at);
    label->show();
    label->raise();
    auto* timer = label->findChild<QTimer*>(QStringLiteral("CellHintTimer"));
    label->setProperty(kUntilNextKey, lasting == Lasting::UntilNextKey);
    if (lasting == Lasting::UntilNextKey) {
        timer->stop();
    } else {
        timer->start(kShownMilliseconds);
    }
}

void Hide(QWidget& owner) {
    if (QLabel* label = Of(owner)) {
        label->hide();
    }
}

void KeyTaken(QWidget& editor) {
    QLabel* label = Of(editor);
    if (label != nullptr && label->property(kUntilNextKey).toBool()) {
        label->setProperty(kUntilNextKey, false);
        label->hide();
    }
}

QLabel* Of(const QWidget& editor) {
    return editor.findChild<QLabel*>(QStringLiteral("CellHint"), Qt::FindDirectChildrenOnly);
}

} // namespace velmora::CellHint
