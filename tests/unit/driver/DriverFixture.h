// The driver channel's tests run against the scripted fake; whatever a test does, no
// device may be left open.
#pragma once

#include <gtest/gtest.h>

#include "driver/UnitSlots.h"
#include "fakes/FakeDeviceIo.h"

namespace drvprop::testing {

class DriverFixture : public ::testing::Test {
 protected:
  DriverFixture() { FillUnitSlots(slots); }
  void TearDown() override { EXPECT_EQ(fake.OpenHandles(), 0u) << "a device was left open"; }

  FakeDeviceIo fake;
  UnitSlots slots;
};

}  // namespace drvprop::testing
