#include "CountRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

extern char** environ;

namespace folidex::test {
namespace {

int StatusOf(int raw) {
  if (WIFEXITED(raw)) return WEXITSTATUS(raw);
  if (WIFSIGNALED(raw)) return 128 + WTERMSIG(raw);
  return -1;
}

}  // namespace

Outcome RunCount(const TempTree& tree, const std::string& arguments, const std::string& prefix) {
  std::remove(tree.Path(".out").c_str());
  const std::string command =
      "cd '" + tree.Path() + "' && " + prefix + " '" FOLIDEX_COUNT_BINARY "' </dev/null >.out 2>.err " + arguments;
  Outcome outcome;
  outcome.status = StatusOf(std::system(command.c_str()));
  outcome.out = tree.Read(".out");
  outcome.err = tree.Read(".err");
  return outcome;
}

std::vector<std::string> OrdinaryUserCommand(const TempTree& tree) {
  if (geteuid() != 0) return {};
  if (chmod(tree.Path().c_str(), 0755) != 0) throw std::runtime_error("cannot open the tree to others");
  return {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
}

std::string AsOrdinaryUser(const TempTree& tree) {
  std::string prefix;
  for (const std::string& word : OrdinaryUserCommand(tree)) prefix += word + " ";
  return prefix;
}

bool PythonAccepts(const TempTree& tree, const std::string& script, const std::string& path) {
  const std::string program = tree.Write(".check.py", "import sys, json, base64\n" + script);
  return std::system(("python3 '" + program + "' '" + path + "'").c_str()) == 0;
}

CountProcess::CountProcess(const std::vector<std::string>& arguments, std::string errorFile,
                           const std::vector<std::string>& prefix)
    : errorFile_(std::move(errorFile)) {
  std::signal(SIGPIPE, SIG_IGN);  // the test writes to a program that may have ended
  int input[2], output[2];
  if (pipe2(input, O_CLOEXEC) != 0 || pipe2(output, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> words = prefix;
  words.push_back(FOLIDEX_COUNT_BINARY);
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const int failed = posix_spawnp(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(input[0]);
  close(output[1]);
  input_ = input[1];
  output_ = output[0];
  if (failed != 0) throw std::runtime_error("cannot start folidex-count");
}

CountProcess::~CountProcess() {
  if (input_ >= 0) close(input_);
  CloseOutput();
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    Wait();
  }
}

void CountProcess::Write(std::string_view text) {
  if (write(input_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
    throw std::runtime_error("cannot write to folidex-count");
  }
}

bool CountProcess::ReadMore() {
  char chunk[4096];
  const ssize_t got = read(output_, chunk, sizeof chunk);
  if (got <= 0) return false;
  read_.append(chunk, static_cast<std::size_t>(got));
  return true;
}

std::string CountProcess::ReadUntil(std::string_view marker) {
  while (read_.find(marker) == std::string::npos && ReadMore()) {
  }
  return read_;
}

std::string CountProcess::ReadAll() {
  while (ReadMore()) {
  }
  return read_;
}

void CountProcess::CloseOutput() {
  if (output_ >= 0) close(output_);
  output_ = -1;
}

void CountProcess::Signal(int number) { kill(pid_, number); }

int CountProcess::Wait() {
  int raw = 0;
  if (waitpid(pid_, &raw, 0) != pid_) return -1;
  pid_ = -1;
  return StatusOf(raw);
}

std::string CountProcess::Errors() const { return FileBytes(errorFile_); }

}  // namespace folidex::test
