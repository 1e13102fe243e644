#include "driver/SettingsExchange.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "DriverFixture.h"
#include "CaseName.h"

namespace drvprop::testing {
namespace {

using OpenRule = FakeDeviceIo::OpenRule;

bool SameBytes(const auto& a, const auto& b) {
  static_assert(sizeof a == sizeof b);
  return std::memcmp(&a, &b, sizeof a) == 0;
}

DRVPROP_SETTINGS_IO DriverReply(int32_t marker, int32_t status) {
  DRVPROP_SETTINGS_IO reply{};
  for (int i = 0; i < kRateTableEntries; ++i) reply.settings.rateTable[i] = marker + i;
  reply.settings.value280 = marker;
  reply.settings.useSmallerAsioBuffer = 1;
  reply.settings.bufferLevel = 8;
  reply.settings.value320 = marker;
  reply.status = status;
  return reply;
}

DRVPROP_SETTINGS Defaults() {
  DRVPROP_SETTINGS settings{};
  SetSettingsDefaults(settings);
  return settings;
}

using SettingsExchange = DriverFixture;

TEST_F(SettingsExchange, ReadIsAnsweredByTheFirstUnitPresent) {
  fake.Plug(1);
  fake.Plug(3);
  const DRVPROP_SETTINGS_IO reply = DriverReply(100, 1);
  fake.Reply(1, IOCTL_DRV_GET_SETTINGS, reply);
  fake.Reply(3, IOCTL_DRV_GET_SETTINGS, DriverReply(300, 1));

  DRVPROP_SETTINGS_IO request{};
  EXPECT_TRUE(ReadSettings(fake, slots, request));
  EXPECT_TRUE(SameBytes(request, reply));
  const std::vector<std::pair<int, uint32_t>> expected{{1, IOCTL_DRV_GET_SETTINGS}};
  EXPECT_EQ(fake.RequestSequence(), expected);
  EXPECT_EQ(fake.Requests()[0]->size, sizeof request);
}

TEST_F(SettingsExchange, ReadSkipsUnitsThatDoNotAnswer) {
  fake.SetOpenRule(0, OpenRule::kProbeOnly);
  fake.Reply(0, IOCTL_DRV_GET_SETTINGS, DriverReply(0, 1));
  fake.Plug(1);
  fake.Fail(1, IOCTL_DRV_GET_SETTINGS);
  fake.Plug(2);
  const DRVPROP_SETTINGS_IO reply = DriverReply(200, 1);
  fake.Reply(2, IOCTL_DRV_GET_SETTINGS, reply);
  fake.Plug(3);

  DRVPROP_SETTINGS_IO request{};
  EXPECT_TRUE(ReadSettings(fake, slots, request));
  EXPECT_TRUE(SameBytes(request, reply));
  const std::vector<std::pair<int, uint32_t>> expected{{1, IOCTL_DRV_GET_SETTINGS},
                                                       {2, IOCTL_DRV_GET_SETTINGS}};
  EXPECT_EQ(fake.RequestSequence(), expected);
}

TEST_F(SettingsExchange, ReadFailsWhenTheOnlyUnitOpensJustForTheProbe) {
  fake.SetOpenRule(2, OpenRule::kProbeOnly);
  fake.Reply(2, IOCTL_DRV_GET_SETTINGS, DriverReply(0, 1));
  DRVPROP_SETTINGS_IO request{};
  EXPECT_FALSE(ReadSettings(fake, slots, request));
  EXPECT_TRUE(fake.Requests().empty());
}

// The dialog's read: what lands in its record, and whether it may be used.
struct LoadCase {
  const char* name;
  std::optional<int32_t> status;  // nullopt: no unit
  std::size_t replyBytes;
  bool usable;
};
// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LoadSettingsCases : public DriverFixture, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadSettingsCases, RecordAndUsability) {
  const LoadCase& c = GetParam();
  const DRVPROP_SETTINGS_IO reply = DriverReply(500, c.status.value_or(0));
  if (c.status) {
    fake.Plug(0);
    fake.Reply(0, IOCTL_DRV_GET_SETTINGS, reply, c.replyBytes);
  }
  DRVPROP_SETTINGS settings = DriverReply(-1, 0).settings;
  EXPECT_EQ(LoadSettingsFromDriver(fake, slots, settings), c.usable);

  // What the driver was sent, overlaid with what it wrote back.
  DRVPROP_SETTINGS_IO expected{};
  expected.settings = Defaults();
  std::memcpy(&expected, &reply, c.status ? c.replyBytes : 0);
  EXPECT_TRUE(SameBytes(settings, expected.settings));
  if (c.status) {
    const auto sent = fake.Requests()[0]->InputAs<DRVPROP_SETTINGS_IO>();
    EXPECT_TRUE(SameBytes(sent.settings, Defaults()));
    EXPECT_EQ(sent.status, 0);
  }
}

constexpr std::size_t kFullReply = sizeof(DRVPROP_SETTINGS_IO);
constexpr std::size_t kUpToBufferLevel = offsetof(DRVPROP_SETTINGS, bufferLevel);
INSTANTIATE_TEST_SUITE_P(
    Table, LoadSettingsCases,
    ::testing::Values(LoadCase{"ValidReply", 1, kFullReply, true},
                      LoadCase{"AnyNonZeroStatusIsValid", -4, kFullReply, true},
                      LoadCase{"StatusZeroCountsAsNoAnswer", 0, kFullReply, false},
                      LoadCase{"NoUnitKeepsDefaults", std::nullopt, 0, false},
                      // Later fields keep the defaults; the status stays the zero that was
                      // sent, so a reply that never confirms its settings is not used.
                      LoadCase{"ShortReplyKeepsDefaults", 1, kUpToBufferLevel, false}),
    CaseName<LoadCase>);

// Status of each slot's Set reply; nullopt: no unit in that slot.
struct WriteCase {
  const char* name;
  std::optional<int32_t> replies[kMaxUnits];
  bool answered;
  int32_t status;
};
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class WriteSettingsCases : public DriverFixture, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteSettingsCases, FoldsEveryAnsweringUnitsStatus) {
  const WriteCase& c = GetParam();
  for (int i = 0; i < kMaxUnits; ++i) {
    if (!c.replies[i]) continue;
    fake.Plug(i);
    fake.ReplyStatuses(i, IOCTL_DRV_SET_SETTINGS, {*c.replies[i]});
  }
  constexpr int32_t kUntouched = 42;
  DRVPROP_SETTINGS_IO request{};
  request.status = kUntouched;
  EXPECT_EQ(WriteSettings(fake, slots, request), c.answered);
  EXPECT_EQ(request.status, c.answered ? c.status : kUntouched);
}

constexpr std::nullopt_t kNone = std::nullopt;
INSTANTIATE_TEST_SUITE_P(
    Table, WriteSettingsCases,
    ::testing::Values(WriteCase{"InUseAndPowerCycle3", {1, 3, kNone, kNone}, true, 2},
                      WriteCase{"PowerCycle3ThenInUse", {3, kNone, 1, kNone}, true, 2},
                      WriteCase{"PowerCycleThenInUse", {2, 1, kNone, kNone}, true, 2},
                      WriteCase{"InUseAndTaken", {1, 0, kNone, kNone}, true, 1},
                      WriteCase{"TakenThenInUseAtTheLastSlot", {0, kNone, kNone, 1}, true, 1},
                      WriteCase{"UndefinedStatusesFoldToZero", {7, -1, 4, 7}, true, 0},
                      WriteCase{"UndefinedBesidePowerCycle", {kNone, 7, 2, kNone}, true, 2},
                      WriteCase{"NoUnitLeavesStatus", {kNone, kNone, kNone, kNone}, false, 0}),
    CaseName<WriteCase>);

TEST_F(SettingsExchange, WriteCarriesTheBufferFromUnitToUnit) {
  fake.Plug(1);
  fake.Plug(3);
  const DRVPROP_SETTINGS_IO slot1Reply = DriverReply(111, 1);
  fake.Reply(1, IOCTL_DRV_SET_SETTINGS, slot1Reply);
  fake.ReplyStatuses(3, IOCTL_DRV_SET_SETTINGS, {0});

  DRVPROP_SETTINGS_IO request{};
  request.settings = Defaults();
  const DRVPROP_SETTINGS_IO sent = request;
  EXPECT_TRUE(WriteSettings(fake, slots, request));
  EXPECT_EQ(request.status, 1);

  const auto requests = fake.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0]->slot, 1);
  EXPECT_TRUE(SameBytes(requests[0]->InputAs<DRVPROP_SETTINGS_IO>(), sent));
  EXPECT_EQ(requests[1]->slot, 3);
  EXPECT_TRUE(SameBytes(requests[1]->InputAs<DRVPROP_SETTINGS_IO>(), slot1Reply));
}

TEST_F(SettingsExchange, WriteVisitsEverySlotWhateverTheEarlierOnesDid) {
  fake.Plug(0);
  fake.Fail(0, IOCTL_DRV_SET_SETTINGS);
  fake.SetOpenRule(1, OpenRule::kProbeOnly);
  fake.Plug(2);
  fake.ReplyStatuses(2, IOCTL_DRV_SET_SETTINGS, {2});
  fake.Plug(3);
  fake.ReplyStatuses(3, IOCTL_DRV_SET_SETTINGS, {1});

  DRVPROP_SETTINGS_IO request{};
  EXPECT_TRUE(WriteSettings(fake, slots, request));
  EXPECT_EQ(request.status, 2);
  const std::vector<std::pair<int, uint32_t>> expected{
      {0, IOCTL_DRV_SET_SETTINGS}, {2, IOCTL_DRV_SET_SETTINGS}, {3, IOCTL_DRV_SET_SETTINGS}};
  EXPECT_EQ(fake.RequestSequence(), expected);
}

// A driver can fail a request with a warning status after its reply was copied back. Such
// a reply counts for nothing: the next unit gets the buffer as it was before it, and with no
// other unit answering the caller gets its buffer back unchanged.
TEST_F(SettingsExchange, FailedReplyIsUndoneForTheNextUnitAndTheCaller) {
  fake.Plug(0);
  fake.FailAfterWriting(0, IOCTL_DRV_SET_SETTINGS, DriverReply(900, 2));
  fake.FailAfterWriting(0, IOCTL_DRV_GET_SETTINGS, DriverReply(900, 1));
  DRVPROP_SETTINGS_IO request{};
  request.settings = Defaults();
  request.status = 7;
  const DRVPROP_SETTINGS_IO sent = request;

  EXPECT_FALSE(WriteSettings(fake, slots, request));
  EXPECT_TRUE(SameBytes(request, sent));
  EXPECT_FALSE(ReadSettings(fake, slots, request));
  EXPECT_TRUE(SameBytes(request, sent));

  fake.Plug(1);
  fake.ReplyStatuses(1, IOCTL_DRV_SET_SETTINGS, {0});
  EXPECT_TRUE(WriteSettings(fake, slots, request));
  EXPECT_EQ(request.status, 0);
  EXPECT_TRUE(SameBytes(fake.Requests().back()->InputAs<DRVPROP_SETTINGS_IO>(), sent));
}

TEST_F(SettingsExchange, ShortReadAfterAFailedReplyKeepsTheDefaults) {
  fake.Plug(0);
  fake.FailAfterWriting(0, IOCTL_DRV_GET_SETTINGS, DriverReply(900, 1));
  fake.Plug(1);
  const DRVPROP_SETTINGS_IO reply = DriverReply(100, 1);
  fake.Reply(1, IOCTL_DRV_GET_SETTINGS, reply, offsetof(DRVPROP_SETTINGS, value280));

  DRVPROP_SETTINGS settings{};
  EXPECT_FALSE(LoadSettingsFromDriver(fake, slots, settings));  // status 0: not usable
  DRVPROP_SETTINGS expected = Defaults();
  std::memcpy(expected.rateTable, reply.settings.rateTable, sizeof expected.rateTable);
  EXPECT_TRUE(SameBytes(settings, expected));
}

// Apply retries a write that was refused as "in use": the retry goes out with the folded 1
// of the first attempt still in the status word.
TEST_F(SettingsExchange, RetriedWriteSendsThePreviousAggregate) {
  fake.Plug(0);
  fake.ReplyStatuses(0, IOCTL_DRV_SET_SETTINGS, {1, 0});

  DRVPROP_SETTINGS_IO request{};
  ASSERT_TRUE(WriteSettings(fake, slots, request));
  EXPECT_EQ(request.status, 1);
  ASSERT_TRUE(WriteSettings(fake, slots, request));
  EXPECT_EQ(request.status, 0);
  EXPECT_EQ(fake.Requests()[1]->InputAs<DRVPROP_SETTINGS_IO>().status, 1);
}

}  // namespace
}  // namespace drvprop::testing
