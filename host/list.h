#pragma once
/// Host list library: doubly linked lists of nodes that the caller owns.
/// The host exports these by ordinal; the names here are ours.
/// Popups, list views and the transition list use them. Calling thread only.
#include "host/host_types.h"

struct HOST_NODE {
  HOST_NODE* next;
  HOST_NODE* prev;
};

struct HOST_LIST {
  HOST_NODE* head;
  HOST_NODE* tail;
  int32_t count;
};

struct VG_IMAGE;

/// An entry of a popup or list view.
struct VG_LIST_ENTRY {
  HOST_NODE node;     ///< must be first
  uint32_t flags;     ///< display flags
  const XCHAR* text;  ///< row label
  const XCHAR* text2; ///< second column, may be null
  int32_t value;      ///< caller's value of the row
  int32_t type;       ///< caller's row type
  VG_IMAGE* image;    ///< may be null
};

extern "C" {

/// Ordinal 1: makes the list empty. Must be called once before first use.
void lstInit(HOST_LIST* list);
/// Ordinal 2: appends a node.
void lstAdd(HOST_LIST* list, HOST_NODE* node);
/// Ordinal 3: number of nodes.
int32_t lstCount(const HOST_LIST* list);
/// Ordinal 4: first node or null.
HOST_NODE* lstFirst(const HOST_LIST* list);
/// Ordinal 5: the node after node, or null.
HOST_NODE* lstNext(const HOST_NODE* node);
/// Ordinal 6: node at a 1-based position, null past the end.
HOST_NODE* lstNth(const HOST_LIST* list, int32_t position);
/// Ordinal 7: unlinks a node (the caller frees it).
void lstDelete(HOST_LIST* list, HOST_NODE* node);
/// Ordinal 8: inserts node after `after` (null: at the head).
void lstInsert(HOST_LIST* list, HOST_NODE* after, HOST_NODE* node);

}
