#include "text/Interruption.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace sumire {
namespace {

// The handler may run at any moment, so it reads only this fixed table and
// calls only async-signal-safe functions.
enum State : int { Free, Writing, Ready };

struct Slot {
    std::atomic<int> state{Free};
    pid_t pid = 0;         // a process to stop, or 0
    char path[4096] = {};  // a file or folder to remove
};

constexpr int kSlots = 64;
constexpr int kDeepest = 24;  // a temporary folder is a few levels deep
Slot table[kSlots];

int claim() {
    for (int i = 0; i < kSlots; ++i) {
        int expected = Free;
        if (table[i].state.compare_exchange_strong(expected, Writing)) return i;
    }
    return -1;  // full: the path is left to its owner
}

void fill(int slot, const QString& path) {
    if (slot < 0) return;
    table[slot].state = Writing;
    const QByteArray name = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const size_t n = std::min(size_t(name.size()), sizeof(table[slot].path) - 1);
    std::memcpy(table[slot].path, name.constData(), n);
    table[slot].path[n] = 0;
    table[slot].pid = 0;
    table[slot].state = n > 0 ? Ready : Writing;
}

void release(int slot) {
    if (slot >= 0) table[slot].state = Free;
}

struct DirEntry64 {
    ino64_t ino;
    off64_t off;
    unsigned short reclen;
    unsigned char type;
    char name[1];
};

bool isDotOrDotDot(const char* name) { return name[0] == '.' && (!name[1] || (name[1] == '.' && !name[2])); }

// Removes `name` in the folder `dir`, a folder with everything in it.
void removeAt(int dir, const char* name, int depth) {
    if (unlinkat(dir, name, 0) == 0 || errno == ENOENT || depth > kDeepest) return;
    const int fd = openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    alignas(8) char buffer[2048];
    // Read again from the start while a reading finds names: what was removed
    // is gone from the next one, and what cannot be removed ends the loop.
    for (bool found = true; found;) {
        found = false;
        lseek(fd, 0, SEEK_SET);
        for (long got; (got = syscall(SYS_getdents64, fd, buffer, sizeof buffer)) > 0;)
            for (long at = 0; at < got; at += reinterpret_cast<const DirEntry64*>(buffer + at)->reclen) {
                const char* entry = reinterpret_cast<const DirEntry64*>(buffer + at)->name;
                if (isDotOrDotDot(entry)) continue;
                removeAt(fd, entry, depth + 1);
                found = found || faccessat(fd, entry, F_OK, AT_SYMLINK_NOFOLLOW) != 0;
            }
    }
    close(fd);
    unlinkat(dir, name, AT_REMOVEDIR);
}

// A child told to stop is given two seconds to clean up after itself.
void stopChild(pid_t pid, int signal) {
    kill(pid, signal);
    const timespec tick{0, 20'000'000};
    for (int i = 0; i < 100 && waitpid(pid, nullptr, WNOHANG) == 0; ++i) nanosleep(&tick, nullptr);
}

void onInterrupt(int signal) {
    for (Slot& s : table)
        if (s.state == Ready && s.pid > 0) stopChild(s.pid, signal);
    for (Slot& s : table)
        if (s.state == Ready && s.pid == 0) removeAt(AT_FDCWD, s.path, 0);
    _exit(128 + signal);
}

}  // namespace

void installInterruptHandlers() {
    std::signal(SIGXFSZ, SIG_IGN);
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

RemovedOnInterrupt::RemovedOnInterrupt(const QString& path) : slot_(claim()) { fill(slot_, path); }

RemovedOnInterrupt::~RemovedOnInterrupt() { release(slot_); }

void RemovedOnInterrupt::reset(const QString& path) { fill(slot_, path); }

StoppedOnInterrupt::StoppedOnInterrupt(pid_t pid) : slot_(claim()) {
    if (slot_ < 0) return;
    table[slot_].path[0] = 0;
    table[slot_].pid = pid;
    table[slot_].state = pid > 0 ? Ready : Writing;
}

StoppedOnInterrupt::~StoppedOnInterrupt() { release(slot_); }

}  // namespace sumire
