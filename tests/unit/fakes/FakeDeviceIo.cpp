#include "fakes/FakeDeviceIo.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "driver/DrvPropIoctl.h"

namespace drvprop::testing {

FakeDeviceIo::FakeDeviceIo() { FillUnitSlots(slots_); }

void FakeDeviceIo::SetOpenRule(int slot, OpenRule rule) { units_[slot].rule = rule; }

void FakeDeviceIo::ReplyAt(int slot, uint32_t code, uint32_t offset, const void* data,
                           std::size_t bytes) {
  const auto* first = static_cast<const uint8_t*>(data);
  units_[slot].answers[code].push_back(Answer{true, offset, {first, first + bytes}});
}

void FakeDeviceIo::ReplyStatuses(int slot, uint32_t code, const std::vector<int32_t>& statuses) {
  for (const int32_t status : statuses) {
    ReplyAt(slot, code, offsetof(DRVPROP_SETTINGS_IO, status), &status, sizeof status);
  }
}

void FakeDeviceIo::Fail(int slot, uint32_t code) {
  units_[slot].answers[code].push_back(Answer{false, 0, {}});
}

std::vector<const FakeDeviceIo::Event*> FakeDeviceIo::Requests() const {
  std::vector<const Event*> requests;
  for (const Event& event : log_) {
    if (event.kind == Kind::kRequest) requests.push_back(&event);
  }
  return requests;
}

std::vector<std::pair<int, uint32_t>> FakeDeviceIo::RequestSequence() const {
  std::vector<std::pair<int, uint32_t>> sequence;
  for (const Event* event : Requests()) sequence.emplace_back(event->slot, event->code);
  return sequence;
}

int FakeDeviceIo::SlotOf(const TextChar* path) const {
  const TextView wanted(path);
  for (int i = 0; i < kMaxUnits; ++i) {
    if (wanted == TextView(slots_[i].path)) return i;
  }
  return -1;
}

std::optional<DeviceHandle> FakeDeviceIo::Open(const TextChar* path) {
  const int slot = SlotOf(path);
  bool opens = false;
  if (slot >= 0) {
    Unit& unit = units_[slot];
    opens =
        unit.rule == OpenRule::kAlways || (unit.rule == OpenRule::kProbeOnly && unit.opens == 0);
    if (opens) ++unit.opens;
  }
  if (!opens) {
    log_.push_back(Event{Kind::kOpenFailed, slot});
    return std::nullopt;
  }
  const DeviceHandle handle = nextHandle_++;
  open_[handle] = slot;
  log_.push_back(Event{Kind::kOpen, slot});
  return handle;
}

const FakeDeviceIo::Answer* FakeDeviceIo::NextAnswer(Unit& unit, uint32_t code) {
  const auto found = unit.answers.find(code);
  if (found == unit.answers.end() || found->second.empty()) return nullptr;
  std::size_t& asked = unit.asked[code];
  const Answer& answer = found->second[std::min(asked, found->second.size() - 1)];
  ++asked;
  return &answer;
}

bool FakeDeviceIo::Request(DeviceHandle handle, uint32_t code, void* buffer, uint32_t size) {
  const auto open = open_.find(handle);
  if (open == open_.end()) {
    ADD_FAILURE() << "request on a handle that is not open";
    return false;
  }
  const int slot = open->second;
  auto* bytes = static_cast<uint8_t*>(buffer);
  Event event{Kind::kRequest, slot, code, size, false, {bytes, bytes + size}};

  const Answer* answer = NextAnswer(units_[slot], code);
  if (answer != nullptr) {
    if (answer->offset + answer->bytes.size() > size) {
      ADD_FAILURE() << "scripted reply to 0x" << std::hex << code << " overruns a " << std::dec
                    << size << "-byte buffer";
    } else {
      std::copy(answer->bytes.begin(), answer->bytes.end(), bytes + answer->offset);
      event.succeeded = answer->succeeds;
    }
  }
  log_.push_back(std::move(event));
  return log_.back().succeeded;
}

void FakeDeviceIo::Close(DeviceHandle handle) {
  const auto open = open_.find(handle);
  if (open == open_.end()) {
    ADD_FAILURE() << "close of a handle that is not open";
    return;
  }
  log_.push_back(Event{Kind::kClose, open->second});
  open_.erase(open);
}

}  // namespace drvprop::testing
