#include "FakeAccessibilityPlatform.hpp"
