// Where the shipped help is read from: the environment first, else (for a
// build that is not installed) the source tree's data folder.
#include "platform/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScopedEnvironment.h"

namespace parlevox {
namespace {

TEST(DataFolderTest, TheEnvironmentWinsElseTheBuildsOwnDataWithItsHelpPages) {
    test::ScopedEnvironment environment;
    environment.Set("PARLEVOX_DATA_DIR", "/srv/pv-data");
    EXPECT_EQ(DataFolder::Path(), "/srv/pv-data/");
    EXPECT_EQ(DataFolder::MajorChannelsPath(), "/srv/pv-data/MajorChannels.dat");
    environment.Set("PARLEVOX_DATA_DIR", "");
    const std::string built = DataFolder::Path();
    ASSERT_FALSE(built.empty());
    EXPECT_EQ(built.back(), '/');
    EXPECT_TRUE(std::filesystem::is_regular_file(built + "help/index.html")) << built;
    EXPECT_TRUE(std::filesystem::is_regular_file(built + "help/tutorial/index.html")) << built;
}

}  // namespace
}  // namespace parlevox
