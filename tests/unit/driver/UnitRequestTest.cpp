#include "driver/UnitRequest.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

#include "DriverFixture.h"
#include "driver/DrvPropIoctl.h"
#include "CaseName.h"

namespace drvprop::testing {
namespace {

using Kind = FakeDeviceIo::Kind;
using OpenRule = FakeDeviceIo::OpenRule;

struct RequestCase {
  const char* name;
  OpenRule rule;
  bool answers;
  bool probe;
  bool expected;
  std::vector<Kind> events;
};
// Names the case in test listings instead of dumping its bytes.
void PrintTo(const RequestCase& c, std::ostream* os) { *os << c.name; }

class UnitRequestCases : public DriverFixture, public ::testing::WithParamInterface<RequestCase> {};

TEST_P(UnitRequestCases, OpensRequestsAndAlwaysCloses) {
  const RequestCase& c = GetParam();
  fake.SetOpenRule(0, c.rule);
  const STREAM_STATE reply{0, 2, 48000, {}};
  if (c.answers) fake.Reply(0, IOCTL_DRV_GET_STREAM_STATE, reply);

  STREAM_STATE buffer{};
  EXPECT_EQ(
      UnitRequest(fake, slots[0], IOCTL_DRV_GET_STREAM_STATE, &buffer, sizeof buffer, c.probe),
      c.expected);

  std::vector<Kind> events;
  for (const auto& event : fake.log()) {
    EXPECT_EQ(event.slot, 0);
    events.push_back(event.kind);
  }
  EXPECT_EQ(events, c.events);
  if (c.expected) {
    EXPECT_EQ(buffer.unitCount, 2);
    EXPECT_EQ(buffer.sampleRate, 48000);
    EXPECT_EQ(fake.Requests()[0]->size, sizeof buffer);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnitRequestCases,
    ::testing::Values(
        RequestCase{"ProbeThenRequest",
                    OpenRule::kAlways,
                    true,
                    true,
                    true,
                    {Kind::kOpen, Kind::kClose, Kind::kOpen, Kind::kRequest, Kind::kClose}},
        RequestCase{"NoProbe",
                    OpenRule::kAlways,
                    true,
                    false,
                    true,
                    {Kind::kOpen, Kind::kRequest, Kind::kClose}},
        RequestCase{
            "FailedProbeIsNotRetried", OpenRule::kAbsent, true, true, false, {Kind::kOpenFailed}},
        RequestCase{
            "FailedOpenWithoutProbe", OpenRule::kAbsent, true, false, false, {Kind::kOpenFailed}},
        RequestCase{"OpensOnlyForTheProbe",
                    OpenRule::kProbeOnly,
                    true,
                    true,
                    false,
                    {Kind::kOpen, Kind::kClose, Kind::kOpenFailed}},
        RequestCase{"FailedRequestStillCloses",
                    OpenRule::kAlways,
                    false,
                    true,
                    false,
                    {Kind::kOpen, Kind::kClose, Kind::kOpen, Kind::kRequest, Kind::kClose}}),
    CaseName<RequestCase>);

struct PresenceCase {
  const char* name;
  OpenRule rules[kMaxUnits];
  int expected;
};
void PrintTo(const PresenceCase& c, std::ostream* os) { *os << c.name; }

class CountPresentUnitsCases : public DriverFixture,
                               public ::testing::WithParamInterface<PresenceCase> {};

TEST_P(CountPresentUnitsCases, CountsSlotsThatOpenAndSendsNothing) {
  const PresenceCase& c = GetParam();
  for (int i = 0; i < kMaxUnits; ++i) fake.SetOpenRule(i, c.rules[i]);
  EXPECT_EQ(CountPresentUnits(fake, slots), c.expected);
  EXPECT_TRUE(fake.Requests().empty());
}

constexpr auto kA = OpenRule::kAbsent;
constexpr auto kY = OpenRule::kAlways;
INSTANTIATE_TEST_SUITE_P(Table, CountPresentUnitsCases,
                         ::testing::Values(PresenceCase{"None", {kA, kA, kA, kA}, 0},
                                           PresenceCase{"All", {kY, kY, kY, kY}, 4},
                                           PresenceCase{"SlotsOneAndThree", {kA, kY, kA, kY}, 2},
                                           PresenceCase{"OnlyTheLast", {kA, kA, kA, kY}, 1}),
                         CaseName<PresenceCase>);

}  // namespace
}  // namespace drvprop::testing
