#include "application_fixture.h"

namespace standin::testing {
namespace {

enum class State { Absent, UnbornLocked, UnbornFree, Free, LockedByMe, LockedByOther };
enum class Operation { Add, Lock, Unlock, Save, Delete };

const char* name(State s) {
  static const char* names[] = {"absent", "unborn-locked", "unborn-free", "free", "locked-by-me", "locked-by-other"};
  return names[static_cast<int>(s)];
}
const char* name(Operation o) {
  static const char* names[] = {"add", "lock", "unlock", "save", "delete"};
  return names[static_cast<int>(o)];
}

class ApplicationStateTest : public StandinTest {
 protected:
  void make(Client& me, Client& other, State state, int id) {
    switch (state) {
      case State::Absent:
        return;
      case State::UnbornLocked:
        ASSERT_EQ(me.add(id).code, kReply);
        return;
      case State::UnbornFree:
        ASSERT_EQ(me.add(id).code, kReply);
        ASSERT_EQ(me.unlock(id).code, 0);
        return;
      case State::Free:
      case State::LockedByMe: {
        const Reply added = me.add(id);
        ASSERT_EQ(me.save(id, added).code, kReply);
        if (state == State::Free) ASSERT_EQ(me.unlock(id).code, 0);
        return;
      }
      case State::LockedByOther: {
        const Reply added = other.add(id);
        ASSERT_EQ(other.save(id, added).code, kReply);
        return;
      }
    }
  }

  Reply apply(Client& me, Operation operation, int id) {
    switch (operation) {
      case Operation::Add:
        return me.add(id);
      case Operation::Lock:
        return me.lock(id);
      case Operation::Unlock:
        return me.unlock(id);
      case Operation::Save: {
        // Send to the working version when it is the caller's, then commit.
        const auto working = entries(me.directory, "(&(objectclass=APPLICATION)(appid=" + std::to_string(id) + "))", "stworkvernum");
        if (!working.empty() && !working[0].empty())
          me.send("d:\\tarvix\\apps\\c1\\a" + std::to_string(id) + "\\v" + working[0] + "\\app.ed");
        return me.commit(id);
      }
      case Operation::Delete:
        return me.remove(id);
    }
    return {};
  }
};

TEST_F(ApplicationStateTest, EveryOperationInEveryStateAnswersItsCode) {
  Client me(*backend, "4711", "2468", "U0001");
  Client other(*backend, "4712", "1357", "U0002");
  const std::int32_t R = kReply, N = kNoSuchObject, U = kUnwilling, E = kAlreadyExists, OK = kOk;
  // Rows: states; columns: add, lock, unlock, save, delete.
  const std::int32_t expected[6][5] = {
      /* absent          */ {R, N, N, N, N},
      /* unborn-locked   */ {E, R, OK, R, OK},
      /* unborn-free     */ {R, N, OK, U, OK},
      /* free            */ {E, R, OK, U, OK},
      /* locked-by-me    */ {E, R, OK, R, OK},
      /* locked-by-other */ {E, U, U, U, U},
  };
  int id = 3000;
  for (int s = 0; s < 6; ++s) {
    for (int o = 0; o < 5; ++o, ++id) {
      make(me, other, static_cast<State>(s), id);
      const Reply r = apply(me, static_cast<Operation>(o), id);
      EXPECT_EQ(r.code, expected[s][o]) << name(static_cast<State>(s)) << " x " << name(static_cast<Operation>(o)) << ": " << r.text;
      // Whatever the operation did, one visible version at most, and it is the current one.
      const auto app = entries(me.directory, "(&(objectclass=APPLICATION)(appid=" + std::to_string(id) + "))", "appvernum");
      const auto visible = entries(me.directory, "(&(objectclass=APPPROFILE)(appprofid=" + std::to_string(id) + ")(visible=1))", "appvernum");
      if (app.empty() || app[0].empty()) {
        EXPECT_TRUE(visible.empty()) << name(static_cast<State>(s)) << " x " << name(static_cast<Operation>(o));
      } else {
        EXPECT_EQ(visible, std::vector<std::string>{app[0]}) << name(static_cast<State>(s)) << " x " << name(static_cast<Operation>(o));
      }
    }
  }
}

TEST_F(ApplicationStateTest, LockFieldsAreMirroredOnEveryProfile) {
  Client me(*backend, "4711", "2468", "U0001");
  const Reply added = me.add(3100);
  const Reply saved = me.save(3100, added);
  ASSERT_EQ(me.save(3100, saved).code, kReply);
  EXPECT_EQ(entries(me.directory, "(&(objectclass=APPPROFILE)(appprofid=3100))", "lockinguser,lockingpc", "appvernum"),
            std::vector<std::string>(3, "4711~{value}~1.1.1.1"));
  // A profile modify does not unmirror them.
  ASSERT_EQ(me.directory.modify("appprofid=3100+customerid=1+appvernum=50100,o=vantora", "lockinguser~{value}~", me.context).code, 0);
  ASSERT_EQ(me.unlock(3100).code, 0);
  EXPECT_EQ(entries(me.directory, "(&(objectclass=APPPROFILE)(appprofid=3100))", "lockinguser,lockingdatetime", "appvernum"),
            std::vector<std::string>(2, "~{value}~-1"));
}

TEST_F(ApplicationStateTest, ImportAndListEntriesFollowTheCurrentAndWorkingVersions) {
  Client me(*backend, "4711", "2468", "U0001");
  const Reply added = me.add(3200);
  ASSERT_EQ(me.directory.add(me.context, "appimpid=3200+customerid=1+appvernum=50100+impedappid=17+impedcustid=1,o=vantora", "", 0).code, 0);
  ASSERT_EQ(me.directory.add(me.context, "rplid=6+apprplid=3200+customerid=1+appvernum=50100,o=vantora", "count~{value}~2", 0).code, 0);
  const Reply first = me.save(3200, added);   // current 50100, working 50101
  ASSERT_EQ(me.save(3200, first).code, kReply);  // current 50101, working 50102
  EXPECT_EQ(entries(me.directory, "(&(objectclass=APPIMP)(appimpid=3200))", "appvernum", "appvernum"),
            (std::vector<std::string>{"50101", "50102"}));
  EXPECT_EQ(entries(me.directory, "(&(objectclass=APPRPL)(apprplid=3200))", "appvernum,count", "appvernum"),
            (std::vector<std::string>{"50101~{value}~2", "50102~{value}~2"}));
}

TEST_F(ApplicationStateTest, VersionManagerKeepsTwoRetiredAndEveryVersionAServiceNames) {
  Client me(*backend, "4711", "2468", "U0001");
  Reply reply = me.add(3300);
  for (int i = 0; i < 5; ++i) reply = me.save(3300, reply);  // current 50104, working 50105
  ASSERT_EQ(reply.code, kReply);
  ASSERT_EQ(me.directory.add(me.context, "appid=3300+sysserviceid=3,o=vantora",
                             "customerid~{value}~1~{attrib}~appparam~{value}~d:\\tarvix\\apps\\c1\\a3300\\v50100\\app.run", 0).code,
            0);
  ASSERT_EQ(me.admin.versionManager(me.context, "U0001").code, 0);
  EXPECT_EQ(entries(me.directory, "(&(objectclass=APPPROFILE)(appprofid=3300))", "appvernum", "appvernum"),
            (std::vector<std::string>{"50100", "50102", "50103", "50104", "50105"}));
  EXPECT_EQ(entries(me.directory, "(&(objectclass=MMFSFILE)(appprofid=3300))", "appvernum", "appvernum").size(), 5u);
}

}  // namespace
}  // namespace standin::testing
