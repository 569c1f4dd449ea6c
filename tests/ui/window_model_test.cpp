#include "ui/window_model.h"

#include <gtest/gtest.h>

namespace lintra::ui {
namespace {

TEST(WindowModel, RadioItemsClearTheirSiblingsOnly) {
  WindowModel model;
  model.SetChecked(model.M(ui::menu::MinorKeys1), true);
  EXPECT_FALSE(model.M(ui::menu::MajorKeys1).checked);
  EXPECT_FALSE(model.M(ui::menu::ChromaticScale).checked);
  EXPECT_TRUE(model.M(ui::menu::CMajor1).checked) << "an item of another submenu keeps its check";

  model.SetChecked(model.M(ui::menu::AMinor1), true);
  EXPECT_TRUE(model.M(ui::menu::AMinor1).checked);
  EXPECT_TRUE(model.M(ui::menu::CMajor1).checked);

  // Clearing touches no sibling.
  model.SetChecked(model.M(ui::menu::AutoAdvance2), false);
  EXPECT_FALSE(model.M(ui::menu::AutoModulate2).checked);
  EXPECT_TRUE(model.M(ui::menu::On1).checked);

  model.SetChecked(model.M(ui::menu::AutoModulate2), true);
  EXPECT_FALSE(model.M(ui::menu::AutoAdvance2).checked);
}

TEST(WindowModel, ClickFromCodeRunsOnlyEnabledItemsWhateverTheirParents) {
  WindowModel model;
  int runs = 0;
  model.M(ui::menu::CMajor1).handler = [&] { ++runs; };
  model.SetEnabled(model.M(ui::menu::Keys), false);
  model.SetEnabled(model.M(ui::menu::MajorKeys1), false);
  model.ClickFromCode(ui::menu::CMajor1);
  EXPECT_EQ(runs, 1);
  model.SetEnabled(model.M(ui::menu::CMajor1), false);
  model.ClickFromCode(ui::menu::CMajor1);
  EXPECT_EQ(runs, 1);
}

TEST(WindowModel, DropDownListsStaySortedAndClampTheirChoice) {
  WindowModel model;
  auto& combo = model.C(ui::control::cmbOutput);
  model.ComboAdd(combo, "Synth X");
  model.ComboAdd(combo, "built-in");
  model.ComboAdd(combo, "Alpha");
  EXPECT_EQ(combo.items, (std::vector<std::string>{"Alpha", "built-in", "Synth X"}));
  model.ComboSetIndex(combo, 2);
  EXPECT_EQ(combo.text, "Synth X");
  model.ComboAdd(combo, "Beta");  // an insertion before the choice keeps the chosen item
  EXPECT_EQ(combo.items[static_cast<std::size_t>(combo.itemIndex)], "Synth X");
  model.ComboSetIndex(combo, 9);
  EXPECT_EQ(combo.itemIndex, -1);
  EXPECT_EQ(combo.text, "");
}

TEST(WindowModel, ReportsEachRealChangeOnce) {
  WindowModel model;
  int controls = 0, menus = 0;
  model.OnControlChanged = [&](const Control&) { ++controls; };
  model.OnMenuChanged = [&](const MenuItem&) { ++menus; };
  model.SetText(model.C(ui::control::Score), "Start");
  model.SetText(model.C(ui::control::Score), "Start");
  model.SetVisible(model.C(ui::control::Label1), false);  // already hidden
  EXPECT_EQ(controls, 1);
  model.SetChecked(model.M(ui::menu::Syllables), true);  // checks one, clears Letters
  EXPECT_EQ(menus, 2);
}

}  // namespace
}  // namespace lintra::ui
