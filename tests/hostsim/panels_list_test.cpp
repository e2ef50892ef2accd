// The host's list library over caller-owned nodes.
#include <gtest/gtest.h>

#include "panels_fixture.h"

namespace ostrel3_test {
namespace {

using ListTest = GuiTest;

TEST_F(ListTest, NodesAreLinkedCountedAndFoundByPosition) {
  HOST_LIST list;
  HOST_NODE a{}, b{}, c{}, d{};
  lstInit(&list);
  EXPECT_EQ(lstCount(&list), 0);
  EXPECT_EQ(lstFirst(&list), nullptr);
  lstAdd(&list, &a);
  lstAdd(&list, &c);
  lstInsert(&list, &a, &b);
  lstInsert(&list, nullptr, &d);  // no predecessor: at the head
  EXPECT_EQ(lstCount(&list), 4);
  EXPECT_EQ(lstFirst(&list), &d);
  EXPECT_EQ(lstNext(&d), &a);
  EXPECT_EQ(lstNth(&list, 3), &b);
  EXPECT_EQ(lstNth(&list, 4), &c);
  EXPECT_EQ(lstNth(&list, 5), nullptr);
  EXPECT_EQ(lstNth(&list, 0), nullptr);
  EXPECT_EQ(list.tail, &c);

  lstDelete(&list, &b);
  lstDelete(&list, &c);
  EXPECT_EQ(lstCount(&list), 2);
  EXPECT_EQ(lstNext(&a), nullptr);
  EXPECT_EQ(list.tail, &a);
  EXPECT_EQ(a.prev, &d);
}

TEST_F(ListTest, NodesOfAnotherListAreNotUnlinked) {
  HOST_LIST one, two;
  HOST_NODE a{}, b{}, x{};
  lstInit(&one);
  lstInit(&two);
  lstAdd(&one, &a);
  lstAdd(&one, &b);
  lstAdd(&two, &x);
  lstDelete(&one, &x);
  lstInsert(&one, &x, &b);
  EXPECT_EQ(lstCount(&one), 2);
  EXPECT_EQ(lstCount(&two), 1);
  EXPECT_EQ(lstNext(&a), &b);
  EXPECT_EQ(lstFirst(&two), &x);
  EXPECT_TRUE(hostLogged(4, "lstDelete"));
  EXPECT_TRUE(hostLogged(4, "lstInsert"));
}

}  // namespace
}  // namespace ostrel3_test
