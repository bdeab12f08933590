// The data folder of a start from the desktop: where it is, and entering it.

#include "app/DataFolder.h"

#include "ScratchFolder.h"

#include <climits>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {
namespace {

TEST(DataFolderTest, TheDataHomeComesFirstThenTheHomeFolder) {
    EXPECT_EQ(UserDataFolder("/srv/data", "/home/ann"), "/srv/data/velmora");
    EXPECT_EQ(UserDataFolder(nullptr, "/home/ann"), "/home/ann/.local/share/velmora");
    EXPECT_EQ(UserDataFolder("", "/home/ann"), "/home/ann/.local/share/velmora")
        << "an empty data home is not set";
    EXPECT_EQ(UserDataFolder("data", "/home/ann"), "/home/ann/.local/share/velmora")
        << "a relative data home is not used";
    EXPECT_EQ(UserDataFolder(nullptr, nullptr), "");
    EXPECT_EQ(UserDataFolder(nullptr, ""), "");
}

class DataFolderEntry : public ::testing::Test {
protected:
    DataFolderEntry() { EXPECT_NE(getcwd(previous_, sizeof previous_), nullptr); }
    ~DataFolderEntry() override { EXPECT_EQ(chdir(previous_), 0); }

    static std::string WorkingFolder() {
        char path[PATH_MAX];
        return getcwd(path, sizeof path) != nullptr ? path : "";
    }

    testing::ScratchFolder scratch;

private:
    char previous_[PATH_MAX] = {};
};

TEST_F(DataFolderEntry, MissingFoldersAreMadeForTheUserAloneAndEntered) {
    for (const mode_t mask : {0000, 0277}) {
        SCOPED_TRACE(mask);
        const std::string top = "home" + std::to_string(mask);
        const std::string folder = scratch.Path(top + "/.local/share/velmora");
        const mode_t previous = umask(mask);
        const std::optional<std::string> error = EnterDataFolder(folder);
        umask(previous);
        EXPECT_EQ(error, std::nullopt);
        EXPECT_EQ(WorkingFolder(), folder);
        for (const std::string made : {"", "/.local", "/.local/share", "/.local/share/velmora"}) {
            EXPECT_EQ(testing::FileMode(scratch.Path(top + made)), 0700u) << made;
        }
    }
}

TEST_F(DataFolderEntry, AnExistingFolderIsTightenedToTheUserAlone) {
    struct Case {
        mode_t found;
        mode_t kept;
    };
    for (const Case c : {Case{0755, 0700}, Case{0777, 0700}, Case{0711, 0700}, Case{0700, 0700},
                         Case{0570, 0500}}) {
        SCOPED_TRACE(c.found);
        const std::string folder = scratch.Path("share" + std::to_string(c.found) + "/velmora");
        ASSERT_EQ(mkdir(scratch.Path("share" + std::to_string(c.found)).c_str(), 0755), 0);
        ASSERT_EQ(chmod(scratch.Path("share" + std::to_string(c.found)).c_str(), 0755), 0);
        ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
        ASSERT_EQ(chmod(folder.c_str(), c.found), 0);
        EXPECT_EQ(EnterDataFolder(folder), std::nullopt);
        EXPECT_EQ(WorkingFolder(), folder);
        EXPECT_EQ(testing::FileMode(folder), c.kept);
        EXPECT_EQ(testing::FileMode(scratch.Path("share" + std::to_string(c.found))), 0755u)
            << "a folder above it is not the program's";
    }
}

TEST_F(DataFolderEntry, AFileInTheWayIsReportedAndTheWorkingFolderStays) {
    testing::WriteBytes(scratch.Path("share"), "not a folder");
    const std::string before = WorkingFolder();
    const std::optional<std::string> error = EnterDataFolder(scratch.Path("share/velmora"));
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "cannot create the data folder " + scratch.Path("share/velmora") +
                          ": Not a directory");
    EXPECT_EQ(WorkingFolder(), before);
    EXPECT_EQ(EnterDataFolder(""), "no data folder: neither XDG_DATA_HOME nor HOME names a folder");
}

} // namespace
} // namespace velmora
