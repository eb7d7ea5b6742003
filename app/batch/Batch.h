#pragma once
// The command-line front end of the engine: parses the arguments, loads the
// files as the desktop program loads them and prints the results.

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace kv::batch {

constexpr int ExitOk = 0;
constexpr int ExitRefused = 1; // one of the program's own messages
constexpr int ExitUsage = 2;   // unusable arguments or an unreadable file

// args without the program name; exeDir is the default program folder.
int RunBatch(const std::vector<std::string>& args, const std::filesystem::path& exeDir, std::ostream& out,
             std::ostream& err);

} // namespace kv::batch
