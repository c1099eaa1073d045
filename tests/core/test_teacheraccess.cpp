#include "core/drill/teacheraccess.h"

#include <gtest/gtest.h>

using namespace quorvex;

namespace {

struct Seen {
    AccessState state;
    AccessOffer offer;
    bool commands;
    AccessPanel panel;
};

void expectSeen(const TeacherAccess& access, const Seen& seen)
{
    EXPECT_EQ(access.state(), seen.state);
    EXPECT_EQ(access.offer(), seen.offer);
    EXPECT_EQ(access.teacherCommandsEnabled(), seen.commands);
    EXPECT_EQ(access.panel(), seen.panel);
}

const Seen noPassword { AccessState::NoPassword, AccessOffer::CreatePassword, true, AccessPanel::CreatePassword };
const Seen lockedAtStart { AccessState::Locked, AccessOffer::LogIn, false, AccessPanel::LogIn };
const Seen lockedByLogOut { AccessState::Locked, AccessOffer::LogInAgain, false, AccessPanel::LogIn };
const Seen loggedIn { AccessState::LoggedIn, AccessOffer::LogOut, true, AccessPanel::LogOut };

} // namespace

TEST(TeacherAccess, EveryTransition)
{
    TeacherAccess access;
    access.loadStored(std::nullopt);
    expectSeen(access, noPassword);

    access.passwordSet("Owl ");
    expectSeen(access, lockedAtStart);
    for (const char* wrong : { "Owl", "owl ", "Owl  ", "" }) {
        EXPECT_FALSE(access.logIn(wrong)) << wrong;
        expectSeen(access, lockedAtStart);
    }
    EXPECT_TRUE(access.logIn("Owl "));
    expectSeen(access, loggedIn);

    access.logOut();
    expectSeen(access, lockedByLogOut);
    EXPECT_TRUE(access.logIn("Owl "));
    expectSeen(access, loggedIn);
}

TEST(TeacherAccess, StoredPasswordLocksAtStart)
{
    TeacherAccess access;
    access.loadStored(Bytes(""));
    expectSeen(access, lockedAtStart);
    EXPECT_FALSE(access.logIn("x"));
    EXPECT_TRUE(access.logIn("")); // an empty password is a password
    expectSeen(access, loggedIn);
}

TEST(TeacherAccess, UnreadablePasswordFileOpensToNoTypedText)
{
    TeacherAccess access;
    access.loadUnreadable();
    expectSeen(access, lockedAtStart);
    EXPECT_FALSE(access.logIn(""));
    expectSeen(access, lockedAtStart);

    // A password set afterwards is readable again.
    access.passwordSet("Hawk");
    EXPECT_TRUE(access.logIn("Hawk"));
    expectSeen(access, loggedIn);
}
