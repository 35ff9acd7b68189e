#include "FileException.h"
#include "TarvelinDoc.h"
#include "TempFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

constexpr std::size_t kFrames = 4460;

std::vector<std::int16_t> Tone(std::size_t frames)
{
    std::vector<std::int16_t> channel0(frames);
    for (std::size_t t = 0; t < frames; ++t)
        channel0[t] = static_cast<std::int16_t>(std::lround(9000.0 * std::sin(0.05 * static_cast<double>(t))));
    return channel0;
}

// A document made as the template makes it, through its runtime class.
std::unique_ptr<CTarvelinDoc> NewDocument()
{
    std::unique_ptr<CTarvelinDoc> doc(dynamic_cast<CTarvelinDoc*>(RUNTIME_CLASS(CTarvelinDoc)->CreateObject()));
    EXPECT_TRUE(doc->OnNewDocument());
    return doc;
}

std::vector<double> Levels(const CTarvelinDoc& doc)
{
    return {std::begin(doc.m_dSpectrum), std::end(doc.m_dSpectrum)};
}

TEST(TarvelinDocTest, RuntimeClassCreatesItAndANewDocumentIsZeroEverywhere)
{
    const CRuntimeClass* pClass = RUNTIME_CLASS(CTarvelinDoc);
    EXPECT_STREQ(pClass->m_lpszClassName, "CTarvelinDoc");
    EXPECT_EQ(pClass->m_wSchema, 0xFFFFu);
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CDocument));
    auto doc = NewDocument();
    EXPECT_EQ(Levels(*doc), std::vector<double>(SPECTRUM_BANDS, 0.0));
    EXPECT_EQ(doc->GetPathName(), "");
    EXPECT_FALSE(doc->IsModified());
}

TEST(TarvelinDocTest, OpensSixteenBitPcmAndKeepsItsLevelsWhenAFileIsRefused)
{
    TempDir dir;
    auto doc = NewDocument();
    const std::string mono = dir.Write("mono.wav", Pcm16Wave(1, Tone(kFrames)));
    ASSERT_TRUE(doc->OnOpenDocument(mono.c_str()));
    const std::vector<double> opened = Levels(*doc);
    EXPECT_NE(opened, std::vector<double>(SPECTRUM_BANDS, 0.0));
    EXPECT_FALSE(doc->IsModified());

    const Bytes data = Chunk("data", Bytes(kFrames * 4, 0x40));
    const struct {
        const char* name;
        Bytes file;
    } refused[] = {
        {"8-bit", RiffWave(Concat({Chunk("fmt ", FmtBody(1, 1, 8)), data}))},
        {"24-bit", RiffWave(Concat({Chunk("fmt ", FmtBody(1, 1, 24)), data}))},
        {"float", RiffWave(Concat({Chunk("fmt ", FmtBody(3, 1, 32)), data}))},
        {"extensible", RiffWave(Concat({Chunk("fmt ", FmtBody(0xFFFE, 2, 16, 44100, Bytes(24, 0))), data}))},
        {"short format", RiffWave(Concat({Chunk("fmt ", Bytes{1, 0, 1, 0}), data}))},
        {"no channels", RiffWave(Concat({Chunk("fmt ", FmtBody(1, 0, 16)), data}))},
        {"text", Bytes{'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '\n', '!'}},
    };
    for (const auto& r : refused) {
        EXPECT_FALSE(doc->OnOpenDocument(dir.Write("r.wav", r.file).c_str())) << r.name;
        EXPECT_EQ(Levels(*doc), opened) << r.name;
    }
    EXPECT_FALSE(doc->OnOpenDocument((dir.Path() + "/missing.wav").c_str()));
    EXPECT_EQ(Levels(*doc), opened);

    // A read error leaves the document as it was, too.
    EXPECT_THROW(doc->OnOpenDocument(dir.Path().c_str()), CFileException);
    EXPECT_EQ(Levels(*doc), opened);
}

TEST(TarvelinDocTest, MonoAndStereoWithTheSameFirstChannelGiveTheSameLevels)
{
    TempDir dir;
    auto mono = NewDocument();
    auto stereo = NewDocument();
    ASSERT_TRUE(mono->OnOpenDocument(dir.Write("m.wav", Pcm16Wave(1, Tone(kFrames))).c_str()));
    ASSERT_TRUE(stereo->OnOpenDocument(dir.Write("s.wav", Pcm16Wave(2, Interleave(Tone(kFrames), 2, 777))).c_str()));
    EXPECT_EQ(Levels(*mono), Levels(*stereo));
}

}  // namespace
