// Several units: the unit count and sample rate come from whichever unit reports a stream
// state, else from counting the units that match the first one.
#include "harness/PanelTest.h"
#include "res/resource.h"

namespace drvprop::e2e {
namespace {

struct MultiUnitCase {
  const char* name;
  std::vector<const char*> commands;  // qxdvctl command lines, run in order
  const wchar_t* asioLine;            // level 5, normal buffers
};

// Every unit of the driver starts with the same information block, mode set and the same
// clock. Here two units report no stream state, agree on 44100 Hz and their blocks differ
// only in letter case, so the fallback counts both.
const std::vector<const char*> kTwoMatchingUnits = {"plug 2",        "stream 1 0 0",
                                                    "stream 2 0 0",  "clock 1 44100",
                                                    "clock 2 44100", "info 2 \"qxdv4829 unit\""};

std::vector<const char*> TwoMatchingUnitsAnd(std::initializer_list<const char*> more) {
  std::vector<const char*> commands = kTwoMatchingUnits;
  commands.insert(commands.end(), more);
  return commands;
}

// Level 5, normal buffers: 288 is one unit at 44100 Hz, 432 two.
const MultiUnitCase kCases[] = {
    {"StreamStateFromTheSecondSlot",
     {"plug 2", "stream 1 0 48000", "stream 2 2 48000"},
     L"ASIO Buffer Size:  480 samples"},
    {"TwoMatchingUnits", kTwoMatchingUnits, L"ASIO Buffer Size:  432 samples"},
    {"ModeNotSetIsNotCounted", TwoMatchingUnitsAnd({"mode 2 0"}),
     L"ASIO Buffer Size:  288 samples"},
    {"DifferentBlockWithFailedModeIsCounted", TwoMatchingUnitsAnd({"info-len 2 3", "mode 2 fail"}),
     L"ASIO Buffer Size:  432 samples"},
    {"DifferentBlockWithModeSetIsNotCounted", TwoMatchingUnitsAnd({"info 2 OtherUnit"}),
     L"ASIO Buffer Size:  288 samples"},
    {"OtherClockIsNotCounted", TwoMatchingUnitsAnd({"clock 2 48000"}),
     L"ASIO Buffer Size:  288 samples"},
    {"FourMatchingUnits",
     {"plug 2", "plug 3", "plug 4", "stream 1 0 0", "stream 2 0 0", "stream 3 0 0", "stream 4 0 0"},
     L"ASIO Buffer Size:  800 samples"},
    {"OnlyTheLastSlotAnswers",
     {"plug 4", "unplug 1", "stream 4 0 0", "clock 4 96000"},
     L"ASIO Buffer Size:  640 samples"},
};

class MultiUnitTest : public PanelTest, public ::testing::WithParamInterface<MultiUnitCase> {};

TEST_P(MultiUnitTest, AsioLineCountsTheUnitsStreamingTogether) {
  for (const char* command : GetParam().commands) qxdv().Run(command);
  Panel panel = StartPanel();
  HWND dialog = WaitForMainDialog(panel);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDC_STATIC_ASIO_BUF), GetParam().asioLine);
}

INSTANTIATE_TEST_SUITE_P(, MultiUnitTest, ::testing::ValuesIn(kCases), CaseName());

}  // namespace
}  // namespace drvprop::e2e
