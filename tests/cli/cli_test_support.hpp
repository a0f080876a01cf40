#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_run.hpp"

namespace kestrova::test_support {

// A fresh, empty directory for one test, removed afterwards.
class ScratchDirectory {
  public:
    ScratchDirectory() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                (std::string("kestrova-cli-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& Path() const { return path_; }

    std::filesystem::path Write(const std::string& name, const std::string& contents) const {
        const std::filesystem::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << contents;
        return file;
    }

  private:
    std::filesystem::path path_;
};

// One kestrova-cli call with what it printed.
struct CliCall {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliCall CallCli(const std::vector<std::string>& args,
                       const std::filesystem::path& directory) {
    std::ostringstream out;
    std::ostringstream err;
    CliCall call;
    call.status = RunCli(args, directory, out, err);
    call.out = out.str();
    call.err = err.str();
    return call;
}

}  // namespace kestrova::test_support
