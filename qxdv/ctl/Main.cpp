// qxdvctl: scripts the substitute driver's simulated units and reads back their state and
// the requests they answered. Used by the test bed scripts and by tests from Linux.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "ControlChannel.h"
#include "RecordFields.h"

namespace qxdv {
namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr DWORD kHoldWaitMs = 30000;

constexpr char kUsage[] =
    "usage: qxdvctl COMMAND [ARGS]   (N is a unit number 1..4)\n"
    "  reset                         all units back to their state at driver load\n"
    "  plug N | unplug N             create or delete unit N's device\n"
    "  stream N UNITS RATE           stream state reply: unitCount, sampleRate\n"
    "  info N TEXT                   unit info block = TEXT's bytes, infoLength = its length\n"
    "  info-len N LEN                infoLength only\n"
    "  mode N VALUE|fail             unit mode reply, or make the request fail\n"
    "  clock N RATE|fail             unit clock reply, or make the request fail\n"
    "  get-status N VALUE            status word of every Get settings reply\n"
    "  set-status N S1[,S2,...]      status words of the next Set replies, then the last\n"
    "  fail N REQUEST|none           make REQUEST fail; none clears every fault of unit N\n"
    "  reply-bytes N REQUEST BYTES|full  report only BYTES bytes; full undoes it\n"
    "  field N NAME VALUE            one field of the stored record (NAME or rateTable[K])\n"
    "  record N                      the stored record as NAME=VALUE lines\n"
    "  unit N                        everything unit N answers with\n"
    "  log                           the requests answered since the last clear\n"
    "  log-clear                     empty the log\n"
    "  hold                          wait for the driver, print ready, then stay alive\n"
    "REQUEST is a name such as IOCTL_DRV_GET_SETTINGS or GET_SETTINGS.\n";

int UsageError(const char* what, const char* argument = nullptr) {
  if (argument != nullptr) {
    std::fprintf(stderr, "qxdvctl: %s: '%s'\n", what, argument);
  } else {
    std::fprintf(stderr, "qxdvctl: %s\n", what);
  }
  std::fprintf(stderr, "qxdvctl: run it without arguments for the list of commands\n");
  return kExitUsage;
}

int DriverError(uint32_t error) {
  std::fprintf(stderr,
               "qxdvctl: the driver refused the request or cannot be reached (Win32 error %u);"
               " is the test bed up (scripts/testbed up)?\n",
               error);
  return kExitFailed;
}

bool ParseInt32(const char* text, int32_t& value) {
  errno = 0;
  char* end = nullptr;
  const long long parsed = std::strtoll(text, &end, 0);
  if (errno != 0 || end == text || *end != '\0' || parsed < INT32_MIN || parsed > UINT32_MAX) {
    return false;
  }
  value = static_cast<int32_t>(parsed);  // 0xFFFFFFFF and friends are accepted as bit patterns
  return true;
}

bool ParseUnit(const char* text, uint32_t& unit) {
  int32_t value = 0;
  if (!ParseInt32(text, value) || value < 1 || value > int32_t(kUnitCount)) return false;
  unit = static_cast<uint32_t>(value);
  return true;
}

bool ParseRequest(std::string_view text, uint32_t& index) {
  constexpr std::string_view kPrefix = "IOCTL_DRV_";
  for (uint32_t i = 0; i < kRequestCount; ++i) {
    const std::string_view name = kRequests[i].name;
    if (text.size() != name.size() && text.size() != name.size() - kPrefix.size()) continue;
    const std::string_view tail = name.substr(name.size() - text.size());
    bool same = true;
    for (size_t c = 0; c < text.size() && same; ++c) {
      same = std::toupper(static_cast<unsigned char>(text[c])) == tail[c];
    }
    if (same) {
      index = i;
      return true;
    }
  }
  return false;
}

// The arguments after the command name, and the command being built from them.
struct Invocation {
  int argc;
  char** argv;
  uint32_t unit;
  QXDV_COMMAND command;
};

int Send(Invocation& call, uint32_t op) {
  call.command.op = op;
  call.command.unit = call.unit;
  uint32_t error = 0;
  return SendCommand(call.command, &error) ? 0 : DriverError(error);
}

int SendFault(Invocation& call, uint32_t request, FaultKind kind, int32_t replyBytes = 0) {
  call.command.arg = request;
  call.command.values[0] = kind;
  call.command.values[1] = replyBytes;
  return Send(call, kOpFault);
}

int SendValue(Invocation& call, uint32_t op, const char* text) {
  if (!ParseInt32(text, call.command.values[0])) return UsageError("not a number", text);
  return Send(call, op);
}

// "mode" and "clock": a value answers normally again, "fail" makes the request fail.
int SendValueOrFail(Invocation& call, uint32_t op, uint32_t request) {
  const char* text = call.argv[1];
  if (std::strcmp(text, "fail") == 0) return SendFault(call, request, kFaultFail);
  if (!ParseInt32(text, call.command.values[0])) return UsageError("not a number or fail", text);
  if (const int result = Send(call, op); result != 0) return result;
  return SendFault(call, request, kFaultNone);
}

int Stream(Invocation& call) {
  if (!ParseInt32(call.argv[1], call.command.values[0]))
    return UsageError("bad UNITS", call.argv[1]);
  if (!ParseInt32(call.argv[2], call.command.values[1]))
    return UsageError("bad RATE", call.argv[2]);
  return Send(call, kOpStream);
}

int Info(Invocation& call) {
  const size_t length = std::strlen(call.argv[1]);
  if (length > kMaxInfoData) return UsageError("info text longer than 2048 bytes");
  std::memcpy(call.command.bytes, call.argv[1], length);
  call.command.count = static_cast<uint32_t>(length);
  return Send(call, kOpInfo);
}

int InfoLength(Invocation& call) {
  int32_t length = 0;
  if (!ParseInt32(call.argv[1], length)) return UsageError("bad LEN", call.argv[1]);
  call.command.arg = static_cast<uint32_t>(length);
  return Send(call, kOpInfoLength);
}

int StatusScript(Invocation& call) {
  std::string list = call.argv[1];
  uint32_t count = 0;
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    const std::string item = list.substr(start, comma - start);
    if (count == kMaxStatusScript) return UsageError("more than 16 status values");
    if (!ParseInt32(item.c_str(), call.command.values[count])) {
      return UsageError("bad status value", item.c_str());
    }
    ++count;
    start = comma + 1;
  }
  call.command.count = count;
  return Send(call, kOpStatusScript);
}

int Fail(Invocation& call) {
  if (std::strcmp(call.argv[1], "none") == 0) return Send(call, kOpClearFaults);
  uint32_t request = 0;
  if (!ParseRequest(call.argv[1], request)) return UsageError("unknown request", call.argv[1]);
  return SendFault(call, request, kFaultFail);
}

int ReplyBytes(Invocation& call) {
  uint32_t request = 0;
  if (!ParseRequest(call.argv[1], request)) return UsageError("unknown request", call.argv[1]);
  if (std::strcmp(call.argv[2], "full") == 0) return SendFault(call, request, kFaultNone);
  int32_t bytes = 0;
  if (!ParseInt32(call.argv[2], bytes) || bytes < 0) return UsageError("bad BYTES", call.argv[2]);
  return SendFault(call, request, kFaultShortReply, bytes);
}

int Field(Invocation& call) {
  const auto word = FindRecordWord(call.argv[1]);
  if (!word) return UsageError("unknown record field", call.argv[1]);
  call.command.arg = *word;
  return SendValue(call, kOpField, call.argv[2]);
}

// The unit's state comes in a 2.5 KB reply; static storage keeps it off the small stack.
QXDV_UNIT_STATE g_unit;

int ReadUnitState(const Invocation& call) {
  uint32_t error = 0;
  return ReadUnit(call.unit, g_unit, &error) ? 0 : DriverError(error);
}

int Record(Invocation& call) {
  if (const int result = ReadUnitState(call); result != 0) return result;
  const DRVPROP_SETTINGS& record = g_unit.record;
  std::printf("rateTable=");
  for (int i = 0; i < kRateTableEntries; ++i) std::printf(i ? " %d" : "%d", record.rateTable[i]);
  std::printf("\n");
  int32_t words[sizeof(record) / sizeof(int32_t)];
  std::memcpy(words, &record, sizeof(words));
  for (const RecordField& field : kRecordFields)
    std::printf("%s=%d\n", field.name, words[field.word]);
  return 0;
}

int Unit(Invocation& call) {
  if (const int result = ReadUnitState(call); result != 0) return result;
  const QXDV_UNIT_STATE& u = g_unit;
  std::printf("plugged=%u\ngetStatus=%d\nstatusScript=", u.plugged, u.getStatus);
  for (uint32_t i = 0; i < u.scriptLength && i < kMaxStatusScript; ++i) {
    std::printf(i ? ",%d" : "%d", u.statusScript[i]);
  }
  std::printf("\nstatusScriptNext=%u\nunitCount=%d\nsampleRate=%d\nunitMode=%d\nclock=%d\n",
              u.scriptNext, u.unitCount, u.streamRate, u.unitMode, u.clockRate);
  std::printf("infoLength=%u\ninfo=", u.infoLength);
  for (uint32_t i = 0; i < u.infoLength && i < kMaxInfoData; ++i) {
    const uint8_t byte = u.infoData[i];
    std::printf(byte >= 0x20 && byte < 0x7F && byte != '\\' ? "%c" : "\\x%02X", byte);
  }
  std::printf("\n");
  for (uint32_t i = 0; i < kRequestCount; ++i) {
    const QXDV_FAULT& fault = u.faults[i];
    if (fault.kind == kFaultFail) std::printf("fault=%s fail\n", kRequests[i].name);
    if (fault.kind == kFaultShortReply) {
      std::printf("fault=%s reply-bytes=%u\n", kRequests[i].name, fault.replyBytes);
    }
  }
  return 0;
}

QXDV_LOG g_log;

int Log(Invocation&) {
  uint32_t error = 0;
  if (!ReadLog(g_log, &error)) return DriverError(error);
  if (g_log.dropped != 0) std::printf("# %u older entries dropped\n", g_log.dropped);
  for (uint32_t i = 0; i < g_log.count && i < kLogCapacity; ++i) {
    std::printf("%s\n", FormatLogLine(g_log.entries[i]).c_str());
  }
  return 0;
}

// The test bed keeps this running for the whole session: as long as one Wine process
// lives, Wine keeps the driver host and with it the driver's state.
int Hold(Invocation&) {
  const DWORD start = GetTickCount();
  uint32_t error = 0;
  while (!ReadLog(g_log, &error)) {
    if (GetTickCount() - start > kHoldWaitMs) return DriverError(error);
    Sleep(50);
  }
  // Starts Wine's virtual desktop now, so the first window of a test does not wait for it.
  GetDesktopWindow();
  std::printf("ready\n");
  std::fflush(stdout);
  Sleep(INFINITE);
  return 0;
}

struct CommandEntry {
  const char* name;
  int arguments;  // after the command name, the unit number included
  bool takesUnit;
  int (*run)(Invocation&);
};

const CommandEntry kCommands[] = {
    {"reset", 0, false, [](Invocation& c) { return Send(c, kOpReset); }},
    {"plug", 1, true, [](Invocation& c) { return Send(c, kOpPlug); }},
    {"unplug", 1, true, [](Invocation& c) { return Send(c, kOpUnplug); }},
    {"stream", 3, true, Stream},
    {"info", 2, true, Info},
    {"info-len", 2, true, InfoLength},
    {"mode", 2, true,
     [](Invocation& c) {
       return SendValueOrFail(c, kOpMode, RequestIndex(IOCTL_DRV_GET_UNIT_MODE));
     }},
    {"clock", 2, true,
     [](Invocation& c) {
       return SendValueOrFail(c, kOpClock, RequestIndex(IOCTL_DRV_GET_UNIT_CLOCK));
     }},
    {"get-status", 2, true, [](Invocation& c) { return SendValue(c, kOpGetStatus, c.argv[1]); }},
    {"set-status", 2, true, StatusScript},
    {"fail", 2, true, Fail},
    {"reply-bytes", 3, true, ReplyBytes},
    {"field", 3, true, Field},
    {"record", 1, true, Record},
    {"unit", 1, true, Unit},
    {"log", 0, false, Log},
    {"log-clear", 0, false, [](Invocation& c) { return Send(c, kOpLogClear); }},
    {"hold", 0, false, Hold},
};

// Static: the command carries a 2 KB block.
Invocation g_call;

int Run(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "%s", kUsage);
    return kExitUsage;
  }
  for (const CommandEntry& entry : kCommands) {
    if (std::strcmp(argv[1], entry.name) != 0) continue;
    if (argc - 2 != entry.arguments) return UsageError("wrong number of arguments for", argv[1]);
    g_call.argc = argc - 2;
    g_call.argv = argv + 2;
    if (entry.takesUnit && !ParseUnit(g_call.argv[0], g_call.unit)) {
      return UsageError("unit must be 1..4, not", g_call.argv[0]);
    }
    return entry.run(g_call);
  }
  return UsageError("unknown command", argv[1]);
}

}  // namespace
}  // namespace qxdv

int main(int argc, char** argv) {
  // Plain \n line ends: the output is read by scripts on Linux.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  return qxdv::Run(argc, argv);
}
