// The folder says the layer: a source outside every ui/ folder is core and must build
// without Qt, so it may include neither a Qt header nor a header from a ui/ folder.
// The folders also stand on floors, bottom to top: plan/; tax/ and grid/; holdings/
// and results/; projection/; screens/ and history/; sizing/ (the chosen size, and how
// windows and dialogs follow it) and export/ (the files, paper and report kit of the
// screens' exports); the screens (entry/, holdings/ui/, holdings/*/ui/, results/ui/,
// projection/ui/); app/ and the report tool. A file includes nothing from a floor above
// its own, and no screen folder includes another's.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool InUiFolder(const fs::path& relative) {
    for (const auto& part : relative.parent_path()) {
        if (part == "ui") {
            return true;
        }
    }
    return false;
}

bool IsSource(const fs::path& path) {
    const auto ext = path.extension();
    return ext == ".h" || ext == ".cpp";
}

// Every include of a core file that names a Qt header or a ui/ header, as "file:line: text".
std::vector<std::string> LayerBreaches(const fs::path& root) {
    static const std::regex qtHeader(R"(^\s*#\s*include\s*<Q[A-Za-z]*(/[^>]*)?>)");
    static const std::regex uiHeader(R"(^\s*#\s*include\s*["<]([^">]*/)?ui/)");
    std::vector<std::string> breaches;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path relative = fs::relative(entry.path(), root);
        if (!entry.is_regular_file() || !IsSource(entry.path()) || InUiFolder(relative)) {
            continue;
        }
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (std::regex_search(line, qtHeader) || std::regex_search(line, uiHeader)) {
                breaches.push_back(relative.string() + ":" + std::to_string(number) + ": " + line);
            }
        }
    }
    return breaches;
}

// The floor of the screen folders, which stand beside each other.
constexpr int kScreensFloor = 6;

// The floor of a file or header named by its path below src/; -1 for a folder
// that has no floor yet.
int FloorOf(const std::string& path) {
    static const std::vector<std::pair<std::regex, int>> floors = {
        {std::regex("^(app|report)/"), 7},
        {std::regex("^(entry/|results/ui/|projection/ui/|holdings/(ui|[a-z]+/ui)/)"), 6},
        {std::regex("^(sizing|export)/"), 5},
        {std::regex("^(screens|history)/"), 4},
        {std::regex("^projection/"), 3},
        {std::regex("^(holdings|results)/"), 2},
        {std::regex("^(tax|grid)/"), 1},
        {std::regex("^plan/"), 0},
    };
    for (const auto& [folder, floor] : floors) {
        if (std::regex_search(path, folder)) {
            return floor;
        }
    }
    return -1;
}

// The first folder of a path below src/: "results" of "results/ui/TfrmCalc.h".
std::string TopFolder(const std::string& path) {
    return path.substr(0, path.find('/'));
}

// Every include of a header from a floor above the including file's, of a
// screen folder's header from another screen's folder (the holdings screens
// share holdings/ui/), and every file in a folder without a floor, as
// "file:line: text". Workspace.h, the one shared state at the top of src/, is
// in no folder and may be included anywhere.
std::vector<std::string> FloorBreaches(const fs::path& root) {
    static const std::regex projectHeader(R"re(^\s*#\s*include\s*"([^"]+/[^"]+)")re");
    std::vector<std::string> breaches;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        if (!entry.is_regular_file() || !IsSource(entry.path()) ||
            relative.find('/') == std::string::npos) {
            continue;
        }
        const int floor = FloorOf(relative);
        if (floor < 0) {
            breaches.push_back(relative + ": a folder without a floor");
            continue;
        }
        std::ifstream in(entry.path());
        std::string line;
        std::smatch match;
        for (int number = 1; std::getline(in, line); ++number) {
            if (!std::regex_search(line, match, projectHeader)) {
                continue;
            }
            const std::string header = match[1].str();
            const int included = FloorOf(header);
            if (included > floor || (floor == kScreensFloor && included == floor &&
                                     TopFolder(header) != TopFolder(relative))) {
                breaches.push_back(relative + ":" + std::to_string(number) + ": " + line);
            }
        }
    }
    return breaches;
}

class LayerFolder : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("velmora-layers-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "plan");
        fs::create_directories(root_ / "results/ui");
    }
    void TearDown() override { fs::remove_all(root_); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(root_ / name) << text;
    }
    fs::path root_;
};

} // namespace

TEST(Layers, NoSourceIncludesFromAFloorAboveItsOwn) {
    const auto breaches = FloorBreaches(VELMORA_SOURCE_DIR);
    for (const auto& breach : breaches) {
        ADD_FAILURE() << "include from a floor above: " << breach;
    }
    EXPECT_TRUE(breaches.empty());
}

TEST(Layers, NoCoreSourceIncludesQtOrAUiHeader) {
    const auto breaches = LayerBreaches(VELMORA_SOURCE_DIR);
    for (const auto& breach : breaches) {
        ADD_FAILURE() << "core source includes a Qt or ui/ header: " << breach;
    }
    EXPECT_TRUE(breaches.empty());
}

// The check itself: it must see both kinds of breach in core folders and pass over ui/.
TEST_F(LayerFolder, FindsQtAndUiIncludesOnlyOutsideUiFolders) {
    Write("plan/Good.h",
          "#include \"plan/PlanData.h\"\n#include <string>\n// #include <QString> in prose\n");
    Write("plan/Qt.cpp", "#include <vector>\n#include <QString>\n");
    Write("plan/Widgets.h", "  #  include <QtWidgets/QLabel>\n");
    Write("plan/Screen.cpp", "#include \"results/ui/TfrmCalc.h\"\n");
    Write("results/ui/TfrmCalc.cpp", "#include <QWidget>\n#include \"screens/ui/Dialogs.h\"\n");
    auto breaches = LayerBreaches(root_);
    std::sort(breaches.begin(), breaches.end());
    ASSERT_EQ(breaches.size(), 3u);
    EXPECT_EQ(breaches[0], "plan/Qt.cpp:2: #include <QString>");
    EXPECT_EQ(breaches[1], "plan/Screen.cpp:1: #include \"results/ui/TfrmCalc.h\"");
    EXPECT_EQ(breaches[2], "plan/Widgets.h:1:   #  include <QtWidgets/QLabel>");
}

// The floor check itself: upward includes and folders without a floor are found,
// includes across a floor or downward are not.
TEST_F(LayerFolder, FindsIncludesFromTheFloorsAbove) {
    fs::create_directories(root_ / "grid/ui");
    fs::create_directories(root_ / "holdings/ira/ui");
    fs::create_directories(root_ / "app/ui");
    fs::create_directories(root_ / "gadgets");
    Write("grid/ui/StringGrid.cpp",
          "#include \"grid/EditMask.h\"\n#include \"holdings/ira/ui/TfrmIRAs.h\"\n");
    Write("holdings/ira/ui/TfrmIRAs.cpp",
          "#include \"Workspace.h\"\n#include \"holdings/ui/HoldingsScreen.h\"\n"
          "#include \"screens/ui/Dialogs.h\"\n#include \"app/ui/Application.h\"\n");
    Write("plan/PlanFile.cpp", "#include \"plan/PlanData.h\"\n#include \"tax/FederalTax.h\"\n");
    Write("app/ui/main.cpp", "#include \"results/ui/TfrmCalc.h\"\n");
    Write("gadgets/Gadget.h", "#include <string>\n");
    // One screen folder includes another's: a circle the floors alone cannot see.
    fs::create_directories(root_ / "projection/ui");
    fs::create_directories(root_ / "export/ui");
    Write("results/ui/ResultsExport.cpp",
          "#include \"export/ui/FileExport.h\"\n#include \"projection/ui/YearsSettings.h\"\n");
    Write("export/ui/FileExport.cpp",
          "#include \"screens/ui/Dialogs.h\"\n#include \"results/ui/TfrmCalc.h\"\n");
    auto breaches = FloorBreaches(root_);
    std::sort(breaches.begin(), breaches.end());
    ASSERT_EQ(breaches.size(), 6u);
    EXPECT_EQ(breaches[0], "export/ui/FileExport.cpp:2: #include \"results/ui/TfrmCalc.h\"");
    EXPECT_EQ(breaches[1], "gadgets/Gadget.h: a folder without a floor");
    EXPECT_EQ(breaches[2], "grid/ui/StringGrid.cpp:2: #include \"holdings/ira/ui/TfrmIRAs.h\"");
    EXPECT_EQ(breaches[3], "holdings/ira/ui/TfrmIRAs.cpp:4: #include \"app/ui/Application.h\"");
    EXPECT_EQ(breaches[4], "plan/PlanFile.cpp:2: #include \"tax/FederalTax.h\"");
    EXPECT_EQ(breaches[5],
              "results/ui/ResultsExport.cpp:2: #include \"projection/ui/YearsSettings.h\"");
}
