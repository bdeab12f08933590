#include "screens/ui/QtDialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace velmora {

namespace {

// A box over the active window, in that window's type size (the size the user chose).
void FollowParent(QMessageBox& box) {
    if (const QWidget* parent = box.parentWidget()) {
        box.setFont(parent->font());
    }
}

// One box with a single "OK" button.
void ShowOkBox(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, QApplication::activeWindow());
    FollowParent(box);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

} // namespace

bool QtDialogs::Confirm(const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    FollowParent(box);
    QPushButton* yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void QtDialogs::Information(const QString& text) {
    ShowOkBox(QMessageBox::Information, QStringLiteral("Information"), text);
}

void QtDialogs::Warning(const QString& text) {
    ShowOkBox(QMessageBox::Warning, QStringLiteral("Warning"), text);
}

void QtDialogs::Message(const QString& text) {
    ShowOkBox(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text);
}

void QtDialogs::Error(const QString& text) {
    ShowOkBox(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle),
              text + QLatin1Char('.'));
}

} // namespace velmora
