#pragma once

// Asked for the session bus where none is running, D-Bus starts one: it
// forks the program and runs dbus-launch in the child. A fork copies only the
// thread that forks; a lock that another thread held at that moment, such as
// the memory allocator's under the address sanitizer, stays held in the child
// for good, and a child that allocates before dbus-launch runs waits forever,
// with the program waiting on it. The program therefore uses a session's bus
// when it has one and never starts one. Called first in main, before any
// thread is started, since it changes the environment.
void NeverStartSessionBus();
