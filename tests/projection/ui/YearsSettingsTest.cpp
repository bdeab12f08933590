// The years ahead settings as kept in the settings file: what cannot be read
// takes its default, and a yes or no is read as people write it.

#include "projection/ui/YearsSettings.h"

#include "UiTestSupport.h"

#include <QSettings>
#include <QTextStream>
#include <gtest/gtest.h>

namespace velmora {
namespace {

projection::Settings Read(test::TempWorkingDirectory& cwd, const QString& lines) {
    // A file of its own for each reading: QSettings keeps what it read of a file
    // and reads it again only when its time or size changed, which a rewrite of
    // the same size within the same second does not show.
    static int readings = 0;
    const QString file = cwd.File(QStringLiteral("settings%1.ini").arg(++readings));
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QTextStream(&out) << "[YearsAhead]\n" << lines;
    out.close();
    QSettings settings(file, QSettings::IniFormat);
    return KeptYearsSettings(settings);
}

TEST(YearsSettings, WhatCannotBeReadTakesItsDefault) {
    test::TempWorkingDirectory cwd;
    const projection::Settings unreadable =
        Read(cwd, "ThroughAge=ninety\nEarningsEndAge=\nPensionsIndexed=maybe\n");
    EXPECT_EQ(unreadable.ThroughAge, 95);
    EXPECT_EQ(unreadable.EarningsEndAge, 70);
    EXPECT_FALSE(unreadable.PensionsIndexed);
    const projection::Settings kept = Read(cwd, "ThroughAge=88\nEarningsEndAge=66\n");
    EXPECT_EQ(kept.ThroughAge, 88);
    EXPECT_EQ(kept.EarningsEndAge, 66);
}

TEST(YearsSettings, YesAndNoAreReadAsWritten) {
    test::TempWorkingDirectory cwd;
    for (const char* no : {"no", "off", "false", "0", "No", "OFF"}) {
        EXPECT_FALSE(Read(cwd, QStringLiteral("PensionsIndexed=%1\n").arg(no)).PensionsIndexed)
            << no;
    }
    for (const char* yes : {"yes", "on", "true", "1", "Yes"}) {
        EXPECT_TRUE(Read(cwd, QStringLiteral("PensionsIndexed=%1\n").arg(yes)).PensionsIndexed)
            << yes;
    }
}

} // namespace
} // namespace velmora
