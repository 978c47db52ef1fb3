// The platform's marker within one process; its life across processes is tested with real
// copies of the guard probe.
#include "app/instance_marker.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

std::string FreshName(const std::string& tail) {
  return "marker-test-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + tail;
}

TEST(InstanceMarker, CreationIsSeenAndReportedOnce) {
  // GBK bytes, a slash, characters that mean something to shells and file systems.
  for (std::string tail : {"", "\xB3\xCC\xD0\xF2", "/a/../b", " %s*?:"}) {
    Text name(FreshName(tail));
    SCOPED_TRACE(name.str());
    EXPECT_FALSE(MarkerHeld(name));
    EXPECT_EQ(CreateMarker(name), MarkerCreation::kCreated);
    EXPECT_TRUE(MarkerHeld(name));
    EXPECT_EQ(CreateMarker(name), MarkerCreation::kAlreadyHeld);
    EXPECT_FALSE(MarkerHeld(Text(name.str() + "~")));
  }
}

}  // namespace
