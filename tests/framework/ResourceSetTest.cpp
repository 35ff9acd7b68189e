#include "ResourceSet.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

// A set that holds strings only; every other type keeps the default answer.
class CStringsOnly : public CResourceSet {
public:
    explicit CStringsOnly(std::map<unsigned, std::string> strings) : m_strings(std::move(strings)) {}

    const std::string* FindString(unsigned id) const override
    {
        const auto found = m_strings.find(id);
        return found != m_strings.end() ? &found->second : nullptr;
    }

private:
    std::map<unsigned, std::string> m_strings;
};

// Installs a set for one test and takes it away again.
class ResourceSetTest : public ::testing::Test {
protected:
    void TearDown() override { AfxSetResourceSet(nullptr); }
};

TEST_F(ResourceSetTest, LoadStringTellsAMissingStringFromAnEmptyOne)
{
    const CStringsOnly strings({{7, "seven"}, {8, ""}});
    AfxSetResourceSet(&strings);
    EXPECT_EQ(AfxGetResourceSet(), &strings);

    std::string text = "before";
    EXPECT_TRUE(AfxLoadString(8, text));
    EXPECT_EQ(text, "");
    EXPECT_TRUE(AfxLoadString(7, text));
    EXPECT_EQ(text, "seven");
    EXPECT_FALSE(AfxLoadString(9, text));
    EXPECT_EQ(text, "seven");  // untouched

    EXPECT_EQ(AfxLoadString(7), "seven");
    EXPECT_EQ(AfxLoadString(9), "");
}

TEST_F(ResourceSetTest, WithoutAnInstalledSetNothingIsFound)
{
    const CStringsOnly strings({{7, "seven"}});
    AfxSetResourceSet(&strings);
    AfxSetResourceSet(nullptr);
    EXPECT_EQ(AfxGetResourceSet(), nullptr);
    std::string text = "kept";
    EXPECT_FALSE(AfxLoadString(7, text));
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(AfxLoadString(7), "");
}

}  // namespace
