// The pane lists the shared timers walk: members freed by another member's
// call are never called.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "status/FrMemberList.h"

using fr::TFrMemberList;

namespace {

// Joins on creation and leaves on destruction, as a pane does.
struct Member {
  explicit Member(TFrMemberList<Member>& l) : list(l) { list.Join(this); }
  ~Member() { list.Leave(this); }
  TFrMemberList<Member>& list;
  int calls = 0;
};

}  // namespace

TEST(StatusMembers, AWalkSkipsMembersFreedDuringIt) {
  TFrMemberList<Member> list;
  auto* a = new Member(list);
  auto* b = new Member(list);
  auto* c = new Member(list);
  std::vector<Member*> called;
  list.ForEach([&](Member* m) {
    called.push_back(m);
    ++m->calls;  // a freed member would be touched here
    if (m == a) {
      delete b;  // a later member
      delete a;  // and itself
    }
  });
  EXPECT_EQ(called, (std::vector<Member*>{a, c}));
  EXPECT_FALSE(list.Walking());
  EXPECT_TRUE(list.Contains(c));
  delete c;
  EXPECT_TRUE(list.Empty());
}

TEST(StatusMembers, MembersJoiningDuringAWalkWaitForTheNext) {
  TFrMemberList<Member> list;
  Member first(list);
  std::unique_ptr<Member> late;
  int calls = 0;
  list.ForEach([&](Member*) {
    ++calls;
    EXPECT_TRUE(list.Walking());
    if (!late) late = std::make_unique<Member>(list);
  });
  EXPECT_EQ(calls, 1);
  list.ForEach([&](Member*) { ++calls; });
  EXPECT_EQ(calls, 3);
}

TEST(StatusMembers, AThrowingCallEndsTheWalk) {
  TFrMemberList<Member> list;
  Member a(list), b(list);
  EXPECT_THROW(list.ForEach([](Member*) { throw 1; }), int);
  EXPECT_FALSE(list.Walking());
}
