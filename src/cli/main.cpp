#include "cli/AppMain.h"

int main(int argc, char** argv) { return sumire::runProgram(argc, argv); }
