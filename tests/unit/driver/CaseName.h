// Names table-driven test cases after their `name` field, so a failure says which row.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace drvprop::testing {

template <typename Case>
std::string CaseName(const ::testing::TestParamInfo<Case>& row) {
  return row.param.name;
}

}  // namespace drvprop::testing
