// The host's list library over caller-owned nodes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// The list as the transition list uses it, step by step: each row is a list
// of operations and the order of the nodes after them, read forwards and
// backwards so that a broken back link shows too.
TEST_F(ListTest, EditsLeaveTheListLinkedBothWays) {
  enum Op { Add, InsertAfter, InsertAtHead, Delete };
  struct Step {
    Op op;
    int node;
    int after = -1;
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
    std::string order;
  };
  const Case cases[] = {
      {"adds at the tail", {{Add, 0}, {Add, 1}, {Add, 2}}, "012"},
      {"inserts after the tail", {{Add, 0}, {InsertAfter, 1, 0}, {InsertAfter, 2, 1}}, "012"},
      {"inserts after each new node, keeping their order", {{Add, 0}, {Add, 3}, {InsertAfter, 1, 0}, {InsertAfter, 2, 1}}, "0123"},
      {"inserts into an empty list", {{InsertAtHead, 0}}, "0"},
      {"removes the head, the middle and the tail", {{Add, 0}, {Add, 1}, {Add, 2}, {Add, 3}, {Delete, 0}, {Delete, 2}, {Delete, 3}}, "1"},
      {"removes everything and starts again", {{Add, 0}, {Delete, 0}, {Add, 1}, {InsertAtHead, 2}}, "21"},
      {"refuses to add a node twice", {{Add, 0}, {Add, 1}, {Add, 0}, {InsertAfter, 1, 0}}, "01"},
  };
  for (const Case& c : cases) {
    HOST_LIST list;
    HOST_NODE nodes[4] = {};
    lstInit(&list);
    for (const Step& s : c.steps) {
      HOST_NODE* n = &nodes[s.node];
      switch (s.op) {
        case Add: lstAdd(&list, n); break;
        case InsertAfter: lstInsert(&list, &nodes[s.after], n); break;
        case InsertAtHead: lstInsert(&list, nullptr, n); break;
        case Delete: lstDelete(&list, n); break;
      }
    }
    std::string forwards, backwards;
    for (HOST_NODE* n = lstFirst(&list); n && forwards.size() < 8; n = lstNext(n)) forwards += char('0' + (n - nodes));
    for (HOST_NODE* n = list.tail; n && backwards.size() < 8; n = n->prev) backwards.insert(0, 1, char('0' + (n - nodes)));
    EXPECT_EQ(forwards, c.order) << c.what;
    EXPECT_EQ(backwards, c.order) << c.what;
    EXPECT_EQ(lstCount(&list), static_cast<int32_t>(c.order.size())) << c.what;
    for (size_t i = 0; i < c.order.size(); ++i)
      EXPECT_EQ(lstNth(&list, static_cast<int32_t>(i + 1)), &nodes[c.order[i] - '0']) << c.what << " position " << i + 1;
    EXPECT_EQ(lstNth(&list, static_cast<int32_t>(c.order.size() + 1)), nullptr) << c.what << ": past the end";
  }
  EXPECT_TRUE(hostLogged(4, "lstAdd: the node is already in the list"));
  EXPECT_TRUE(hostLogged(4, "lstInsert: the node is already in the list"));
}

}  // namespace
}  // namespace ostrel3_test
