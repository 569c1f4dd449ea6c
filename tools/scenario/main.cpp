// lintra-scenario SCRIPT | -
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "tools/scenario/runner.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: lintra-scenario SCRIPT|-\n";
    return 2;
  }
  const std::string name = argv[1];
  std::string source;
  if (name == "-") {
    source.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream file(name, std::ios::binary);
    if (!file) {
      std::cerr << "lintra-scenario: cannot read " << name << '\n';
      return 2;
    }
    source.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  lintra::scenario::Runner runner(std::cout);
  const int status = runner.Run(source, std::cerr);
  std::cout.flush();
  return status;
}
