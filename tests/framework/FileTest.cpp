#include "File.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

constexpr unsigned kExclusiveRead = CFile::modeRead | CFile::shareCompat;

TEST(CFileTest, ReadsSeeksPastTheEndAndReadsNothingThere)
{
    TempDir dir;
    const std::string path = dir.Write("ten.bin", Bytes{0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), kExclusiveRead));
    std::uint8_t buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, 4), 4u);
    EXPECT_EQ(buffer[3], 3);
    EXPECT_EQ(file.Seek(2, CFile::current), 6u);
    EXPECT_EQ(file.Read(buffer, 16), 4u);  // fewer at the end of the file
    EXPECT_EQ(buffer[0], 6);
    EXPECT_EQ(file.Read(buffer, 16), 0u);
    EXPECT_EQ(file.Seek(4'000'000'000LL, CFile::current), 4'000'000'010u);
    EXPECT_EQ(file.Read(buffer, 16), 0u);
    EXPECT_EQ(file.GetLength(), 10u);
}

TEST(CFileTest, ExclusiveOpenRefusesASecondOpenerUntilClosed)
{
    TempDir dir;
    const std::string path = dir.Write("held.wav", Bytes{1, 2, 3});
    CFile first;
    ASSERT_TRUE(first.Open(path.c_str(), kExclusiveRead));

    CFile second;
    CFileException error;
    EXPECT_FALSE(second.Open(path.c_str(), kExclusiveRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
    EXPECT_EQ(error.m_strFileName, path);
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));

    first.Close();
    CFile third;
    EXPECT_TRUE(third.Open(path.c_str(), kExclusiveRead));
}

TEST(CFileTest, OpenFailsWithoutRaisingAndNamesTheCause)
{
    TempDir dir;
    struct Case {
        std::string path;
        int cause;
    } cases[] = {
        {dir.Path() + "/missing.wav", CFileException::fileNotFound},
        {dir.Path() + "/missing/deeper.wav", CFileException::fileNotFound},
        {dir.Write("plain", {}) + "/under-a-file.wav", CFileException::badPath},
    };
    for (const Case& c : cases) {
        CFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path.c_str(), kExclusiveRead, &error)) << c.path;
        EXPECT_EQ(error.m_cause, c.cause) << c.path;
        EXPECT_FALSE(file.IsOpen());
    }
}

TEST(CFileTest, NamedPipeAndDeviceAreRefusedAtOnce)
{
    TempDir dir;
    const std::string fifo = dir.Path() + "/pipe.wav";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/tty")}) {
        CFile file;  // a blocking open would hang the test here
        EXPECT_FALSE(file.Open(path.c_str(), kExclusiveRead)) << path;
    }
}

TEST(CFileTest, ReadErrorRaisesFileExceptionWithCauseAndName)
{
    TempDir dir;
    CFile folder;
    ASSERT_TRUE(folder.Open(dir.Path().c_str(), kExclusiveRead));
    std::uint8_t buffer[8];
    try {
        folder.Read(buffer, sizeof buffer);
        FAIL() << "reading a folder must raise";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::accessDenied);
        EXPECT_EQ(e.m_lOsError, EISDIR);
        EXPECT_EQ(e.m_strFileName, dir.Path());
    }
}

TEST(CFileTest, CreateWritesAndTruncatesOnlyAFileItHolds)
{
    TempDir dir;
    const std::string path = dir.Write("kept.wav", Bytes(100, 7));
    CFile holder;
    ASSERT_TRUE(holder.Open(path.c_str(), kExclusiveRead));

    CFile writer;
    EXPECT_FALSE(writer.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
    EXPECT_EQ(holder.GetLength(), 100u);

    holder.Close();
    ASSERT_TRUE(writer.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive));
    writer.Write("abc", 3);
    writer.Flush();
    EXPECT_EQ(writer.GetLength(), 3u);
}

TEST(CFileExceptionTest, MapsOperatingSystemErrorsToCauses)
{
    const std::pair<int, int> cases[] = {
        {0, CFileException::none},         {ENOENT, CFileException::fileNotFound},
        {ENOTDIR, CFileException::badPath}, {EMFILE, CFileException::tooManyOpenFiles},
        {EACCES, CFileException::accessDenied}, {EBADF, CFileException::invalidFile},
        {EWOULDBLOCK, CFileException::sharingViolation}, {ENOLCK, CFileException::lockViolation},
        {ENOSPC, CFileException::diskFull}, {EIO, CFileException::hardIO},
        {ESPIPE, CFileException::badSeek}, {EPROTO, CFileException::generic},
    };
    for (auto [osError, cause] : cases)
        EXPECT_EQ(CFileException::OsErrorToCause(osError), cause) << osError;
}

}  // namespace
