#pragma once
// The program: the desktop viewer, the demo, a script run, or rendering pages
// to pictures; see cli/CommandLine.h for the command line.

namespace sumire {

int runProgram(int argc, char** argv);

}  // namespace sumire
