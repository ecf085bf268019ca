#pragma once
// Tests run for several probants of royal92.ged, whose royal pedigrees
// repeat the same ancestors many times: the suite shares one session on the
// loaded file.
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/support/session_fixture.h"

namespace quenor::testing {

class RoyalFileTest : public ::testing::TestWithParam<int32_t> {
 protected:
  static void SetUpTestSuite() {
    fixture_ = new SessionFixture;
    ASSERT_TRUE(fixture_->LoadData("royal92.ged"));
  }
  static void TearDownTestSuite() {
    delete fixture_;
    fixture_ = nullptr;
  }
  static inline SessionFixture* fixture_ = nullptr;
};

}  // namespace quenor::testing
