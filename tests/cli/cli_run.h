// Running velomatix-cli inside a test, and what the import tests read back from its output.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace vx::test {

struct CliResult {
    int code;
    std::string out, err;
};

inline CliResult RunCli(const std::string& root, std::vector<std::string> args) {
    args.insert(args.begin(), {"velomatix-cli", "--data", root});
    std::ostringstream out, err;
    const int code = cli::Run(args, out, err);
    return {code, out.str(), err.str()};
}

// The value of a "key: value" line, or "<missing>".
inline std::string Value(const std::string& out, const std::string& key) {
    std::istringstream in(out);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key + ": ", 0) == 0) return line.substr(key.size() + 2);
    return "<missing>";
}

// Base names are local time; the tests name them in UTC.
class UtcZone {
  public:
    UtcZone() {
        if (const char* old = std::getenv("TZ")) old_ = old;
        setenv("TZ", "UTC0", 1);
        tzset();
    }
    ~UtcZone() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }

  private:
    std::optional<std::string> old_;
};

// The DEO files in a rider's folder, sorted.
inline std::vector<std::string> Deos(const std::string& root, const std::string& rider = "ANNA") {
    namespace fs = std::filesystem;
    std::vector<std::string> out;
    const fs::path folder = fs::path(root) / "DATA" / rider;
    if (!fs::exists(folder)) return out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".DEO") out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace vx::test
