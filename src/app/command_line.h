#pragma once
// The program's command line. Without options of its own the program opens its window; with
// them it answers without one: --help, --version, --worksheet-kinds, and
//   kalkora --worksheet KIND --level N --count N [--seed S] [--no-key] [--title TEXT] -o FILE.pdf
// which writes a worksheet. A bad argument ends it with a message and exit status 2.

#include <QStringList>
#include <QTextStream>

namespace kalkora {

// The exit status of a bad argument (an unknown kind, a level or count out of range, a file
// that cannot be written, …).
inline constexpr int kBadArguments = 2;

// The arguments of main() as text.
QStringList ArgumentsOf(int argc, char* argv[]);

// Whether the arguments ask for an answer without a window: any of the program's own options,
// or an unknown one with two dashes (a mistyped one, answered with a message). Other arguments
// (the toolkit's, like "-platform xcb") are left to the window.
bool WantsCommandLine(const QStringList& arguments);

// Carries out the command line: the answer goes to `out`, messages to `err`. Returns the exit
// status. Needs an application object with the program's fonts loaded (RunWithoutWindow).
int RunCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

// main() for a command line without a window: an application object on the offscreen
// platform, so that no display is needed, then RunCommandLine on the standard streams.
int RunWithoutWindow(int argc, char* argv[]);

}  // namespace kalkora
