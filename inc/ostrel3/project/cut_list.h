#pragma once
// The cut list: an ordered map from a frame to the camera shown from there
// on. Kept as one sorted array: walking and normalising it stays linear and
// cache-friendly however long the list grows. Edits come one cut at a time;
// a whole list read from a file is sorted once (FromUnordered), so that a
// file in any order loads in n log n.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace ostrel3 {

class CutList {
 public:
  using value_type = std::pair<int32_t, int32_t>;  ///< (frame, camera)
  using Entries = std::vector<value_type>;
  using iterator = Entries::iterator;
  using const_iterator = Entries::const_iterator;

  CutList() = default;
  CutList(std::initializer_list<value_type> entries) {
    for (const auto& e : entries) (*this)[e.first] = e.second;
  }

  iterator begin() { return entries_.begin(); }
  iterator end() { return entries_.end(); }
  const_iterator begin() const { return entries_.begin(); }
  const_iterator end() const { return entries_.end(); }
  size_t size() const { return entries_.size(); }
  /// Entries the list has room for without growing (what it holds in memory).
  size_t capacity() const { return entries_.capacity(); }
  bool empty() const { return entries_.empty(); }
  void clear() { entries_.clear(); }

  /// First cut at or after frame, and first cut after frame.
  iterator lower_bound(int32_t frame) { return std::lower_bound(begin(), end(), frame, before); }
  const_iterator lower_bound(int32_t frame) const { return std::lower_bound(begin(), end(), frame, before); }
  iterator upper_bound(int32_t frame) { return std::upper_bound(begin(), end(), frame, after); }
  const_iterator upper_bound(int32_t frame) const { return std::upper_bound(begin(), end(), frame, after); }
  iterator find(int32_t frame) {
    auto it = lower_bound(frame);
    return it != end() && it->first == frame ? it : end();
  }
  const_iterator find(int32_t frame) const {
    auto it = lower_bound(frame);
    return it != end() && it->first == frame ? it : end();
  }
  size_t count(int32_t frame) const { return find(frame) != end() ? 1 : 0; }

  /// The camera from frame on, made when missing.
  int32_t& operator[](int32_t frame) {
    auto it = lower_bound(frame);
    if (it == end() || it->first != frame) it = entries_.insert(it, {frame, 0});
    return it->second;
  }
  /// Adds (frame, camera) unless frame has a cut already.
  std::pair<iterator, bool> emplace(int32_t frame, int32_t camera) {
    auto it = lower_bound(frame);
    if (it != end() && it->first == frame) return {it, false};
    return {entries_.insert(it, {frame, camera}), true};
  }
  /// Sets the cut at frame; appending in ascending order costs nothing extra.
  iterator insert_or_assign(int32_t frame, int32_t camera) {
    if (entries_.empty() || entries_.back().first < frame) {
      entries_.push_back({frame, camera});
      return std::prev(end());
    }
    auto it = lower_bound(frame);
    if (it != end() && it->first == frame) {
      it->second = camera;
      return it;
    }
    return entries_.insert(it, {frame, camera});
  }
  iterator erase(const_iterator at) { return entries_.erase(at); }
  iterator erase(const_iterator first, const_iterator last) { return entries_.erase(first, last); }
  size_t erase(int32_t frame) {
    auto it = find(frame);
    if (it == end()) return 0;
    entries_.erase(it);
    return 1;
  }

  /// Keeps only the entries for which keep(entry, previous kept entry) holds,
  /// in one pass; the first entry is always kept.
  template <typename Keep>
  void keepIf(Keep keep) {
    if (entries_.empty()) return;
    auto out = entries_.begin();
    for (auto it = std::next(entries_.begin()); it != entries_.end(); ++it)
      if (keep(*it, *out)) *++out = *it;
    entries_.erase(std::next(out), entries_.end());
  }

  /// The list that setting each entry in turn would give: sorted by frame,
  /// and of entries at the same frame the last one given wins.
  static CutList FromUnordered(Entries entries) {
    // Stable, so that equal frames keep the order they were given in.
    if (!std::is_sorted(entries.begin(), entries.end(), byFrame))
      std::stable_sort(entries.begin(), entries.end(), byFrame);
    CutList list;
    list.entries_ = std::move(entries);
    Entries& e = list.entries_;
    if (e.empty()) return list;
    auto out = e.begin();
    for (auto it = std::next(e.begin()); it != e.end(); ++it) {
      if (it->first == out->first) out->second = it->second;
      else *++out = *it;
    }
    e.erase(std::next(out), e.end());
    return list;
  }

  bool operator==(const CutList& other) const = default;

 private:
  static bool before(const value_type& e, int32_t frame) { return e.first < frame; }
  static bool after(int32_t frame, const value_type& e) { return frame < e.first; }
  static bool byFrame(const value_type& a, const value_type& b) { return a.first < b.first; }
  Entries entries_;
};

}  // namespace ostrel3
