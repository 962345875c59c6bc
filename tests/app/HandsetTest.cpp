// Handset models through the script interface: the picture shown, the value
// of phoneModel, and the setting stored at exit and read at the next start.

#include "ScriptRun.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace sumire::apptest {
namespace {

QJsonValue picture(const ScriptResult& r, int i) { return r.dump(i)["Form1"].toObject()["picture"]; }

TEST(Handset, ChoiceIsStoredAtExitAndRestoredAtTheNextStart) {
    Sandbox box;
    box.copyHandsetPictures();
    const ScriptResult first = box.run({"click Phone001", "dump", "click Menu001", "dump"});
    ASSERT_EQ(first.exitCode, 0) << first.err.constData();
    ASSERT_EQ(first.dumps.size(), 1);  // nothing runs after the exit command
    EXPECT_EQ(picture(first, 0), QJsonValue("phone_02.jpg"));
    EXPECT_EQ(first.model(0)["phoneModel"], QJsonValue(1));               // an integer after a menu choice
    EXPECT_TRUE(first.dump(0)["settings"].toObject()["Phone"].isNull());  // stored only at exit
    QSettings stored(box.settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value("Startup/Phone").toString(), QString("1"));

    const ScriptResult second = box.run({"dump", "click Phone000", "dump", "close Form1"});
    ASSERT_EQ(second.exitCode, 0) << second.err.constData();
    EXPECT_EQ(picture(second, 0), QJsonValue("phone_02.jpg"));
    EXPECT_EQ(second.model(0)["phoneModel"], QJsonValue("1"));  // the text read at start-up
    EXPECT_EQ(second.dump(0)["settings"].toObject()["Phone"], QJsonValue("1"));
    EXPECT_EQ(picture(second, 1), QJsonValue("phone_01.jpg"));
    // The LCD is drawn again over the new picture.
    EXPECT_EQ(second.dump(1)["draw"].toArray().size(), 2);

    const ScriptResult third = box.run({"dump"});
    EXPECT_EQ(picture(third, 0), QJsonValue("phone_01.jpg"));
    EXPECT_EQ(third.model(0)["phoneModel"], QJsonValue("0"));
}

QString status(const ScriptResult& r, int i) { return r.dump(i)["status"].toString(); }

TEST(Handset, AnUnreadablePictureKeepsTheCurrentOneIsNamedAndTheChoiceIsStillStored) {
    Sandbox box;
    box.copyHandsetPictures();
    box.write("phone_03.jpg", "no picture");
    const ScriptResult r = box.run({"click Phone001", "dump", "click Phone002", "dump", "close Form1"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(status(r, 0), QString());
    EXPECT_EQ(picture(r, 1), QJsonValue("phone_02.jpg"));
    EXPECT_EQ(r.model(1)["phoneModel"], QJsonValue(2));
    EXPECT_EQ(status(r, 1), QString("電話機の絵 %1 を読めません。").arg(box.path("phone_03.jpg")));
    const ScriptResult next = box.run({"dump"});
    EXPECT_EQ(next.model(0)["phoneModel"], QJsonValue("2"));
    EXPECT_EQ(picture(next, 0), QJsonValue("builtin"));  // its picture is still unreadable
    EXPECT_TRUE(status(next, 0).contains("phone_03.jpg")) << qPrintable(status(next, 0));
}

// The build copies the pictures beside its program; any working folder gets them.
TEST(Handset, PicturesBesideTheProgramServeAWorkingFolderWithoutThem) {
    Sandbox box;
    const ScriptResult r = box.run({"click Phone001", "dump", "click Phone002", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(picture(r, 0), QJsonValue("phone_02.jpg"));
    EXPECT_EQ(picture(r, 1), QJsonValue("phone_03.jpg"));
    EXPECT_EQ(status(r, 1), QString());
    EXPECT_FALSE(QFile::exists(box.path("phone_02.jpg")));  // nothing was copied to find them
}

TEST(Handset, APictureFoundNowhereIsNamedOnTheStatusLine) {
    Sandbox box;
    box.useProgramCopy();
    {
        QSettings stored(box.settingsFile(), QSettings::IniFormat);
        stored.setValue("Startup/Phone", "1");
    }
    const ScriptResult r = box.run({"dump", "click Phone002", "dump"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(picture(r, 0), QJsonValue("builtin"));
    EXPECT_EQ(status(r, 0), QString("電話機の絵 phone_02.jpg が見つかりません。"));
    EXPECT_EQ(status(r, 1), QString("電話機の絵 phone_03.jpg が見つかりません。"));
    EXPECT_EQ(r.model(1)["phoneModel"], QJsonValue(2));
}

TEST(Handset, AStoredValueThatIsNoModelKeepsTheBuiltInPictureAndIsWrittenBack) {
    for (const QString& value : {QString("3"), QString("phone"), QString(" 2 ")}) {
        Sandbox box;
        box.copyHandsetPictures();
        {
            QSettings stored(box.settingsFile(), QSettings::IniFormat);
            stored.setValue("Startup/Phone", value);
        }
        const ScriptResult r = box.run({"dump", "click Menu001"});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_EQ(r.model(0)["phoneModel"], QJsonValue(value));
        // " 2 " reads as the number 2; the others are no model.
        EXPECT_EQ(picture(r, 0), QJsonValue(value == " 2 " ? "phone_03.jpg" : "builtin")) << qPrintable(value);
        QSettings after(box.settingsFile(), QSettings::IniFormat);
        EXPECT_EQ(after.value("Startup/Phone").toString(), value);
    }
}

}  // namespace
}  // namespace sumire::apptest
