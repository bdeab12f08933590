#include "screens/ui/FullTextTips.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

namespace velmora {

namespace {

// Whether `text` in `font` is wider than `room` pixels.
bool Overflows(const QString& text, const QFont& font, int room) {
    return !text.isEmpty() && QFontMetrics(font).horizontalAdvance(text) > room;
}

class FullTextTips : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) {
            return QObject::eventFilter(watched, event);
        }
        auto* help = static_cast<QHelpEvent*>(event);
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            return BoxTip(*box, *help);
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(watched->parent())) {
            return CellTip(*view, *help);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool BoxTip(QLineEdit& box, const QHelpEvent& help) {
        if (!box.toolTip().isEmpty()) {
            return false;
        }
        QStyleOptionFrame option;
        option.initFrom(&box);
        option.lineWidth =
            box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box)
                           : 0;
        const QRect text = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box) -
                           box.textMargins();
        constexpr int kSideMargin = 2; // the box's own room on either side of its text
        const bool cut = Overflows(box.text(), box.font(), text.width() - 2 * kSideMargin);
        ShowOrHide(cut ? box.text() : QString(), help, box, box.rect());
        return true;
    }

    static bool CellTip(QAbstractItemView& view, const QHelpEvent& help) {
        const QModelIndex index = view.indexAt(help.pos());
        if (!index.isValid() || !index.data(Qt::ToolTipRole).toString().isEmpty()) {
            return false;
        }
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect cell = view.visualRect(index);
        const int margin =
            view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
        const QVariant font = index.data(Qt::FontRole);
        const bool cut = Overflows(text, font.isValid() ? font.value<QFont>() : view.font(),
                                   cell.width() - 2 * margin);
        ShowOrHide(cut ? text : QString(), help, *view.viewport(), cell);
        return true;
    }

    static void ShowOrHide(const QString& text, const QHelpEvent& help, QWidget& widget,
                           const QRect& area) {
        if (text.isEmpty()) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help.globalPos(), text, &widget, area);
        }
    }
};

} // namespace

void ShowFullTextTips(QWidget& window) {
    auto* tips = new FullTextTips(&window);
    tips->setObjectName(QStringLiteral("fullTextTips"));
    for (QLineEdit* box : window.findChildren<QLineEdit*>()) {
        box->installEventFilter(tips);
    }
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        view->viewport()->installEventFilter(tips);
    }
}

} // namespace velmora
