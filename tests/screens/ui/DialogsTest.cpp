// The message boxes: exact captions, icons and buttons of the Qt boxes, and the
// scripted boxes that the other screen tests rely on.

#include "ScriptedDialogs.h"
#include "screens/ui/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace velmora {
namespace {

struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Runs `show` (which opens a modal box), records the box and presses the button
// whose text is `press`.
SeenBox Watch(const std::function<void()>& show, const QString& press) {
    SeenBox seen;
    bool found = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        found = true;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        QAbstractButton* target = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == press) {
                target = button;
            }
        }
        if (target != nullptr) {
            target->click();
        } else {
            box->reject();
        }
    });
    show();
    EXPECT_TRUE(found) << "no modal message box was shown";
    return seen;
}

TEST(QtDialogsTest, ConfirmationAsksYesOrNo) {
    QtDialogs dialogs;
    bool answer = false;
    SeenBox seen = Watch([&] { answer = dialogs.Confirm("Exit now?"); }, "&Yes");
    EXPECT_EQ(seen.caption, "Confirm");
    EXPECT_EQ(seen.text, "Exit now?");
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons, QStringList({"&Yes", "&No"}));
    EXPECT_TRUE(answer);

    Watch([&] { answer = dialogs.Confirm("Exit now?"); }, "&No");
    EXPECT_FALSE(answer);
}

TEST(QtDialogsTest, OneButtonBoxesHaveTheirCaptionsAndIcons) {
    QtDialogs dialogs;
    SeenBox info = Watch([&] { dialogs.Information("i"); }, "OK");
    EXPECT_EQ(info.caption, "Information");
    EXPECT_EQ(info.icon, QMessageBox::Information);
    EXPECT_EQ(info.buttons, QStringList({"OK"}));

    SeenBox warning = Watch([&] { dialogs.Warning("w"); }, "OK");
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_EQ(warning.buttons, QStringList({"OK"}));

    SeenBox message = Watch([&] { dialogs.Message("Welcome"); }, "OK");
    EXPECT_EQ(message.caption, "Velmora");
    EXPECT_EQ(message.icon, QMessageBox::NoIcon);
    EXPECT_EQ(message.text, "Welcome");
    EXPECT_EQ(message.buttons, QStringList({"OK"}));

    SeenBox error = Watch([&] { dialogs.Error("File access denied"); }, "OK");
    EXPECT_EQ(error.caption, "Velmora");
    EXPECT_EQ(error.icon, QMessageBox::Critical);
    EXPECT_EQ(error.text, "File access denied.");
    EXPECT_EQ(error.buttons, QStringList({"OK"}));
}

TEST(ScriptedDialogsTest, AnswersFromTheScriptAndRecordsEveryBox) {
    test::ScriptedDialogs dialogs;
    dialogs.ExpectConfirm("Save?", true).ExpectConfirm("Exit now?", false);
    dialogs.Expect(test::BoxKind::Error, "Disk full");
    EXPECT_TRUE(dialogs.Confirm("Save?"));
    EXPECT_FALSE(dialogs.Confirm("Exit now?"));
    dialogs.Error("Disk full");
    ASSERT_EQ(dialogs.Boxes().size(), 3u);
    EXPECT_EQ(dialogs.Boxes()[2].caption, "Velmora");
    EXPECT_EQ(dialogs.Boxes()[2].text, "Disk full.");
    EXPECT_EQ(dialogs.Pending(), 0);
}

TEST(ScriptedDialogsTest, FailsOnBoxesNotExpected) {
    EXPECT_NONFATAL_FAILURE(
        {
            test::ScriptedDialogs dialogs;
            dialogs.Confirm("Save?");
        },
        "unexpected confirmation box");
    EXPECT_NONFATAL_FAILURE(
        {
            test::ScriptedDialogs dialogs;
            dialogs.ExpectConfirm("Save?", true);
            dialogs.Warning("Save?");
        },
        "expected confirmation box");
    EXPECT_NONFATAL_FAILURE(
        {
            test::ScriptedDialogs dialogs;
            dialogs.Expect(test::BoxKind::Information, "hint");
        },
        "never shown");
}

TEST(ScriptedDialogsTest, ToleratedKindsAreOnlyRecorded) {
    test::ScriptedDialogs dialogs;
    dialogs.Tolerate(test::BoxKind::Warning);
    dialogs.Warning("a");
    dialogs.Warning("b");
    EXPECT_EQ(dialogs.Count(test::BoxKind::Warning), 2);
}

} // namespace
} // namespace velmora
