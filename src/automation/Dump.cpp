#include "automation/Dump.h"

#include "app/Form1.h"
#include "automation/JsonWriter.h"
#include "store/PhoneSetting.h"
#include "app/PictureBoxes.h"
#include "app/SystemActions.h"
#include "app/Text2Box.h"
#include "app/WindowLook.h"
#include "windows/FileBrowser.h"
#include "windows/Form2.h"
#include "windows/Form3.h"
#include "windows/FrmAbout.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sumire {
namespace {

void writeControls(JsonWriter& j, const Form1& form) {
    const Form1Controls& c = form.controls();
    j.key("Form1").beginObject().field("enabled", form.isEnabled()).field("picture", form.pictureName()).endObject();
    j.key("shown").beginObject();
    for (const char* name : kSecondaryWindowNames) {
        const SecondaryWindow* window = form.windows().existing(QString::fromLatin1(name));
        j.field(name, window && window->isVisible());
    }
    j.endObject();
    j.key("Text1")
        .beginObject()
        .field("text", c.text1->text())
        .field("enabled", c.text1->isEnabled())
        .field("back", packedBoxBack(c.text1))
        .endObject();
    j.key("Text2")
        .beginObject()
        .field("text", c.text2->text())
        .field("readOnly", c.text2->isReadOnly())
        .field("back", packedBoxBack(c.text2))
        .field("selStart", c.text2->selStart())
        .field("selLength", c.text2->selLength())
        .endObject();
    j.field("Text3", c.text3->text());
    j.field("Label1(3)", c.label1[3]->text()).field("Label1(6)", c.label1[6]->text());
    j.field("Label2", c.label2->text());
    j.key("enabled").beginObject();
    for (int n : {1, 4, 10, 13, 14, 15, 16}) j.field(QStringLiteral("Command%1").arg(n), c.command[n]->isEnabled());
    for (const QAction* a : {c.menu10, c.menu005, c.menu006, c.menu007, c.menu008})
        j.field(a->objectName(), a->isEnabled());
    j.endObject();
    j.key("checked").beginObject();
    for (const QAction* a : {c.menu002, c.menu003}) j.field(a->objectName(), a->isChecked());
    j.endObject();
}

void writeMenusAndSlots(JsonWriter& j, const Form1& form) {
    const Form1Controls& c = form.controls();
    j.key("book000").beginArray();
    for (const QAction* item : c.book000) j.value(item->text());
    j.endArray();
    j.key("File001").beginArray();
    for (const QAction* item : c.file001)
        j.beginObject().field("caption", item->text()).field("enabled", item->isEnabled()).endObject();
    j.endArray();
    j.key("Picture1").beginArray();
    for (const PictureBox* box : c.picture1)
        j.beginObject()
            .field("width", box->twipsWidth())
            .field("height", box->twipsHeight())
            .field("picture", box->hasPicture())
            .endObject();
    j.endArray();
    j.field("Timer1", form.session().lastDrawn().blinking).field("AutoRedraw", form.session().lastDrawn().keep);
}

// The bookmark dialogs, the file browser and the About window as they stand;
// one not created shows the values it starts with.
void writeSecondaryWindows(JsonWriter& j, const Form1& form) {
    const SecondaryWindows& w = form.windows();
    const auto* form2 = qobject_cast<const Form2*>(w.existing(QStringLiteral("Form2")));
    j.key("Form2")
        .beginObject()
        .field("Text1", form2 ? form2->Text1()->text() : QString())
        .field("Text2", form2 ? form2->Text2()->text() : QString())
        .endObject();
    const auto* form3 = qobject_cast<const Form3*>(w.existing(QStringLiteral("Form3")));
    j.key("Form3")
        .beginObject()
        .field("Text1", form3 ? form3->Text1()->text() : QString())
        .field("Text2", form3 ? form3->Text2()->text() : QString());
    j.key("List1").stringArray(form3 ? form3->lines() : QStringList());
    j.field("selectedBookmark", form3 ? form3->selectedBookmark() : 0).endObject();
    const auto* browser = qobject_cast<const FileBrowser*>(w.existing(QStringLiteral("file")));
    j.key("file")
        .beginObject()
        .field("Text1", browser ? browser->Text1()->text() : QString())
        .field("Dir1", form.browserFolder());
    j.key("File1").stringArray(browser ? browser->files() : QStringList());
    j.endObject();
    const auto* about = qobject_cast<const FrmAbout*>(w.existing(QStringLiteral("frmAbout")));
    j.key("frmAbout")
        .beginObject()
        .field("caption", about ? about->windowTitle() : QString())
        .field("lblTitle", about ? about->lblTitle()->text() : QString())
        .field("lblVersion", about ? about->lblVersion()->text() : QString())
        .endObject();
}

template <typename Array>
void writeNumbers(JsonWriter& j, const QString& name, const Array& values) {
    j.key(name).beginArray();
    for (const auto v : values) j.value(int64_t(v));
    j.endArray();
}

template <typename Array>
void writeTexts(JsonWriter& j, const QString& name, const Array& values, int64_t count) {
    j.key(name).beginArray();
    for (int64_t i = 0; i < count; ++i) j.value(values[i]);
    j.endArray();
}

void writeModel(JsonWriter& j, const Form1& form) {
    const PageModel& m = form.session().model();
    j.key("model").beginObject();
    j.field("lcdText", m.lcdText).field("bodyStart", m.bodyStart);
    j.field("textRed", m.textRed).field("textGreen", m.textGreen).field("textBlue", m.textBlue);
    j.field("backRed", m.backRed).field("backGreen", m.backGreen).field("backBlue", m.backBlue);
    writeNumbers(j, "colorRed", m.colorRed);
    writeNumbers(j, "colorGreen", m.colorGreen);
    writeNumbers(j, "colorBlue", m.colorBlue);
    j.field("colorIdx", m.colorIdx).field("hexValue", m.hexValue);
    j.field("linkCount", m.linkCount);
    writeTexts(j, "linkKeys", m.linkKeys, m.storedLinkCount());
    writeTexts(j, "linkTargets", m.linkTargets, m.storedLinkCount());
    j.field("attachCount", m.attachCount);
    writeTexts(j, "attachNames", m.attachNames, m.storedAttachCount());
    j.field("lcdRow", m.lcdRow).field("lcdCol", m.lcdCol).field("scrollTop", m.scrollTop);
    j.field("imageRows", m.imageRows).field("blinkActive", m.blinkActive).field("blinkPhase", m.blinkPhase);
    j.field("lineChars", m.lineChars).field("lineCount", m.lineCount).field("charWidth", m.charWidth);
    j.field("lineHeight", m.lineHeight).field("fontSize", m.fontSize);
    const QVariant phone = form.phoneModel();
    j.key("phoneModel");
    if (phone.typeId() == QMetaType::QString) j.value(phone.toString());
    else j.value(phone.toInt());
    const BookmarkStore& b = form.bookmarks();
    j.field("lastBookmark", b.lastBookmark());
    writeTexts(j, "bookmarkTitles", b.bookmarkTitles(), b.lastBookmark() + 1);
    writeTexts(j, "bookmarkAddresses", b.bookmarkAddresses(), b.lastBookmark() + 1);
    j.endObject();
}

void writeDrawing(JsonWriter& j, const Form1& form) {
    j.key("draw").beginArray();
    for (const LcdOp& op : form.lastDrawing()) {
        j.beginArray().value(op.kind);
        for (int64_t v : op.values) j.value(v);
        j.endArray();
    }
    j.endArray();
}

}  // namespace

QByteArray dumpState(Form1& form, RecordingActions& recorded) {
    JsonWriter j;
    j.beginObject();
    writeControls(j, form);
    writeMenusAndSlots(j, form);
    writeSecondaryWindows(j, form);
    j.field("clipboard", QGuiApplication::clipboard()->text());
    j.key("messages").stringArray(recorded.takeMessages());
    j.key("started").stringArray(recorded.takeStarted());
    j.key("settings").beginObject().key("Phone");
    if (const auto phone = readPhoneSetting()) j.value(*phone);
    else j.null();
    j.endObject();
    j.field("attachFolder", form.session().attachments().path());
    writeModel(j, form);
    writeDrawing(j, form);
    j.key("archive");
    if (form.session().archiveFolder().isEmpty()) j.null();
    else j.value(form.session().archiveFolder());
    j.key("history")
        .beginObject()
        .field("back", form.session().history().backCount())
        .field("forward", form.session().history().forwardCount())
        .endObject();
    j.field("status", form.controls().fetchStatus->text());
    j.endObject();
    return j.text();
}

}  // namespace sumire
