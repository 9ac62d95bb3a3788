#include "SettingsFileBuilder.h"

#include <gtest/gtest.h>

using namespace tarnell;

TEST(SettingsFile, Smoke) {
    auto file = test::MakeSample();
    const auto image = file->Store();
    EXPECT_EQ(image.size(), kServicePartSize);
}
