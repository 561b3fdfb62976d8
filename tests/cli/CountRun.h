#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/TempTree.h"

namespace folidex::test {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs folidex-count in the tree's folder with `arguments` (shell words), its standard input
// from /dev/null and its output into files, so that neither is a terminal; redirections in
// the arguments change that. `prefix` goes before the program (variables, AsOrdinaryUser()).
Outcome RunCount(const TempTree& tree, const std::string& arguments, const std::string& prefix = "");

// The words of a command that runs the program with the rights of "nobody" when the tests
// run as root, for whom every folder is readable; the tree's root is opened to that user.
// Nothing otherwise.
std::vector<std::string> OrdinaryUserCommand(const TempTree& tree);
// The same as a prefix for RunCount.
std::string AsOrdinaryUser(const TempTree& tree);

// True when the Python `script` (with sys, json and base64 imported) passes its checks on
// the file `path`, which it finds in sys.argv[1].
bool PythonAccepts(const TempTree& tree, const std::string& script, const std::string& path);

// folidex-count started with its standard input and output as pipes to the test, and its
// standard error into a file; the words of `prefix` go before the program.
class CountProcess {
 public:
  CountProcess(const std::vector<std::string>& arguments, std::string errorFile,
               const std::vector<std::string>& prefix = {});
  ~CountProcess();
  CountProcess(const CountProcess&) = delete;
  CountProcess& operator=(const CountProcess&) = delete;

  void Write(std::string_view text);
  // Reads standard output until what was read holds `marker`; returns all of it so far.
  std::string ReadUntil(std::string_view marker);
  // Reads standard output to its end; returns all of it.
  std::string ReadAll();
  // The reader of standard output goes away, as `head` does once it has its lines.
  void CloseOutput();
  void Signal(int number);
  // The exit status; 128 + the signal when one ended the program.
  int Wait();
  std::string Errors() const;

 private:
  bool ReadMore();

  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string read_;
  std::string errorFile_;
};

}  // namespace folidex::test
