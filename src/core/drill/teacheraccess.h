#pragma once

// Access to the three student-data commands of the teacher menu. Once a password exists the
// commands are locked until a teacher logs in with it; without one they are open to all.

#include "core/bytes.h"

#include <optional>
#include <string_view>

namespace quorvex {

enum class AccessState {
    NoPassword, // no password was ever set: the commands are enabled
    Locked, // the commands are disabled until a teacher logs in
    LoggedIn, // a teacher logged in: the commands are enabled
};

// The panel the access menu item opens.
enum class AccessPanel { CreatePassword, LogIn, LogOut };

// What the access menu item offers. A program locked after a teacher logged out offers to log in
// with a shortcut letter; one locked from its start, without.
enum class AccessOffer { CreatePassword, LogIn, LogInAgain, LogOut };

class TeacherAccess {
public:
    // At start-up, from the password file: no value when there is none.
    void loadStored(std::optional<Bytes> password);
    // A password file exists but could not be read: a password was set, so stay locked, and
    // let no typed text open the lock until the file can be read at a later start.
    void loadUnreadable();

    // A new password was stored; the teacher must still log in with it.
    void passwordSet(Bytes password);
    // True when typed is the password, whole and byte for byte; the teacher is then logged in.
    // A wrong password leaves the state as it is, without limit on tries.
    bool logIn(BytesView typed);
    void logOut();

    AccessState state() const { return m_state; }
    AccessPanel panel() const;
    // Delete a student, Add a Student and File clean up.
    bool teacherCommandsEnabled() const { return m_state != AccessState::Locked; }
    // What the access menu item offers, which also tells a locked program freshly started or
    // given a password from one a teacher logged out of.
    AccessOffer offer() const;

private:
    AccessState m_state = AccessState::NoPassword;
    Bytes m_password;
    bool m_unreadable = false;
    bool m_loggedOut = false;
};

} // namespace quorvex
