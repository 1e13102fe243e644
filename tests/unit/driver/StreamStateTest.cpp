#include "driver/StreamState.h"

#include <gtest/gtest.h>

#include <ostream>

#include <optional>
#include <utility>
#include <vector>

#include "DriverFixture.h"
#include "UnitInfoBlocks.h"
#include "CaseName.h"

namespace drvprop::testing {
namespace {

// How one unit answers the stream state query and its fallback; an unset field is a
// request that unit fails. A slot with nothing set holds no unit.
struct UnitScript {
  std::optional<StreamReport> stream{};
  std::optional<UNIT_INFO> info{};
  std::optional<int32_t> mode{};
  std::optional<int32_t> clock{};

  bool present() const { return stream || info || mode || clock; }
};

void Script(FakeDeviceIo& fake, int slot, const UnitScript& unit) {
  if (!unit.present()) return;
  fake.Plug(slot);
  if (unit.stream) {
    fake.Reply(slot, IOCTL_DRV_GET_STREAM_STATE,
               STREAM_STATE{0, unit.stream->unitCount, unit.stream->sampleRate, {}});
  }
  if (unit.info) fake.Reply(slot, IOCTL_DRV_GET_UNIT_INFO, *unit.info);
  if (unit.mode) fake.Reply(slot, IOCTL_DRV_GET_UNIT_MODE, UNIT_MODE{*unit.mode});
  if (unit.clock) fake.Reply(slot, IOCTL_DRV_GET_UNIT_CLOCK, UNIT_CLOCK{0, *unit.clock});
}

struct QueryCase {
  const char* name;
  UnitScript units[kMaxUnits];
  std::optional<StreamReport> expected;
};
// Names the case in test listings instead of dumping its bytes.
void PrintTo(const QueryCase& c, std::ostream* os) { *os << c.name; }

class QueryStreamStateCases : public DriverFixture,
                              public ::testing::WithParamInterface<QueryCase> {};

TEST_P(QueryStreamStateCases, ReportsWhatTheUnitsSay) {
  const QueryCase& c = GetParam();
  for (int i = 0; i < kMaxUnits; ++i) Script(fake, i, c.units[i]);
  EXPECT_EQ(QueryStreamState(fake, slots), c.expected);
}

const UNIT_INFO kFirst = InfoBlock("Talvex USB 4829 rev.B");
const UNIT_INFO kFirstOtherCase = InfoBlock("TALVEX usb 4829 REV.b");
const UNIT_INFO kOther = InfoBlock("Talvex USB 4829 rev.C");
const UNIT_INFO kLonger = InfoBlock("Talvex USB 4829 rev.B2");
const UNIT_INFO kOversized = InfoBlock("Talvex USB 4829 rev.B", kMaxInfoData + 1);
constexpr std::optional<StreamReport> kNothing = std::nullopt;

// The fallback's matching rule: mode set and same block, or neither, counts a unit with
// the first unit's rate.
INSTANTIATE_TEST_SUITE_P(
    Table, QueryStreamStateCases,
    ::testing::Values(
        QueryCase{"FirstNonZeroStreamStateWins",
                  {{.stream = StreamReport{0, 44100}}, {.stream = StreamReport{2, 48000}}},
                  StreamReport{2, 48000}},
        QueryCase{"StreamStatePassedAsItIs",
                  {{}, {}, {.stream = StreamReport{-3, 0}}},
                  StreamReport{-3, 0}},
        QueryCase{"ModeSetAndSameApartFromCase",
                  {{.info = kFirst, .clock = 44100},
                   {.info = kFirstOtherCase, .mode = 1, .clock = 44100}},
                  StreamReport{2, 44100}},
        QueryCase{"ModeClearAndSame",
                  {{.info = kFirst, .clock = 44100}, {.info = kFirst, .mode = 0, .clock = 44100}},
                  StreamReport{1, 44100}},
        QueryCase{"ModeSetAndDifferent",
                  {{.info = kFirst, .clock = 44100}, {.info = kOther, .mode = 1, .clock = 44100}},
                  StreamReport{1, 44100}},
        QueryCase{"ModeClearAndDifferent",
                  {{.info = kFirst, .clock = 44100}, {.info = kOther, .mode = 0, .clock = 44100}},
                  StreamReport{2, 44100}},
        QueryCase{"ModeRequestFailsAndDifferentLength",
                  {{.info = kFirst, .clock = 44100}, {.info = kLonger, .clock = 44100}},
                  StreamReport{2, 44100}},
        QueryCase{"MatchingUnitAtAnotherRate",
                  {{.info = kFirst, .clock = 44100}, {.info = kFirst, .mode = 1, .clock = 48000}},
                  StreamReport{1, 44100}},
        QueryCase{"MatchingUnitWithoutClock",
                  {{.info = kFirst, .clock = 44100}, {.info = kFirst, .mode = 1}},
                  StreamReport{1, 44100}},
        QueryCase{"OnlyTheLastSlot",
                  {{}, {}, {}, {.info = kFirst, .clock = 96000}},
                  StreamReport{1, 96000}},
        QueryCase{"FourUnitsNoneStreaming",
                  {{.stream = StreamReport{0, 0}, .info = kFirst, .clock = 88200},
                   {.stream = StreamReport{0, 0}, .info = kFirst, .mode = 1, .clock = 88200},
                   {.info = kFirstOtherCase, .mode = 7, .clock = 88200},
                   {.info = kOther, .mode = 0, .clock = 88200}},
                  StreamReport{4, 88200}},
        // The first unit is the first to answer both requests; later units are compared
        // with its block, not with that of a slot that answered only one.
        QueryCase{"FirstUnitNeedsBothAnswers",
                  {{.info = kOther},
                   {.info = kFirst, .clock = 32000},
                   {.info = kFirst, .mode = 1, .clock = 32000},
                   {.info = kOther, .mode = 1, .clock = 32000}},
                  StreamReport{2, 32000}},
        // A length beyond the block cannot match anything, not even an identical claim.
        QueryCase{
            "OversizedCandidateWithModeSet",
            {{.info = kFirst, .clock = 44100}, {.info = kOversized, .mode = 1, .clock = 44100}},
            StreamReport{1, 44100}},
        QueryCase{
            "OversizedBothWithModeSet",
            {{.info = kOversized, .clock = 44100}, {.info = kOversized, .mode = 1, .clock = 44100}},
            StreamReport{1, 44100}},
        QueryCase{
            "OversizedCandidateWithModeClear",
            {{.info = kFirst, .clock = 44100}, {.info = kOversized, .mode = 0, .clock = 44100}},
            StreamReport{2, 44100}},
        QueryCase{"NoUnitAnswers", {}, kNothing},
        QueryCase{"UnitsAnswerOnlyPartly",
                  {{.stream = StreamReport{0, 48000}},
                   {.info = kFirst},
                   {.mode = 1, .clock = 48000},
                   {.clock = 48000}},
                  kNothing}),
    CaseName<QueryCase>);

using StreamStateQuery = DriverFixture;

TEST_F(StreamStateQuery, StopsAtTheFirstStreamingUnit) {
  Script(fake, 0, {.stream = StreamReport{0, 44100}, .info = kFirst, .clock = 44100});
  Script(fake, 1, {.stream = StreamReport{2, 48000}});
  Script(fake, 2, {.stream = StreamReport{3, 96000}});

  EXPECT_EQ(QueryStreamState(fake, slots), (StreamReport{2, 48000}));
  const std::vector<std::pair<int, uint32_t>> expected{{0, IOCTL_DRV_GET_STREAM_STATE},
                                                       {1, IOCTL_DRV_GET_STREAM_STATE}};
  EXPECT_EQ(fake.RequestSequence(), expected);
}

TEST_F(StreamStateQuery, FallbackAsksEachSlotOnlyWhatItNeeds) {
  Script(fake, 0, {.info = kOther});
  Script(fake, 1, {.info = kFirst, .clock = 44100});
  Script(fake, 2, {.info = kOther, .mode = 1, .clock = 44100});
  Script(fake, 3, {.info = kFirst, .mode = 1, .clock = 44100});

  int32_t unitCount = -1;
  int32_t sampleRate = -1;
  EXPECT_TRUE(CountMatchingUnits(fake, slots, unitCount, sampleRate));
  EXPECT_EQ(unitCount, 2);
  EXPECT_EQ(sampleRate, 44100);
  // Slot 0 is not asked again once slot 1 is the first unit; slot 2's clock is not asked
  // because its mode and its block disagree.
  const std::vector<std::pair<int, uint32_t>> expected{
      {0, IOCTL_DRV_GET_UNIT_INFO},  {0, IOCTL_DRV_GET_UNIT_CLOCK}, {1, IOCTL_DRV_GET_UNIT_INFO},
      {1, IOCTL_DRV_GET_UNIT_CLOCK}, {2, IOCTL_DRV_GET_UNIT_INFO},  {2, IOCTL_DRV_GET_UNIT_MODE},
      {3, IOCTL_DRV_GET_UNIT_INFO},  {3, IOCTL_DRV_GET_UNIT_MODE},  {3, IOCTL_DRV_GET_UNIT_CLOCK}};
  EXPECT_EQ(fake.RequestSequence(), expected);
}

TEST_F(StreamStateQuery, FallbackWithoutAnswerClearsItsOutputs) {
  Script(fake, 2, {.info = kFirst});
  int32_t unitCount = 5;
  int32_t sampleRate = 48000;
  EXPECT_FALSE(CountMatchingUnits(fake, slots, unitCount, sampleRate));
  EXPECT_EQ(unitCount, 0);
  EXPECT_EQ(sampleRate, 0);
}

// The queries define no input, so none may carry anything but zeros to the driver, even
// after an earlier slot's reply landed in the same kind of buffer.
TEST_F(StreamStateQuery, QueriesAreSentZeroFilled) {
  Script(fake, 0, {.stream = StreamReport{0, 44100}, .info = kFirst, .clock = 44100});
  Script(fake, 1, {.stream = StreamReport{0, 44100}, .info = kFirst, .mode = 1, .clock = 44100});
  EXPECT_EQ(QueryStreamState(fake, slots), (StreamReport{2, 44100}));
  for (const FakeDeviceIo::Event* request : fake.Requests()) {
    for (const uint8_t byte : request->input) ASSERT_EQ(byte, 0) << std::hex << request->code;
  }
}

}  // namespace
}  // namespace drvprop::testing
