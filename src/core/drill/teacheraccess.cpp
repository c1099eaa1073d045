#include "core/drill/teacheraccess.h"

#include "core/classfolder/password.h"

namespace quorvex {

void TeacherAccess::loadStored(std::optional<Bytes> password)
{
    m_loggedOut = false;
    if (!password) {
        // The password variable keeps what it held.
        m_state = AccessState::NoPassword;
        return;
    }
    m_password = std::move(*password);
    m_state = AccessState::Locked;
}

void TeacherAccess::loadUnreadable()
{
    m_unreadable = true;
    m_loggedOut = false;
    m_state = AccessState::Locked;
}

void TeacherAccess::passwordSet(Bytes password)
{
    m_password = std::move(password);
    m_unreadable = false;
    m_loggedOut = false;
    m_state = AccessState::Locked;
}

bool TeacherAccess::logIn(BytesView typed)
{
    if (m_unreadable || !passwordMatches(typed, m_password))
        return false;
    m_state = AccessState::LoggedIn;
    return true;
}

void TeacherAccess::logOut()
{
    m_loggedOut = true;
    m_state = AccessState::Locked;
}

AccessPanel TeacherAccess::panel() const
{
    switch (m_state) {
    case AccessState::NoPassword:
        return AccessPanel::CreatePassword;
    case AccessState::Locked:
        return AccessPanel::LogIn;
    case AccessState::LoggedIn:
        break;
    }
    return AccessPanel::LogOut;
}

AccessOffer TeacherAccess::offer() const
{
    switch (m_state) {
    case AccessState::NoPassword:
        return AccessOffer::CreatePassword;
    case AccessState::Locked:
        return m_loggedOut ? AccessOffer::LogInAgain : AccessOffer::LogIn;
    case AccessState::LoggedIn:
        break;
    }
    return AccessOffer::LogOut;
}

} // namespace quorvex
