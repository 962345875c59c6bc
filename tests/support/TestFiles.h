#pragma once
// Files the tests write and read back, and a temporary folder that holds a
// bookmark.txt.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace sumire::test {

// Writes all of `bytes` as the file, making its folders first; a failure
// fails the test.
void writeFile(const QString& path, const QByteArray& bytes);

// Writes `script` as a program its owner may run, as writeFile does.
void writeProgram(const QString& path, const QByteArray& script);

// The file's bytes, or "(missing)" when it cannot be read, so that a missing
// file never passes for an empty one.
QByteArray readFile(const QString& path);

// Every file and folder below `folder`, hidden ones too, as lines of path,
// size and time of change, sorted: two listings are equal only when nothing
// was added, removed, changed or touched.
QStringList treeListing(const QString& folder);

// A test with a temporary folder of its own and the path of its bookmark.txt.
class BookmarkFolderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("bookmark.txt");
};

}  // namespace sumire::test
