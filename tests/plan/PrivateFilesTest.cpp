// The program's files that only the user may read or write: the mark of an ended run
// and the settings file, made so under any umask.

#include "plan/PrivateFiles.h"

#include "ScratchFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace velmora {
namespace {

using testing::FileMode;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

// Runs `work` under the umask `mask`.
template <typename Work> auto UnderUmask(mode_t mask, Work work) {
    const mode_t previous = ::umask(mask);
    const auto result = work();
    ::umask(previous);
    return result;
}

TEST(PrivateFiles, AWrittenFileIsTheUsersAloneUnderAnyUmask) {
    ScratchFolder folder;
    const std::string path = folder.Path(".velmora-started");
    for (const mode_t mask : {0000, 0022, 0277}) {
        SCOPED_TRACE(mask);
        EXPECT_EQ(UnderUmask(mask, [&] { return WritePrivateFile(path, "ended\n"); }), 0);
        EXPECT_EQ(ReadBytes(path), "ended\n");
        EXPECT_EQ(FileMode(path), 0600u);
    }
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    EXPECT_EQ(UnderUmask(0, [&] { return WritePrivateFile(path, "again\n"); }), 0);
    EXPECT_EQ(ReadBytes(path), "again\n") << "replaced whole";
    EXPECT_EQ(FileMode(path), 0600u) << "one made open to all before is tightened";
    EXPECT_EQ(WritePrivateFile(folder.Path("missing/marker"), "x"), ENOENT);
}

TEST(PrivateFiles, AFileToBeWrittenLaterIsMadeTheUsersAloneWithItsFolders) {
    ScratchFolder folder;
    const std::string path = folder.Path("config/Velmora/Velmora.conf");
    EXPECT_EQ(UnderUmask(0, [&] { return MakePrivateFile(path); }), 0);
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(FileMode(path), 0600u);
    EXPECT_EQ(FileMode(folder.Path("config")), 0700u);
    EXPECT_EQ(FileMode(folder.Path("config/Velmora")), 0700u);

    WriteBytes(path, "[View]\nSizePercent=150\n");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    EXPECT_EQ(MakePrivateFile(path), 0);
    EXPECT_EQ(ReadBytes(path), "[View]\nSizePercent=150\n") << "kept";
    EXPECT_EQ(FileMode(path), 0600u);

    WriteBytes(folder.Path("file"), "in the way");
    EXPECT_EQ(MakePrivateFile(folder.Path("file/Velmora.conf")), ENOTDIR);
}

} // namespace
} // namespace velmora
