#include "ui/app/CommandLine.h"

#include "folidex/Version.h"

namespace folidex {
namespace {

constexpr char kHelp[] = R"(Usage: folidex [OPTION] [FOLDER]

Opens the Folidex window, which finds the PDF files in a folder tree and counts their
pages, one by one and in total. With FOLDER the window selects that folder in its
folder tree and searches it first, instead of the start-up folder of the preferences;
a file given stands for the folder that holds it. A folder that does not exist is
reported, and the start-up folder is searched.

  -h, --help     show this help
      --version  show the version

A folder, or a PDF file for its folder, can also be dropped onto the window to search it.
)";

bool IsOption(const QString& argument) { return argument.size() > 1 && argument.startsWith('-'); }

CommandLine Asking(CommandLine::Request request, const QString& error = {}) {
  CommandLine commandLine;
  commandLine.request = request;
  commandLine.error = error;
  return commandLine;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  const qsizetype optionsEnd = arguments.contains("--") ? arguments.indexOf("--") : arguments.size();
  const QStringList options = arguments.first(optionsEnd);
  if (options.contains("-h") || options.contains("--help")) return Asking(CommandLine::Request::ShowHelp);
  if (options.contains("--version")) return Asking(CommandLine::Request::ShowVersion);

  CommandLine commandLine;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    if (i == optionsEnd) continue;
    const QString& argument = arguments[i];
    if (i < optionsEnd && IsOption(argument))
      return Asking(CommandLine::Request::BadUsage, "unknown option '" + argument + "'");
    if (!commandLine.path.isEmpty())
      return Asking(CommandLine::Request::BadUsage, "one folder at a time, not also '" + argument + "'");
    commandLine.path = argument;
  }
  return commandLine;
}

std::optional<int> AnswerCommandLine(const CommandLine& commandLine, std::ostream& out, std::ostream& err) {
  switch (commandLine.request) {
    case CommandLine::Request::OpenWindow:
      return std::nullopt;
    case CommandLine::Request::ShowHelp:
      out << kHelp;
      return 0;
    case CommandLine::Request::ShowVersion:
      out << "folidex " << kVersion << '\n';
      return 0;
    case CommandLine::Request::BadUsage:
      err << "folidex: " << commandLine.error.toStdString() << "\nTry 'folidex --help' for more information.\n";
      return 2;
  }
  return 2;
}

}  // namespace folidex
