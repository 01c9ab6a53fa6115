#pragma once
// Insertion into the singly linked lists of model records (structure members, sentence
// components and their details), which link through their Next member. Both answer -1
// when the list is too short: nothing is inserted and the caller keeps the record.

#include "foundation/kvassert.h"

namespace zeph {

// n <= 0 puts the record first, else after the n-th record (counting from 1); an empty
// list takes it first.
template <typename Record>
int InsertRecordAt(int n, Record** head, Record* record) {
  if (!KV_ASSERT(head != nullptr && record != nullptr)) return -1;
  if (n <= 0 || *head == nullptr) {
    record->Next = *head;
    *head = record;
    return 0;
  }
  Record* r = *head;
  for (int i = 1; i < n && r != nullptr; ++i) r = r->Next;
  if (r == nullptr) return -1;
  record->Next = r->Next;
  r->Next = record;
  return 0;
}

// After the record at position n (counting from 0); an empty list takes it first.
template <typename Record>
int InsertRecordAfter(int n, Record** head, Record* record) {
  if (!KV_ASSERT(head != nullptr && record != nullptr)) return -1;
  if (*head == nullptr) {
    record->Next = nullptr;
    *head = record;
    return 0;
  }
  Record* r = *head;
  for (int i = 0; i < n && r != nullptr; ++i) r = r->Next;
  if (n < 0 || r == nullptr) return -1;
  record->Next = r->Next;
  r->Next = record;
  return 0;
}

}  // namespace zeph
