// The jump stack: the top and the slots below it, and the slots a pop leaves above the top.
#include "fileaccess/WIntStack.h"

#include <gtest/gtest.h>

namespace kinshelf {
namespace {

TEST(WIntStackTest, PeekCountsFromTheBottomWithZeroForTheTop) {
  WIntStack stack;
  EXPECT_EQ(stack.Peek(0), 0);
  stack.Push(7);
  stack.Push(9);
  EXPECT_EQ(stack.Peek(0), 9);
  EXPECT_EQ(stack.Peek(1), 7);
  EXPECT_EQ(stack.Peek(2), 9);
  EXPECT_EQ(stack.Peek(3), 0);
  EXPECT_EQ(stack.Peek(-1), 0);
  stack.Clear();
  EXPECT_EQ(stack.Peek(0), 0);
  EXPECT_EQ(stack.Peek(1), 0);
}

TEST(WIntStackTest, PushReusesTheSlotsThatPopsLeft) {
  WIntStack stack;
  for (std::int32_t value : {1, 2, 3}) stack.Push(value);
  EXPECT_EQ(stack.Pop(), 3);
  EXPECT_EQ(stack.Pop(), 2);
  EXPECT_EQ(stack.Size(), 1);
  EXPECT_EQ(stack.Peek(0), 1);
  EXPECT_EQ(stack.Peek(3), 3);
  stack.Push(8);
  EXPECT_EQ(stack.Peek(2), 8);
  EXPECT_EQ(stack.Peek(3), 3);
  stack.Push(9);
  stack.Push(10);
  EXPECT_EQ(stack.Size(), 4);
  EXPECT_EQ(stack.Peek(0), 10);
  EXPECT_EQ(stack.Peek(3), 9);
}

TEST(WIntStackTest, PopOfAnEmptyStackGivesZero) {
  WIntStack stack;
  EXPECT_EQ(stack.Pop(), 0);
  EXPECT_EQ(stack.Size(), 0);
  stack.Push(4);
  stack.Clear();
  EXPECT_EQ(stack.Pop(), 0);
}

}  // namespace
}  // namespace kinshelf
