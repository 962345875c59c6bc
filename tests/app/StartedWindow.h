#pragma once

#include "app/Form1.h"

#include <memory>

namespace sumire::apptest {

// A main window of this process, started as a script run starts it: loaded
// and shown, working in `workDir`, its messages and programs going to `actions`.
inline std::unique_ptr<Form1> startedWindow(const QString& workDir, SystemActions& actions) {
    Form1Options options;
    options.workDir = workDir;
    options.scriptMode = true;
    auto form = std::make_unique<Form1>(options, actions);
    form->Form_Load();
    form->showCentred();
    return form;
}

}  // namespace sumire::apptest
