// The three handset models: each is only a picture beside the program,
// drawn at the client origin under the LCD.

#include "Form1.h"
#include "art/BoxSlots.h"
#include "store/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

namespace sumire {
namespace {

// phoneModel compared as a number: an integer, or a text that reads as one.
std::optional<double> modelNumber(const QVariant& value) {
    bool ok = false;
    const double number =
        value.typeId() == QMetaType::QString ? value.toString().trimmed().toDouble(&ok) : value.toDouble(&ok);
    if (!ok) return std::nullopt;
    return number;
}

}  // namespace

void Form1::Phone000_Click() { choosePhone(0); }
void Form1::Phone001_Click() { choosePhone(1); }
void Form1::Phone002_Click() { choosePhone(2); }

void Form1::choosePhone(int model) {
    phoneModel_ = model;
    SelectHandsetPicture();
    DrawLcd();
}

// False when phoneModel is no number or its picture could not be loaded;
// the window then keeps the picture it has.
bool Form1::SelectHandsetPicture() {
    const std::optional<double> number = modelNumber(phoneModel_);
    if (!number) return false;
    for (int n = 0; n < 3; ++n)
        if (*number == n) return loadHandsetPicture(QString::fromLatin1(kHandsetPictures[n]));
    return true;
}

// The working folder's picture, else the one beside the program or in its data
// folder. One that is missing or unreadable is named on the status line.
bool Form1::loadHandsetPicture(const QString& fileName) {
    const QString path = findProgramFile(options_.workDir, fileName);
    if (!QFileInfo(path).isFile()) {
        setStatusMessage(tr("電話機の絵 %1 が見つかりません。").arg(fileName));
        return false;
    }
    const QImage picture = readBoxPicture(path);
    if (picture.isNull()) {
        setStatusMessage(tr("電話機の絵 %1 を読めません。").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    client_->setPicture(picture);
    pictureName_ = fileName;
    return true;
}

}  // namespace sumire
