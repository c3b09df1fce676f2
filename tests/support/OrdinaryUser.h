#pragma once

#include <pwd.h>
#include <unistd.h>

// The users are no administrators, but CI runs the tests as root, for whom no permission holds. While an
// OrdinaryUser lives, the process's file accesses are checked as those of the user "nobody"; it switches
// back to root when it goes. Files a test hands to that user must be open to others.
namespace testsupport {

class OrdinaryUser final {
public:
    OrdinaryUser()
    {
        if (geteuid() != 0) return;
        const passwd* nobody = getpwnam("nobody");
        const uid_t user = nobody ? nobody->pw_uid : 65534;
        const gid_t group = nobody ? nobody->pw_gid : 65534;
        // The group first: once the user is no longer root, it cannot change its group.
        if (setegid(group) != 0) return;
        if (seteuid(user) != 0) {
            (void)setegid(0);
            return;
        }
        m_switched = true;
    }
    ~OrdinaryUser()
    {
        if (!m_switched) return;
        (void)seteuid(0);
        (void)setegid(0);
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

    /// Whether file accesses are now checked: as an ordinary user from the start, or switched to one.
    bool checksPermissions() const { return m_switched || geteuid() != 0; }

private:
    bool m_switched = false;
};

} // namespace testsupport
