#pragma once
// Dialogs for tests: records every box and answers from a script. A box that
// the test did not expect fails the running test, and so does an expected box
// that never came.

#include "screens/ui/Dialogs.h"

#include <QString>
#include <deque>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace velmora::test {

enum class BoxKind { Confirm, Information, Warning, Message, Error };

std::string KindName(BoxKind kind);

// One box as the user would have seen it: caption and full text (an error box
// text already ends in its full stop).
struct Box {
    BoxKind kind = BoxKind::Message;
    QString caption;
    QString text;
};

class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs() = default;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;
    ~ScriptedDialogs() override; // fails the test when an expected box never came

    // The next unscripted box must be of this kind with exactly this text (for an
    // error box: the text without its full stop); a confirmation gets `yes`.
    ScriptedDialogs& Expect(BoxKind kind, const QString& text, bool yes = false);
    ScriptedDialogs& ExpectConfirm(const QString& text, bool yes) {
        return Expect(BoxKind::Confirm, text, yes);
    }
    // Boxes of this kind may come at any time and in any number; they are only
    // recorded (a tolerated confirmation is answered No).
    void Tolerate(BoxKind kind) { tolerated_.insert(kind); }
    // Runs for every box at the moment it is shown, e.g. to look at the state then.
    void OnBox(std::function<void(const Box&)> hook) { hook_ = std::move(hook); }

    const std::vector<Box>& Boxes() const { return boxes_; }
    int Count(BoxKind kind) const;
    int Pending() const { return static_cast<int>(script_.size()); }
    void Clear() { boxes_.clear(); }
    // Fails the test for every expected box not shown yet, and forgets them.
    void VerifyAllShown();

    bool Confirm(const QString& text) override;
    void Information(const QString& text) override;
    void Warning(const QString& text) override;
    void Message(const QString& text) override;
    void Error(const QString& text) override;

private:
    struct Expected {
        BoxKind kind;
        QString text;
        bool yes;
    };
    bool Show(BoxKind kind, const QString& caption, const QString& text);

    std::deque<Expected> script_;
    std::set<BoxKind> tolerated_;
    std::vector<Box> boxes_;
    std::function<void(const Box&)> hook_;
};

} // namespace velmora::test
