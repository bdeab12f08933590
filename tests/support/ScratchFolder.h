#pragma once
// A new empty folder for one test, removed with everything in it afterwards.

#include <string>
#include <vector>

namespace velmora::testing {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string Path(const std::string& name) const { return path_ + "/" + name; }

    // The names of the folder's entries, sorted.
    std::vector<std::string> Entries() const;

private:
    std::string path_;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadBytes(const std::string& path);
// Creates or replaces a file with exactly these bytes.
void WriteBytes(const std::string& path, const std::string& bytes);
// The permission bits of a file.
unsigned FileMode(const std::string& path);

} // namespace velmora::testing
