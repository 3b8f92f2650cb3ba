// The individual panel's height by its line count, and the selection button's numbered items.
#include "widgets/TIndInfoPanel.h"

#include <gtest/gtest.h>

#include <QMenu>

#include "widgets/WSelectionButton.h"

namespace kinshelf {
namespace {

TEST(TIndInfoPanelTest, LinesSetTheHeightAndCountsOutsideOneToThreeAreIgnored) {
  TIndInfoPanel panel;
  const int h = panel.LineHeight();
  EXPECT_GE(h, 17);  // 12 point plus 5
  EXPECT_EQ(panel.sizeHint().height(), 3 * h + 7);
  panel.SetLineCount(1);
  EXPECT_EQ(panel.sizeHint().height(), h + 4);
  panel.SetLineCount(0);
  panel.SetLineCount(4);
  EXPECT_EQ(panel.sizeHint().height(), h + 4);
  panel.SetLineCount(2);
  EXPECT_EQ(panel.sizeHint().height(), 2 * h + 5);
  panel.SetName("Name");
  panel.SetBirth("b. 1900");
  panel.Clear();
  EXPECT_EQ(panel.Line(0), "");
  EXPECT_EQ(panel.Line(1), "");
}

TEST(WSelectionButtonTest, SeparatorsAreNotNumberedAndAChoiceCanBecomeTheCaption) {
  WSelectionButton button("S");
  button.SetItems({"Spouse: A", "-", "   child; with a semicolon", "Spouse: B"});
  EXPECT_EQ(button.Menu()->actions().size(), 4);
  int chosen = 0;
  QObject::connect(&button, &WSelectionButton::Selected, [&chosen](int number) { chosen = number; });
  button.Choose(2);
  EXPECT_EQ(chosen, 2);
  EXPECT_EQ(button.text(), "S");
  button.SetCaptionFollowsChoice(true);
  button.Choose(3);
  EXPECT_EQ(button.text(), "Spouse: B");
  button.Choose(4);  // no such item
  EXPECT_EQ(button.Chosen(), 3);
  // An "&" in a name marks no shortcut.
  button.SetItems({"Spouse: Smith & Sons"});
  EXPECT_EQ(button.Menu()->actions()[0]->iconText(), "Spouse: Smith & Sons");
}

}  // namespace
}  // namespace kinshelf
