#include "linux/AtspiAccessibilityPlatform.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

namespace cuevox::platform {
namespace {

// Points both bus addresses nowhere before AT-SPI first starts in this process.
class NoBusEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/cuevox-test-bus", 1);
        setenv("AT_SPI_BUS_ADDRESS", "unix:path=/nonexistent/cuevox-test-a11y-bus", 1);
        unsetenv("DISPLAY");
    }
};
const auto* const kNoBus = ::testing::AddGlobalTestEnvironment(new NoBusEnvironment);

// With no bus to reach, AT-SPI cannot start: nothing is trusted, running or readable, every
// read is absent rather than an error, and nothing waits for a bus that never answers.
TEST(AtspiAccessibilityPlatform, WithoutABusNothingIsTrustedRunningOrReadable) {
    AtspiAccessibilityPlatform platform(AtspiAccessibilityPlatform::BundleIdentifiers{
        {"cuevox-deck-display", "com.pioneerdj.rekordboxdj"}});
    EXPECT_FALSE(platform.isProcessTrusted());
    EXPECT_FALSE(platform.requestTrust());
    EXPECT_TRUE(platform.runningApplications().empty());
    for (const decks::AccessibilityPlatform::ProcessID pid : {0, 1, -1, 4100}) {
        EXPECT_FALSE(platform.applicationElement(pid)) << pid;
    }
    for (const char* attribute : {"AXRole", "AXValue", "AXWindows", "AXChildren", ""}) {
        SCOPED_TRACE(attribute);
        EXPECT_FALSE(platform.stringAttribute(nullptr, attribute));
        EXPECT_FALSE(platform.elementsAttribute(nullptr, attribute));
    }
    // A second instance shares the one AT-SPI client and says the same.
    AtspiAccessibilityPlatform other(AtspiAccessibilityPlatform::BundleIdentifiers{});
    EXPECT_FALSE(other.isProcessTrusted());
}

} // namespace
} // namespace cuevox::platform
