// velomatix-cli: the command-line tool over the core, for scripting, batch work and checking
// the program's files from outside.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "trip/settings_file.h"

namespace vx::cli {

// What every subcommand gets: the data root and its own arguments.
struct Context {
    std::string data_root;
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    const char* name;
    const char* summary;  // one line for the tool's --help
    const char* usage;    // the subcommand's --help
    std::function<int(Context&)> run;
};

// The subcommands, in the order --help lists them. Add new ones here.
const std::vector<Command>& Commands();

int ShowCommand(Context& ctx);
int ListCommand(Context& ctx);
int ImportCommand(Context& ctx);
int ImportDeoCommand(Context& ctx);
int ExportCommand(Context& ctx);
int EraseCommand(Context& ctx);
int CopyToCollectionCommand(Context& ctx);
int SettingsCommand(Context& ctx);
int SummaryCommand(Context& ctx);
int ModelPowerCommand(Context& ctx);
int FitDumpCommand(Context& ctx);

// Runs the tool; returns the exit code (0 ok, 2 failure).
int Run(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err);

constexpr int kExitFailure = 2;

// The settings file of the data root, read over the defaults.
std::string SettingsPath(const Context& ctx);
// Prints "velomatix-cli: <message>" as the one line of a failure and returns kExitFailure.
int Fail(Context& ctx, const std::string& message);

}  // namespace vx::cli
