#pragma once
// The members of a process-wide pane list (blinking, polling) that a shared
// timer walks. Whatever a member does when called may free other members,
// or itself, or add new ones: the walk goes over the members as they were
// when it began and skips each one that has left meanwhile. Portable.
#include <algorithm>
#include <vector>

namespace fr {

template <class T>
class TFrMemberList {
 public:
  void Join(T* member) { members_.push_back(member); }
  void Leave(T* member) { members_.erase(std::remove(members_.begin(), members_.end(), member), members_.end()); }
  bool Empty() const { return members_.empty(); }
  bool Contains(const T* member) const { return std::find(members_.begin(), members_.end(), member) != members_.end(); }
  // The list's owner must not free it while a walk is under way.
  bool Walking() const { return walking_ > 0; }

  template <class F>
  void ForEach(F&& call) {
    struct Walk {
      int& depth;
      explicit Walk(int& d) : depth(d) { ++depth; }
      ~Walk() { --depth; }
    } walk(walking_);
    const std::vector<T*> snapshot = members_;
    for (T* member : snapshot) {
      if (Contains(member)) call(member);
    }
  }

 private:
  std::vector<T*> members_;
  int walking_ = 0;
};

}  // namespace fr
