#include "app/batch/Batch.h"

#include <filesystem>
#include <iostream>
#include <system_error>

int main(int argc, char** argv) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::canonical("/proc/self/exe", ec);
  if (ec) exe = std::filesystem::absolute(argv[0], ec);
  std::vector<std::string> args(argv + 1, argv + argc);
  return kv::batch::RunBatch(args, exe.parent_path(), std::cout, std::cerr);
}
