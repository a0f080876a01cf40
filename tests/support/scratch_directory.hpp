#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace kestrova::test_support {

// A fresh, empty directory for one test, removed afterwards.
class ScratchDirectory {
  public:
    // The name is made unique by mkdtemp: the same test may run at the same time in another
    // build of the tree (the default and sanitizer builds, or another worktree) on this machine,
    // and a shared name let one run remove the other's files mid-test.
    ScratchDirectory() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name =
            (std::filesystem::temp_directory_path() /
             (std::string("kestrova-") + info->test_suite_name() + "-" + info->name() + "-XXXXXX"))
                .string();
        if (::mkdtemp(name.data()) == nullptr) {
            ADD_FAILURE() << "cannot create a scratch directory from " << name;
        }
        path_ = name;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;
    const std::filesystem::path& Path() const { return path_; }

    std::filesystem::path Write(const std::string& name, const std::string& contents) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }

  private:
    std::filesystem::path path_;
};

// A file's bytes, or an empty text when it cannot be read.
inline std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// How many entries a directory holds.
inline std::size_t EntryCount(const std::filesystem::path& directory) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(directory),
                                                  std::filesystem::directory_iterator()));
}

}  // namespace kestrova::test_support
