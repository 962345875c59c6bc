#pragma once
// The program: the desktop viewer, or a script run with --script FILE.
//
//   sumire [--workdir DIR]
//   sumire --script FILE [--workdir DIR]

namespace sumire {

int runProgram(int argc, char** argv);

}  // namespace sumire
