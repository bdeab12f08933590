// The folder says the layer: a source outside every ui/ folder is core and must build
// without Qt, so it may include neither a Qt header nor a header from a ui/ folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>
#include <unistd.h>

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

// plan/ is the lowest folder: its files include only each other.
TEST(Layers, PlanIncludesNothingFromTheFoldersAboveIt) {
    static const std::regex projectHeader(R"re(^\s*#\s*include\s*"([^"]+)")re");
    const fs::path plan = fs::path(VELMORA_SOURCE_DIR) / "plan";
    for (const auto& entry : fs::directory_iterator(plan)) {
        std::ifstream in(entry.path());
        std::string line;
        std::smatch match;
        while (std::getline(in, line)) {
            if (std::regex_search(line, match, projectHeader)) {
                EXPECT_EQ(match[1].str().rfind("plan/", 0), 0u)
                    << entry.path().filename().string() << ": " << line;
            }
        }
    }
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
    Write("plan/Good.h", "#include \"plan/PlanData.h\"\n#include <string>\n// #include <QString> in prose\n");
    Write("plan/Qt.cpp", "#include <vector>\n#include <QString>\n");
    Write("plan/Widgets.h", "  #  include <QtWidgets/QLabel>\n");
    Write("plan/Screen.cpp", "#include \"results/ui/TfrmCalc.h\"\n");
    Write("results/ui/TfrmCalc.cpp", "#include <QWidget>\n#include \"app/ui/Dialogs.h\"\n");
    auto breaches = LayerBreaches(root_);
    std::sort(breaches.begin(), breaches.end());
    ASSERT_EQ(breaches.size(), 3u);
    EXPECT_EQ(breaches[0], "plan/Qt.cpp:2: #include <QString>");
    EXPECT_EQ(breaches[1], "plan/Screen.cpp:1: #include \"results/ui/TfrmCalc.h\"");
    EXPECT_EQ(breaches[2], "plan/Widgets.h:1:   #  include <QtWidgets/QLabel>");
}
