#include "SafeFile.h"
#include "ReadOnlyPath.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>

namespace {

QStringList filesIn(const TestFolder& folder)
{
    return QDir(folder.path()).entryList(QDir::Files);
}

TEST(WriteFileAtomically, CreatesAndReplaces)
{
    TestFolder folder;
    const QString path = folder.file("a.dat");
    EXPECT_TRUE(WriteFileAtomically(path, "first"));
    EXPECT_EQ(TestFolder::read(path), "first");

    const auto mode = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    ASSERT_TRUE(QFile::setPermissions(path, mode));
    EXPECT_TRUE(WriteFileAtomically(path, QByteArray("\0second", 7)));
    EXPECT_EQ(TestFolder::read(path), QByteArray("\0second", 7));
    const auto modeBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                          QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
                          QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    EXPECT_EQ(QFile::permissions(path) & modeBits, mode);
    EXPECT_EQ(filesIn(folder), QStringList{"a.dat"});
}

TEST(WriteFileAtomically, FailureKeepsTheOldFileAndSaysWhy)
{
    TestFolder folder;
    QString error;
    EXPECT_FALSE(WriteFileAtomically(folder.file("no/such/a.dat"), "x", &error));
    EXPECT_EQ(error, qt_error_string(ENOENT));

    const QString path = folder.write("a.dat", "old");
    {
        ReadOnlyPath readOnly(folder.path());
        if (!readOnly.active())
            GTEST_SKIP() << "cannot make a folder read-only here";
        EXPECT_FALSE(WriteFileAtomically(path, "new", &error));
        EXPECT_TRUE(error == qt_error_string(EACCES) || error == qt_error_string(EPERM))
            << error.toStdString();
    }
    EXPECT_EQ(TestFolder::read(path), "old");
    EXPECT_EQ(filesIn(folder), QStringList{"a.dat"});
}

TEST(WriteFileAtomically, ReadOnlyFileIsNotReplaced)
{
    TestFolder folder;
    const QString path = folder.write("a.dat", "old");
    const QString from = folder.write("new.tmp", "new");
    {
        ReadOnlyPath readOnly(path);
        if (!readOnly.active())
            GTEST_SKIP() << "cannot make a file read-only here";
        QString error;
        EXPECT_FALSE(WriteFileAtomically(path, "new", &error));
        EXPECT_EQ(error, qt_error_string(EACCES));
        int number = 0;
        EXPECT_FALSE(ReplaceFile(from, path, &error, &number));
        EXPECT_EQ(number, EACCES);
    }
    EXPECT_EQ(TestFolder::read(path), "old");
    EXPECT_EQ(filesIn(folder), QStringList({"a.dat", "new.tmp"}));
}

TEST(WriteFileInPlace, ReplacesLongerAndShorterContent)
{
    TestFolder folder;
    const QString path = folder.write("a.ini", "[Comm]\r\nPort=1\r\n");
    EXPECT_TRUE(WriteFileInPlace(path, "[Comm]\r\nPort=1\r\nSettings=9600,n,8,1\r\n"));
    EXPECT_EQ(TestFolder::read(path), "[Comm]\r\nPort=1\r\nSettings=9600,n,8,1\r\n");
    EXPECT_TRUE(WriteFileInPlace(path, "[A]\r\n"));
    EXPECT_EQ(TestFolder::read(path), "[A]\r\n");
    EXPECT_EQ(filesIn(folder), QStringList{"a.ini"});

    QString error;
    EXPECT_FALSE(WriteFileInPlace(folder.file("missing.ini"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(filesIn(folder), QStringList{"a.ini"});
}

TEST(ReplaceFile, RenamesOverTheTarget)
{
    TestFolder folder;
    const QString from = folder.write("new.tmp", "new");
    const QString to = folder.write("a.dat", "old");
    EXPECT_TRUE(ReplaceFile(from, to));
    EXPECT_EQ(TestFolder::read(to), "new");
    EXPECT_EQ(filesIn(folder), QStringList{"a.dat"});

    QString error;
    int number = 0;
    EXPECT_FALSE(ReplaceFile(folder.file("missing.tmp"), to, &error, &number));
    EXPECT_EQ(number, ENOENT);
    EXPECT_EQ(error, qt_error_string(ENOENT));
    EXPECT_EQ(TestFolder::read(to), "new");
}

} // namespace
