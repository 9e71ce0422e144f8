#pragma once

// The superuser reads and writes whatever the permissions say. While a guard
// lives, the calling thread gives up that override, so a read-only file or
// folder refuses it as it refuses any other user; the guard gives it back.
// Capabilities belong to a thread: only this thread's file access changes.

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class PermissionsHold
{
public:
    PermissionsHold()
    {
        header.version = _LINUX_CAPABILITY_VERSION_3;
        header.pid = 0;
        held = syscall(SYS_capget, &header, saved) == 0;
        if (!held)
            return;
        __user_cap_data_struct without[2] = {saved[0], saved[1]};
        without[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        held = syscall(SYS_capset, &header, without) == 0;
    }

    ~PermissionsHold()
    {
        if (held)
            syscall(SYS_capset, &header, saved);
    }

    PermissionsHold(const PermissionsHold &) = delete;
    PermissionsHold &operator=(const PermissionsHold &) = delete;

    // False when the thread could not give up the override.
    bool Holds() const { return held || geteuid() != 0; }

private:
    __user_cap_header_struct header{};
    __user_cap_data_struct saved[2]{};
    bool held = false;
};
