// A scripted driver behind the four unit paths, for tests of everything that talks to
// units. Each unit is told whether it opens, how each request is answered (in order, the
// last answer repeating), and every open, request and close is logged with what the
// request buffer held on the way in.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "driver/DeviceIo.h"
#include "driver/UnitSlots.h"

namespace drvprop::testing {

class FakeDeviceIo : public DeviceIo {
 public:
  enum class OpenRule { kAbsent, kAlways, kProbeOnly };

  // One scripted answer: `bytes` written into the buffer at `offset`, and whether the
  // request succeeds.
  struct Answer {
    bool succeeds = true;
    uint32_t offset = 0;
    std::vector<uint8_t> bytes;
  };

  enum class Kind { kOpen, kOpenFailed, kRequest, kClose };
  struct Event {
    Kind kind;
    int slot;  // -1 for a path that is none of the four
    uint32_t code = 0;
    uint32_t size = 0;
    bool succeeded = false;
    std::vector<uint8_t> input{};  // the request buffer as it arrived

    template <typename T>
    T InputAs() const {
      T value{};
      std::memcpy(&value, input.data(), std::min(sizeof value, input.size()));
      return value;
    }
  };

  FakeDeviceIo();

  // A unit that opens every time.
  void Plug(int slot) { SetOpenRule(slot, OpenRule::kAlways); }
  void SetOpenRule(int slot, OpenRule rule);

  // Appends an answer to `code`: the first `bytes` bytes of `reply` (all of it by default),
  // written from offset 0, so a shorter reply leaves the rest of the buffer as sent.
  template <typename T>
  void Reply(int slot, uint32_t code, const T& reply, std::size_t bytes = sizeof(T)) {
    ReplyAt(slot, code, 0, &reply, bytes);
  }
  // Appends an answer that writes only `bytes` bytes at `offset` (e.g. a status word).
  void ReplyAt(int slot, uint32_t code, uint32_t offset, const void* data, std::size_t bytes);
  // Appends one answer per status, each writing only the status word of a settings reply.
  void ReplyStatuses(int slot, uint32_t code, const std::vector<int32_t>& statuses);
  // Appends an answer that fails the request. A code with no answer fails as well.
  void Fail(int slot, uint32_t code);
  // Appends an answer that writes `reply` and still fails, as a driver's warning status does:
  // the reply is copied back, and the caller is told the request failed.
  template <typename T>
  void FailAfterWriting(int slot, uint32_t code, const T& reply) {
    const auto* first = reinterpret_cast<const uint8_t*>(&reply);
    units_[slot].answers[code].push_back(Answer{false, 0, {first, first + sizeof reply}});
  }

  const std::vector<Event>& log() const { return log_; }
  std::vector<const Event*> Requests() const;
  // (slot, code) of every request, in order.
  std::vector<std::pair<int, uint32_t>> RequestSequence() const;
  std::size_t OpenHandles() const { return open_.size(); }
  void ClearLog() { log_.clear(); }

  std::optional<DeviceHandle> Open(const TextChar* path) override;
  bool Request(DeviceHandle handle, uint32_t code, void* buffer, uint32_t size) override;
  void Close(DeviceHandle handle) override;

 private:
  struct Unit {
    OpenRule rule = OpenRule::kAbsent;
    int opens = 0;
    std::map<uint32_t, std::vector<Answer>> answers;
    std::map<uint32_t, std::size_t> asked;
  };

  int SlotOf(const TextChar* path) const;
  const Answer* NextAnswer(Unit& unit, uint32_t code);

  UNIT_SLOT slots_[kMaxUnits];
  Unit units_[kMaxUnits];
  std::map<DeviceHandle, int> open_;  // handle -> slot
  DeviceHandle nextHandle_ = 1;
  std::vector<Event> log_;
};

}  // namespace drvprop::testing
