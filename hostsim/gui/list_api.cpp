// The host's list library: doubly linked lists of caller-owned nodes.
// Nodes are only linked and unlinked here, never allocated or freed.
#include "host/list.h"
#include "hostsim/core/shim.h"

using hostsim::Host;
using hostsim::hostCall;
using hostsim::hostCallVoid;

namespace {

bool holds(const HOST_LIST* list, const HOST_NODE* node) {
  for (const HOST_NODE* n = list->head; n; n = n->next)
    if (n == node) return true;
  return false;
}

void linkAfter(HOST_LIST* list, HOST_NODE* after, HOST_NODE* node) {
  node->prev = after;
  node->next = after ? after->next : list->head;
  if (node->next) node->next->prev = node;
  else list->tail = node;
  if (after) after->next = node;
  else list->head = node;
  ++list->count;
}

}  // namespace

extern "C" {

void lstInit(HOST_LIST* list) {
  hostCallVoid(
      "lstInit",
      [&](Host&) {
        if (!list) return;
        list->head = list->tail = nullptr;
        list->count = 0;
      },
      list);
}

void lstAdd(HOST_LIST* list, HOST_NODE* node) {
  hostCallVoid(
      "lstAdd",
      [&](Host& h) {
        if (!list || !node) return;
        // Linking a node twice would close the list into a ring.
        if (holds(list, node)) {
          h.log().host(4, "lstAdd: the node is already in the list (ignored)");
          return;
        }
        linkAfter(list, list->tail, node);
      },
      list, node);
}

int32_t lstCount(const HOST_LIST* list) {
  return hostCall("lstCount", int32_t(-1), [&](Host&) { return list ? list->count : int32_t(-1); }, list);
}

HOST_NODE* lstFirst(const HOST_LIST* list) {
  return hostCall("lstFirst", static_cast<HOST_NODE*>(nullptr), [&](Host&) { return list ? list->head : nullptr; }, list);
}

HOST_NODE* lstNext(const HOST_NODE* node) {
  return hostCall("lstNext", static_cast<HOST_NODE*>(nullptr), [&](Host&) { return node ? node->next : nullptr; }, node);
}

HOST_NODE* lstNth(const HOST_LIST* list, int32_t position) {
  return hostCall(
      "lstNth", static_cast<HOST_NODE*>(nullptr),
      [&](Host&) -> HOST_NODE* {
        if (!list || position < 1) return nullptr;
        HOST_NODE* n = list->head;
        for (int32_t i = 1; n && i < position; ++i) n = n->next;
        return n;
      },
      list, position);
}

void lstDelete(HOST_LIST* list, HOST_NODE* node) {
  hostCallVoid(
      "lstDelete",
      [&](Host& h) {
        if (!list || !node) return;
        // Unlinking a node of another list would corrupt both lists.
        if (!holds(list, node)) {
          h.log().host(4, "lstDelete: the node is not in the list (ignored)");
          return;
        }
        if (node->prev) node->prev->next = node->next;
        else list->head = node->next;
        if (node->next) node->next->prev = node->prev;
        else list->tail = node->prev;
        node->next = node->prev = nullptr;
        --list->count;
      },
      list, node);
}

void lstInsert(HOST_LIST* list, HOST_NODE* after, HOST_NODE* node) {
  hostCallVoid(
      "lstInsert",
      [&](Host& h) {
        if (!list || !node) return;
        if (after && !holds(list, after)) {
          h.log().host(4, "lstInsert: the node to insert after is not in the list (ignored)");
          return;
        }
        if (holds(list, node)) {
          h.log().host(4, "lstInsert: the node is already in the list (ignored)");
          return;
        }
        linkAfter(list, after, node);
      },
      list, after, node);
}

}
