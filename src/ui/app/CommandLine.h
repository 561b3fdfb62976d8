#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>

namespace folidex {

// What the desktop program is asked to do by its arguments: `folidex [FOLDER]`.
struct CommandLine {
  enum class Request { OpenWindow, ShowHelp, ShowVersion, BadUsage };

  Request request = Request::OpenWindow;
  // The folder to search first, or a file for the folder that holds it; empty when none is given.
  QString path;
  // What is wrong with the arguments, for BadUsage.
  QString error;
};

// Reads the arguments that follow the program's name. "--help" and "--version" are
// answered wherever they stand; after "--" every argument is a path.
CommandLine ParseCommandLine(const QStringList& arguments);

// Prints the help, the version or what is wrong with the arguments, and returns the exit
// status then; nothing when the program goes on to open its window.
std::optional<int> AnswerCommandLine(const CommandLine& commandLine, std::ostream& out, std::ostream& err);

}  // namespace folidex
