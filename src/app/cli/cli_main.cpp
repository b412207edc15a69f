// Entry point of hengmu-cli.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/cli.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv, argv + argc);
  return hm::RunCli(args, std::cout, std::cerr);
}
