#include "TempFile.h"
#include "WavReader.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const Bytes kFmt = Chunk("fmt ", FmtBody(1, 1, 16));
const Bytes kData = Chunk("data", Bytes{1, 2, 3, 4});

struct RejectCase {
    const char* name;
    Bytes file;
    WavRejectReason reason;
    std::uint64_t offset;
};

void PrintTo(const RejectCase& c, std::ostream* os)
{
    *os << c.name;
}

class WavReaderRejects : public ::testing::TestWithParam<RejectCase> {};

TEST_P(WavReaderRejects, WithReasonAndOffset)
{
    TempDir dir;
    const std::string path = dir.Write("f.wav", GetParam().file);
    CWavReader reader;
    EXPECT_FALSE(reader.Open(path.c_str()));
    EXPECT_EQ(reader.GetRejection().reason, GetParam().reason);
    EXPECT_EQ(reader.GetRejection().offset, GetParam().offset);
    EXPECT_EQ(reader.Read(nullptr, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WavReaderRejects,
    ::testing::Values(
        RejectCase{"Empty", {}, WavRejectReason::TooShort, 0},
        RejectCase{"ElevenBytes", Concat({Tag("RIFF"), U32(3), Bytes{'W', 'A', 'V'}}), WavRejectReason::TooShort, 0},
        RejectCase{"HeaderOnly", RiffWave({}), WavRejectReason::NoFormatChunk, 12},
        RejectCase{"Rifx", Concat({Tag("RIFX"), U32(4), Tag("WAVE"), kFmt, kData}), WavRejectReason::NotRiff, 0},
        RejectCase{"LowerCaseRiff", Concat({Tag("riff"), U32(4), Tag("WAVE"), kFmt, kData}), WavRejectReason::NotRiff, 0},
        RejectCase{"Avi", Concat({Tag("RIFF"), U32(4), Tag("AVI "), kFmt, kData}), WavRejectReason::NotWave, 8},
        RejectCase{"NoFmt", RiffWave(Concat({Chunk("LIST", Bytes(6, 1)), kData})), WavRejectReason::NoFormatChunk, 38},
        RejectCase{"DataBeforeFmtOnly", RiffWave(Concat({kData, kFmt})), WavRejectReason::NoDataChunk, 48},
        RejectCase{"NoDataAfterFmt", RiffWave(Concat({kFmt, Chunk("fact", U32(9))})), WavRejectReason::NoDataChunk, 48},
        RejectCase{"FmtCutShort", RiffWave(Concat({ChunkStating("fmt ", 16, Bytes(10, 0))})),
                   WavRejectReason::FormatTooLarge, 12},
        RejectCase{"FmtClaimsFourGigabytes", RiffWave(Concat({ChunkStating("fmt ", 0xFFFFFFFF, Bytes(20, 0))})),
                   WavRejectReason::FormatTooLarge, 12},
        RejectCase{"ChunkSizeBeyondTheEnd", RiffWave(Concat({ChunkStating("LIST", 0xFFFFFFF0, {}), kFmt, kData})),
                   WavRejectReason::NoFormatChunk, 20 + 0xFFFFFFF0ull},
        RejectCase{"HeaderCutShort", RiffWave(Concat({kFmt, Bytes{'d', 'a'}})), WavRejectReason::NoDataChunk, 36}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

struct AcceptCase {
    const char* name;
    Bytes file;
    std::uint32_t formatSize;
    std::uint64_t dataOffset;  // where the data body starts
    std::uint32_t dataSize;
};

void PrintTo(const AcceptCase& c, std::ostream* os)
{
    *os << c.name;
}

class WavReaderAccepts : public ::testing::TestWithParam<AcceptCase> {};

TEST_P(WavReaderAccepts, AndStandsAtTheDataBody)
{
    const AcceptCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.Write("f.wav", c.file);
    CWavReader reader;
    ASSERT_TRUE(reader.Open(path.c_str())) << DescribeRejection(reader.GetRejection());
    EXPECT_EQ(reader.GetRejection().reason, WavRejectReason::None);
    ASSERT_NE(reader.GetFormat(), nullptr);
    EXPECT_EQ(reader.GetFormatSize(), c.formatSize);
    EXPECT_EQ(reader.GetDataSize(), c.dataSize);
    std::uint8_t first[2] = {};
    ASSERT_EQ(reader.Read(first, 2), 2u);
    EXPECT_EQ(0, std::memcmp(first, c.file.data() + c.dataOffset, 2));
}

const Bytes kOddList = Chunk("LIST", Bytes(5, 'x'), /*pad=*/true);

INSTANTIATE_TEST_SUITE_P(
    Cases, WavReaderAccepts,
    ::testing::Values(
        AcceptCase{"Plain", RiffWave(Concat({kFmt, kData})), 16, 44, 4},
        AcceptCase{"RiffSizeZero", RiffWaveStating(0, Concat({kFmt, kData})), 16, 44, 4},
        AcceptCase{"RiffSizeTooSmall", RiffWaveStating(8, Concat({kFmt, kData})), 16, 44, 4},
        AcceptCase{"ListBeforeFactBetween",
                   RiffWave(Concat({Chunk("LIST", Bytes(10, 'i')), kFmt, Chunk("fact", U32(2)), kData})),
                   16, 74, 4},
        AcceptCase{"Format18", RiffWave(Concat({Chunk("fmt ", FmtBody(1, 1, 16, 8000, U16(0))), kData})), 18, 46, 4},
        AcceptCase{"Format40", RiffWave(Concat({Chunk("fmt ", FmtBody(0xFFFE, 2, 16, 8000, Bytes(24, 3))), kData})),
                   40, 68, 4},
        AcceptCase{"FormatEmpty", RiffWave(Concat({Chunk("fmt ", {}), kData})), 0, 28, 4},
        AcceptCase{"DataBeforeFmtIsSkipped", RiffWave(Concat({Chunk("data", Bytes{9, 9}), kFmt, kData})), 16, 54, 4},
        AcceptCase{"SecondFmtIsSkipped",
                   RiffWave(Concat({kFmt, Chunk("fmt ", FmtBody(3, 1, 32)), kData, Chunk("data", Bytes{8, 8})})),
                   16, 68, 4},
        AcceptCase{"DataSizeUnknown", RiffWave(Concat({kFmt, ChunkStating("data", 0xFFFFFFFF, Bytes{5, 6})})),
                   16, 44, 0xFFFFFFFF},
        // Odd chunks written without a pad byte, as the walk always read them.
        AcceptCase{"OddChunkUnpadded", RiffWave(Concat({Chunk("LIST", Bytes(5, 'x')), kFmt, kData})), 16, 57, 4},
        // Odd chunks padded, as RIFF writers do: the pad byte is skipped.
        AcceptCase{"OddChunkPadded", RiffWave(Concat({kOddList, kFmt, kData})), 16, 58, 4},
        AcceptCase{"OddFormatPadded",
                   RiffWave(Concat({Chunk("fmt ", FmtBody(1, 1, 16, 8000, Bytes{7}), true), kData})), 17, 46, 4},
        AcceptCase{"PadAfterChunkBetween", RiffWave(Concat({kFmt, Chunk("fact", Bytes{1, 2, 3}, true), kData})),
                   16, 56, 4}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(WavReaderTest, ReadDeliversTheDataBodyAndGoesOnPastItToTheEnd)
{
    TempDir dir;
    const Bytes file = RiffWave(Concat({kFmt, kData, Chunk("LIST", Bytes{'a', 'b'})}));
    const std::string path = dir.Write("f.wav", file);
    CWavReader reader;
    ASSERT_TRUE(reader.Open(path.c_str()));
    std::uint8_t buffer[32] = {};
    EXPECT_EQ(reader.Read(buffer, 3), 3u);
    EXPECT_EQ(buffer[2], 3);
    EXPECT_EQ(reader.Read(buffer, 5), 5u);  // the last data byte, then the next chunk's header
    EXPECT_EQ(buffer[0], 4);
    EXPECT_EQ(0, std::memcmp(buffer + 1, "LIST", 4));
    EXPECT_EQ(reader.Read(buffer, 32), 6u);  // fewer at the end of the file
    EXPECT_EQ(buffer[5], 'b');
    EXPECT_EQ(reader.Read(buffer, 32), 0u);
}

TEST(WavReaderTest, CloseAndReopenReleaseTheFile)
{
    TempDir dir;
    const std::string a = dir.Write("a.wav", RiffWave(Concat({kFmt, kData})));
    const std::string b = dir.Write("b.wav", RiffWave(Concat({kFmt, Chunk("data", Bytes{7, 7})})));
    CWavReader reader;
    std::uint8_t buffer[4];
    EXPECT_EQ(reader.Read(buffer, 4), 0u);  // nothing open yet
    reader.Close();

    ASSERT_TRUE(reader.Open(a.c_str()));
    CWavReader other;
    EXPECT_FALSE(other.Open(a.c_str()));  // held exclusively
    EXPECT_EQ(other.GetRejection().reason, WavRejectReason::CannotOpen);
    EXPECT_EQ(DescribeRejection(other.GetRejection()), "cannot open: the file is in use by another program");

    ASSERT_TRUE(reader.Open(b.c_str()));  // the second open lets go of the first file
    EXPECT_TRUE(other.Open(a.c_str()));
    EXPECT_EQ(reader.GetDataSize(), 2u);

    reader.Close();
    reader.Close();
    EXPECT_EQ(reader.GetFormat(), nullptr);
    EXPECT_EQ(reader.Read(buffer, 4), 0u);
}

TEST(WavReaderTest, AFolderRaisesAReadError)
{
    TempDir dir;
    CWavReader reader;
    EXPECT_THROW(reader.Open(dir.Path().c_str()), CFileException);
}

TEST(WavReaderTest, RejectionsReadAsPlainWordsWithOffsets)
{
    TempDir dir;
    const std::pair<Bytes, std::string> cases[] = {
        {Bytes(11, 0), "not a WAVE file: 11 bytes, too short for a RIFF header"},
        {Concat({Tag("RIFX"), U32(4), Tag("WAVE")}), "not a RIFF file (it starts with \"RIFX\")"},
        {Concat({Tag("RIFF"), U32(4), Bytes{'A', 'V', 0, 1}}), "not a WAVE file (RIFF form type \"AV\\x00\\x01\" at offset 0x8)"},
        {RiffWave(Chunk("LIST", Bytes(4, 0))), "no \"fmt \" chunk (the chunk walk reached offset 0x18, the file ends at 0x18)"},
        {RiffWave(Concat({kFmt, ChunkStating("LIST", 0x100, {})})),
         "no \"data\" chunk after the \"fmt \" chunk (the chunk walk reached offset 0x12c, the file ends at 0x2c)"},
        {RiffWave(ChunkStating("fmt ", 0xFFFFFFFF, Bytes(20, 0))),
         "the \"fmt \" chunk at offset 0xc states 4294967295 bytes, more than the file holds"},
    };
    for (const auto& [bytes, text] : cases) {
        const std::string path = dir.Write("f.wav", bytes);
        CWavReader reader;
        EXPECT_FALSE(reader.Open(path.c_str()));
        EXPECT_EQ(DescribeRejection(reader.GetRejection()), text);
    }
    CWavReader reader;
    EXPECT_FALSE(reader.Open((dir.Path() + "/none.wav").c_str()));
    EXPECT_EQ(DescribeRejection(reader.GetRejection()), "cannot open: No such file or directory");
}

// Whatever the bytes, Open ends quickly with an answer: chunk sizes of every kind, ids of
// every kind, truncation at every byte of a good file.
TEST(WavReaderTest, MalformedFilesNeverCrashOrHang)
{
    TempDir dir;
    const Bytes good = RiffWave(Concat({Chunk("LIST", Bytes(3, 'z'), true), kFmt, kData}));
    std::vector<Bytes> files;
    for (std::size_t cut = 0; cut < good.size(); ++cut)
        files.emplace_back(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(cut));
    for (std::uint32_t size : {0u, 1u, 7u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFF7u, 0xFFFFFFFFu}) {
        files.push_back(RiffWave(Concat({ChunkStating("LIST", size, Bytes(9, 0)), kFmt, kData})));
        files.push_back(RiffWave(Concat({ChunkStating("fmt ", size, Bytes(9, 0)), kData})));
        files.push_back(RiffWave(Concat({kFmt, ChunkStating("junk", size, Bytes(9, 0xFF)), kData})));
    }
    files.push_back(RiffWave(Bytes(64, 0)));
    files.push_back(RiffWave(Bytes(64, 0xFF)));
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string path = dir.Write("m.wav", files[i]);
        CWavReader reader;
        if (!reader.Open(path.c_str())) {
            EXPECT_NE(reader.GetRejection().reason, WavRejectReason::None) << i;
        }
    }
}

}  // namespace
