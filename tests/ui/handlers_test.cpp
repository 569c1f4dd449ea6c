#include "ui/handlers.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lintra::ui {
namespace {

TEST(Handlers, BindByTheLayoutsNamesAndReportTheNamesNothingAnswers) {
  WindowModel model;
  Handlers handlers;
  int started = 0;
  handlers.Add("StartButtonClick", [&] { ++started; });
  handlers.Add("About1Click", [] {});
  EXPECT_THROW(handlers.Add("About1Click", [] {}), std::logic_error);

  const auto unbound = handlers.BindTo(model);
  model.C(control::StartButton).handler();
  EXPECT_EQ(started, 1);
  EXPECT_TRUE(model.M(menu::About1).handler);
  EXPECT_FALSE(model.M(menu::Exit1).handler);
  // In layout order: the controls, then the menus.
  ASSERT_FALSE(unbound.empty());
  EXPECT_EQ(unbound.front(), "AnsDisplayClick");
  EXPECT_NE(std::find(unbound.begin(), unbound.end(), "Exit1Click"), unbound.end());
  EXPECT_EQ(std::find(unbound.begin(), unbound.end(), "About1Click"), unbound.end());
}

}  // namespace
}  // namespace lintra::ui
