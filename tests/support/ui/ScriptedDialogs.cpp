#include "ScriptedDialogs.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace velmora::test {

std::string KindName(BoxKind kind) {
    switch (kind) {
    case BoxKind::Confirm:
        return "confirmation";
    case BoxKind::Information:
        return "information";
    case BoxKind::Warning:
        return "warning";
    case BoxKind::Message:
        return "message";
    case BoxKind::Error:
        return "error";
    }
    return "?";
}

ScriptedDialogs::~ScriptedDialogs() {
    VerifyAllShown();
}

ScriptedDialogs& ScriptedDialogs::Expect(BoxKind kind, const QString& text, bool yes) {
    script_.push_back({kind, kind == BoxKind::Error ? text + QLatin1Char('.') : text, yes});
    return *this;
}

int ScriptedDialogs::Count(BoxKind kind) const {
    return static_cast<int>(std::count_if(boxes_.begin(), boxes_.end(),
                                          [kind](const Box& box) { return box.kind == kind; }));
}

void ScriptedDialogs::VerifyAllShown() {
    for (const Expected& expected : script_) {
        ADD_FAILURE() << "expected " << KindName(expected.kind) << " box never shown: \""
                      << expected.text.toStdString() << "\"";
    }
    script_.clear();
}

bool ScriptedDialogs::Show(BoxKind kind, const QString& caption, const QString& text) {
    boxes_.push_back({kind, caption, text});
    if (hook_) {
        hook_(boxes_.back());
    }
    if (!script_.empty() && script_.front().kind == kind && script_.front().text == text) {
        const bool yes = script_.front().yes;
        script_.pop_front();
        return yes;
    }
    if (tolerated_.count(kind) != 0) {
        return false;
    }
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << " box: \"" << text.toStdString()
                      << "\"";
    } else {
        ADD_FAILURE() << "unexpected " << KindName(kind) << " box: \"" << text.toStdString()
                      << "\"; expected " << KindName(script_.front().kind) << " box \""
                      << script_.front().text.toStdString() << "\"";
        script_.pop_front(); // the box took the expected one's place
    }
    return false;
}

bool ScriptedDialogs::Confirm(const QString& text) {
    return Show(BoxKind::Confirm, QStringLiteral("Confirm"), text);
}

void ScriptedDialogs::Information(const QString& text) {
    Show(BoxKind::Information, QStringLiteral("Information"), text);
}

void ScriptedDialogs::Warning(const QString& text) {
    Show(BoxKind::Warning, QStringLiteral("Warning"), text);
}

void ScriptedDialogs::Message(const QString& text) {
    Show(BoxKind::Message, QString::fromLatin1(kApplicationTitle), text);
}

void ScriptedDialogs::Error(const QString& text) {
    Show(BoxKind::Error, QString::fromLatin1(kApplicationTitle), text + QLatin1Char('.'));
}

} // namespace velmora::test
