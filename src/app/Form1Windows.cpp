// The main window's commands that open the secondary windows or keep files:
// the bookmark dialogs, the download menu, the file browser, help and About.

#include "Form1.h"
#include "Language.h"

#include "SystemActions.h"
#include "store/ProgramFiles.h"
#include "store/DownloadFolder.h"
#include "windows/FileBrowser.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/FrmAbout.h"
#include "store/HelpAbout.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>

namespace sumire {

// --- Bookmark dialogs --------------------------------------------------------

void Form1::book3_Click() { windows_.form2().showFor(c_.label1[3]->text(), c_.label1[6]->text()); }

void Form1::book4_Click() { windows_.form3().showEditor(); }

// --- Download folder ---------------------------------------------------------

// Copies the page's temporary file into the working folder's download folder;
// a copy that fails says so and claims nothing.
void Form1::File001_Click(int index) {
    if (index < 0 || index >= session_.model().storedAttachCount()) return;
    const QString name = session_.model().attachNames[index];
    const KeepResult kept = keepAttachment(session_.attachments().writtenPath(name), downloadFolder(), name);
    if (kept.ok) {
        setStatusMessage(tr("保存しました: %1").arg(kept.path));
        actions_.showMessage(this, tr("%1をダウンロードしました。").arg(name));
    } else {
        actions_.showMessage(this, tr("%1をダウンロードできませんでした。\n%2").arg(name, kept.error));
    }
}

void Form1::file002_Click() { emptyDownloadFolder(downloadFolder()); }

QString Form1::downloadFolder() const { return QDir(options_.workDir).filePath(QStringLiteral("download")); }

// --- Local file browser ------------------------------------------------------

void Form1::Command10_Click() { windows_.browser().showBrowser(); }

void Form1::Menu10_Click() { Command10_Click(); }

// --- Help and About ----------------------------------------------------------

// The guide in the language in force (readme.txt, readme-en.txt) in the
// desktop's text editor: the working folder's, else the one in the program's
// data folder, in UTF-8 (findGuideFile).
void Form1::help001_Click() {
    const QString readme = findGuideFile(options_.workDir, programDataDirs(), guideFileName());
    if (!QFileInfo(readme).isFile()) {
        actions_.showMessage(this, tr("ヘルプのファイル %1 がありません。").arg(readme));
        return;
    }
    const auto editor = helpEditorFor(readme);
    if (!editor) {
        setStatusMessage(tr("ヘルプを表示するテキストエディタが見つかりません。"));
        actions_.showMessage(this, tr("テキストエディタが見つからないため、ヘルプを表示できません。"));
    } else if (!actions_.startProgram(*editor)) {
        setStatusMessage(tr("ヘルプを表示するプログラム %1 を起動できませんでした。").arg(editor->program));
    }
}

void Form1::help003_Click() { windows_.about().showAbout(); }

}  // namespace sumire
