#include "macos/MacAccessibilityPlatform.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace cuevox::platform::macos {
namespace {

// Without the user's permission (as on a build machine) every read must be absence, never a
// crash; with it, Finder, which runs in every session, has known answers.
TEST(MacAccessibilityPlatformTest, ReadsFinderOrNothing) {
    MacAccessibilityPlatform platform;
    const auto applications = platform.runningApplications();
    for (const auto& application : applications) {
        EXPECT_GT(application.processIdentifier, 0);
        if (application.bundleIdentifier) {
            EXPECT_FALSE(application.bundleIdentifier->empty());
        }
    }
    EXPECT_FALSE(platform.stringAttribute(nullptr, "AXRole").has_value());
    EXPECT_FALSE(platform.elementsAttribute(nullptr, "AXChildren").has_value());

    const auto finder = std::find_if(applications.begin(), applications.end(), [](const auto& a) {
        return a.bundleIdentifier == "com.apple.finder";
    });
    if (finder == applications.end()) {
        GTEST_SKIP() << "no Finder in this session";
    }
    const auto element = platform.applicationElement(finder->processIdentifier);
    ASSERT_NE(element, nullptr) << "an element exists for any process, trusted or not";
    const bool trusted = platform.isProcessTrusted();
    const struct {
        const char* name;
        const char* attribute;
        std::optional<std::string> whenTrusted;
    } strings[] = {
        {"role", "AXRole", "AXApplication"},
        {"unknown attribute", "CuevoxNoSuchAttribute", std::nullopt},
        {"not a string", "AXWindows", std::nullopt},
        {"empty name", "", std::nullopt},
    };
    for (const auto& row : strings) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(platform.stringAttribute(element, row.attribute),
                  trusted ? row.whenTrusted : std::nullopt);
    }
    EXPECT_FALSE(platform.elementsAttribute(element, "AXRole").has_value()) << "not an array";
    const auto windows = platform.elementsAttribute(element, "AXWindows");
    EXPECT_EQ(windows.has_value(), trusted);
}

} // namespace
} // namespace cuevox::platform::macos
