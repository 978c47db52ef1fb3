// The guard's steps over a fake marker layer; the real markers are tested with processes.
#include "app/instance_guard.h"

#include <gtest/gtest.h>

#include "app/instance_marker_fake.h"

namespace {

using Calls = std::vector<std::string>;
constexpr char kDerived[] = "917b41c1b5ace220c8b4dcacd5857727";

class GuardTest : public testing::Test {
 protected:
  void SetUp() override { fake = MarkerFake(); }
  MarkerFake& fake = TheMarkerFake();
};

TEST_F(GuardTest, FirstCopyCreatesTheMarkerAndGoesOn) {
  for (auto creation : {MarkerCreation::kCreated, MarkerCreation::kFailed}) {
    SetUp();
    fake.creation = creation;  // a failed creation is ignored
    Text name = "Kestrival";
    GuardSingleInstance(&name, true, Text("x"), 16);
    EXPECT_EQ(name, "Kestrival");
    EXPECT_EQ(fake.calls, (Calls{"held Kestrival", "create Kestrival"}));
  }
}

TEST_F(GuardTest, EmptyOrAbsentNameUsesTheDerivedName) {
  Text name;
  GuardSingleInstance(&name);
  EXPECT_EQ(name, kDerived);
  SetUp();
  GuardSingleInstance();
  EXPECT_EQ(fake.calls,
            (Calls{std::string("held ") + kDerived, std::string("create ") + kDerived}));
}

TEST_F(GuardTest, MarkerHeldElsewhereEndsTheProcessWithZero) {
  fake.held = true;
  Text name = "Kestrival";
  EXPECT_EXIT(GuardSingleInstance(&name), testing::ExitedWithCode(0), "");
}

TEST_F(GuardTest, CreationThatFindsTheMarkerMadeCountsAsAnotherCopy) {
  // Two copies that both found no marker: the later creation reports it already made.
  fake.creation = MarkerCreation::kAlreadyHeld;
  Text name = "Kestrival";
  EXPECT_EXIT(GuardSingleInstance(&name), testing::ExitedWithCode(0), "");
}

}  // namespace
