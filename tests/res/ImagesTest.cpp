#include "Resource.h"
#include "TarvelinResources.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

const CResourceSet& Res() { return TarvelinResources(); }

struct ImageCase {
    const char* name;
    const ImageResource* image;
    int width, height, bitsPerPixel;
    bool masked;
};

std::vector<ImageCase> AllImages()
{
    const IconGroup* app = Res().FindIconGroup(IDR_MAINFRAME);
    const IconGroup* doc = Res().FindIconGroup(IDR_TARVELTYPE);
    const CursorGroup* help = Res().FindCursorGroup(AFX_IDC_CONTEXTHELP);
    EXPECT_TRUE(app != nullptr && doc != nullptr && help != nullptr);
    if (app == nullptr || doc == nullptr || help == nullptr)
        return {};
    EXPECT_EQ(app->images.size(), 2u);
    EXPECT_EQ(doc->images.size(), 1u);
    EXPECT_EQ(help->images.size(), 2u);
    if (app->images.size() != 2 || doc->images.size() != 1 || help->images.size() != 2)
        return {};
    return {
        {"icon 128 large", &app->images[0], 32, 32, 4, true},
        {"icon 128 small", &app->images[1], 16, 16, 4, true},
        {"icon 129", &doc->images[0], 32, 32, 4, true},
        {"cursor large", &help->images[0].image, 32, 32, 1, true},
        {"cursor small", &help->images[1].image, 16, 16, 1, true},
        {"bitmap 26567", Res().FindBitmap(CTL3D_3DCHECK), 70, 39, 4, false},
        {"bitmap 30994", Res().FindBitmap(AFX_IDB_MINIFRAME_MENU), 12, 10, 4, false},
        {"bitmap 30995", Res().FindBitmap(AFX_IDB_CHECKLISTBOX_NT), 39, 13, 4, false},
        {"bitmap 30996", Res().FindBitmap(AFX_IDB_CHECKLISTBOX_95), 33, 11, 4, false},
    };
}

TEST(ImagesTest, SizesDepthsPalettesAndMasks)
{
    const std::vector<ImageCase> cases = AllImages();
    ASSERT_EQ(cases.size(), 9u);
    for (const ImageCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.image, nullptr);
        const ImageResource& image = *c.image;
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, c.height);
        EXPECT_EQ(image.bitsPerPixel, c.bitsPerPixel);
        const std::size_t area = static_cast<std::size_t>(c.width * c.height);
        ASSERT_EQ(image.palette.size(), 1u << c.bitsPerPixel);
        EXPECT_EQ(image.palette.front(), 0x000000u);
        EXPECT_EQ(image.palette.back(), 0xFFFFFFu);
        ASSERT_EQ(image.pixels.size(), area);
        ASSERT_EQ(image.mask.size(), c.masked ? area : 0u);

        std::set<std::uint32_t> opaqueColors;
        std::size_t transparent = 0;
        for (std::size_t i = 0; i < area; ++i) {
            ASSERT_LT(image.pixels[i], image.palette.size()) << "pixel " << i;
            if (c.masked) {
                ASSERT_LE(image.mask[i], 1) << "pixel " << i;
                if (image.mask[i] == 1) {
                    ++transparent;
                    EXPECT_EQ(image.pixels[i], 0) << "transparent pixel " << i;
                    continue;
                }
            }
            opaqueColors.insert(image.palette[image.pixels[i]]);
        }
        // A picture, not a blank: two colours at least, and a shape against the ground.
        EXPECT_GE(opaqueColors.size(), 2u);
        if (c.masked) {
            EXPECT_GT(transparent, 0u);
            EXPECT_LT(transparent, area);
        }
    }
}

TEST(ImagesTest, CursorHotSpotsSitOnThePointerTip)
{
    const CursorGroup* help = Res().FindCursorGroup(AFX_IDC_CONTEXTHELP);
    ASSERT_NE(help, nullptr);
    ASSERT_EQ(help->images.size(), 2u);
    const struct {
        int size, hotSpot;
    } expected[] = {{32, 2}, {16, 1}};
    for (std::size_t i = 0; i < 2; ++i) {
        const CursorImage& cursor = help->images[i];
        SCOPED_TRACE(expected[i].size);
        EXPECT_EQ(cursor.image.width, expected[i].size);
        EXPECT_EQ(cursor.hotSpotX, expected[i].hotSpot);
        EXPECT_EQ(cursor.hotSpotY, expected[i].hotSpot);
        const int h = cursor.hotSpotX;
        EXPECT_FALSE(cursor.image.IsTransparent(h, h));
        // Nothing of the pointer lies above or to the left of the tip.
        for (int y = 0; y < cursor.image.height; ++y) {
            for (int x = 0; x < cursor.image.width; ++x) {
                if (x < h || y < h) {
                    EXPECT_TRUE(cursor.image.IsTransparent(x, y)) << x << "," << y;
                }
            }
        }
    }
}

}  // namespace
