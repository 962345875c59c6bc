// The program, with render workers that crash on the page whose file name
// SUMIRE_TEST_CRASH_ON gives: how the tests see a worker die.

#include "cli/AppMain.h"
#include "cli/RenderCommand.h"

#include <QFileInfo>
#include <cstdlib>

int main(int argc, char** argv) {
    sumire::setWorkerJobHook([](const sumire::PageJob& job) {
        if (QFileInfo(job.page).fileName() == qEnvironmentVariable("SUMIRE_TEST_CRASH_ON")) std::abort();
    });
    return sumire::runProgram(argc, argv);
}
