#pragma once

// A test-only library, loaded with LD_PRELOAD, that makes the k-th file
// system call of the arming thread fail with a chosen errno, where the
// system itself would report such a failure. The calls: write, pwrite,
// writev, fsync, fdatasync, close and ftruncate on an ordinary file or a
// folder; open and openat with O_CREAT; rename and renameat. Each goes on to
// the real function (dlsym RTLD_NEXT) unless it is the k-th.
//
// Nothing is counted until a test arms it, so that the start-up of Qt and
// the test's own set-up do not count. A test looks the two functions up
// with dlsym(RTLD_DEFAULT, ...): they are there only when the library was
// preloaded.
extern "C" {

// Makes the `k`-th counted call from now on (1 = the next one) fail with `error`.
void dorvane_fault_arm(long k, int error);

// Stops counting. Returns how many calls were counted, and sets *fired when
// the k-th call was reached (and made to fail).
long dorvane_fault_disarm(int* fired);

}
