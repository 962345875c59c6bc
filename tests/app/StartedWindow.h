#pragma once

#include "app/Form1.h"
#include "app/SystemActions.h"
#include "app/Text2Box.h"
#include "automation/Automation.h"

#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>
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

// A started window in a folder of its own that has shown `pages`, typed in
// offline mode, one after the other; run() performs script lines on it,
// printing into `out` and `err`.
class OfflineWindowTest : public testing::Test {
protected:
    void start(const QStringList& pages) {
        ASSERT_TRUE(work.isValid());
        form = startedWindow(work.path(), recorded);
        form->Menu003_Click();
        for (const QString& page : pages) {
            form->controls().text2->setText(page);
            form->Command1_Click();
        }
    }
    int run(const QStringList& lines) {
        QTextStream outStream(&out), errStream(&err);
        return ScriptRunner(*form, recorded, outStream, errStream).run(lines);
    }

    QTemporaryDir work;
    RecordingActions recorded;
    std::unique_ptr<Form1> form;
    QString out, err;
};

}  // namespace sumire::apptest
