#include "sizing/ui/Zoom.h"

#include "screens/ui/PrivateSettings.h"
#include "screens/ui/ScreenWindow.h"
#include "sizing/ui/DialogFit.h"
#include "sizing/ui/ScaledFont.h"
#include "sizing/ui/SizedStyle.h"
#include "sizing/ui/SizedWindow.h"

#include <QApplication>
#include <QChildEvent>
#include <QDialog>
#include <QMenu>
#include <QSettings>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace velmora {

Zoom::Zoom(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)), style_(&InstallSizedStyle()), baseTipFont_(QToolTip::font()) {
    percent_ = NearestStep(IntSetting(*settings_, QString::fromLatin1(kSettingsKey), 100));
    ApplyAll();
    // Every dialog (message boxes, also those before the first screen, and the
    // file and print dialogs) is made at the chosen size as it is first polished.
    qApp->installEventFilter(this);
}

Zoom::~Zoom() {
    qApp->removeEventFilter(this);
    // Whatever stays shows at the designed size.
    if (style_ != nullptr) {
        style_->SetFactor(1.0);
    }
    if (tipsScaled_) {
        QToolTip::setFont(baseTipFont_);
    }
}

int Zoom::NearestStep(int percent) {
    int nearest = kSteps.front();
    for (int step : kSteps) {
        if (std::abs(step - percent) < std::abs(nearest - percent)) {
            nearest = step;
        }
    }
    return nearest;
}

void Zoom::SetPercent(int percent) {
    const int step = NearestStep(percent);
    if (step == percent_) {
        return;
    }
    percent_ = step;
    KeepPrivately(*settings_, QString::fromLatin1(kSettingsKey), percent_);
    ApplyAll();
    emit Changed(percent_);
}

void Zoom::Larger() {
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent_);
    if (next != kSteps.end()) {
        SetPercent(*next);
    }
}

void Zoom::Smaller() {
    const auto here = std::lower_bound(kSteps.begin(), kSteps.end(), percent_);
    if (here != kSteps.begin()) {
        SetPercent(*(here - 1));
    }
}

void Zoom::Normal() {
    SetPercent(kSteps.front());
}

void Zoom::Register(QWidget& window, bool designed) {
    // The window is measured as it is at 100 %, its style's parts included.
    const bool sized = style_ != nullptr && style_->Factor() != 1.0;
    if (sized) {
        SizeStyle(1.0, window);
    }
    auto scaled = std::make_unique<SizedWindow>(window, designed);
    if (sized) {
        SizeStyle(Factor(), window);
    }
    scaled->Apply(Factor());
    windows_.push_back(std::move(scaled));
    window.installEventFilter(this);
}

bool Zoom::IsRegistered(const QWidget* window) const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [window](const auto& scaled) { return scaled->Window() == window; });
}

void Zoom::SizeStyle(double factor, QWidget& window) {
    style_->SetFactor(factor);
    // What a widget measured with the style before (a radio button's size, a
    // scroll area's room for its scroll bars) is measured again.
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        QEvent change(QEvent::StyleChange);
        QCoreApplication::sendEvent(widget, &change);
    }
}

void Zoom::ApplyAll() {
    const double factor = Factor();
    if (style_ != nullptr && style_->Factor() != factor) {
        style_->SetFactor(factor);
        for (const auto& window : windows_) {
            if (window->Window() != nullptr) {
                SizeStyle(factor, *window->Window());
            }
        }
    }
    for (const auto& window : windows_) {
        window->Apply(factor);
    }
    if (factor != 1.0 || tipsScaled_) {
        QToolTip::setFont(ScaledFont(baseTipFont_, factor));
        tipsScaled_ = true;
    }
}

bool Zoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && dialog->isWindow() && !IsRegistered(dialog)) {
            if (percent_ != 100) {
                dialog->setFont(ScaledFont(dialog->font(), Factor()));
            }
            // Its buttons on the desktop, its text wrapped in readable lines.
            FitDialogToDesktop(*dialog);
        }
        return QObject::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog != nullptr && dialog->isWindow() && !IsRegistered(dialog)) {
            KeepDialogOnDesktop(*dialog);
        }
    }
    // Each showing of a window finds it wholly on the desktop, frame included:
    // the window system may have framed it, or the desktop changed, meanwhile.
    // A window centred before it was framed is centred again once it is.
    if ((event->type() == QEvent::Show || event->type() == QEvent::Move) &&
        watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && IsRegistered(window) &&
            (event->type() == QEvent::Show || AwaitsFrame(*window))) {
            PlaceOnceFramed(*window);
        }
        // A screen opens at its top left corner, wherever it was left scrolled.
        if (event->type() == QEvent::Show && window->isWindow()) {
            for (const auto& sized : windows_) {
                if (sized->Window() == window) {
                    sized->ScrollHome();
                }
            }
        }
    }
    // A window that a screen opens beside itself is polished as it is first
    // shown, once it is complete; its tips and popups are not such windows.
    if (event->type() == QEvent::ChildPolished && watched->isWidgetType() &&
        IsRegistered(static_cast<QWidget*>(watched))) {
        auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
        if (child != nullptr && child->isWindow() && qobject_cast<QDialog*>(child) == nullptr &&
            qobject_cast<QMenu*>(child) == nullptr && child->windowType() != Qt::ToolTip &&
            child->windowType() != Qt::Popup && !IsRegistered(child)) {
            Register(*child, false);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmora
