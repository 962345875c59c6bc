#pragma once
// What a command leaves behind when it is stopped. SIGINT and SIGTERM remove
// the temporary folders and partial files still registered, stop the worker
// processes still registered, and end the program with 128 + the signal
// (130, 143). SIGXFSZ is ignored, so that a write past the file-size limit
// fails with EFBIG and is reported like any other failed write.

#include <QString>
#include <sys/types.h>

namespace sumire {

// Installs the handlers; once, before the first temporary file is made.
void installInterruptHandlers();

// A temporary folder or partial file, removed when the program is
// interrupted while this object lives. Removing it otherwise stays the
// owner's work.
class RemovedOnInterrupt {
public:
    explicit RemovedOnInterrupt(const QString& path);
    ~RemovedOnInterrupt();
    RemovedOnInterrupt(const RemovedOnInterrupt&) = delete;
    RemovedOnInterrupt& operator=(const RemovedOnInterrupt&) = delete;
    // Another path in the same slot (a temporary file named only once open).
    void reset(const QString& path);

private:
    int slot_ = -1;
};

// A child process told the same signal when this one is interrupted.
class StoppedOnInterrupt {
public:
    explicit StoppedOnInterrupt(pid_t pid);
    ~StoppedOnInterrupt();
    StoppedOnInterrupt(const StoppedOnInterrupt&) = delete;
    StoppedOnInterrupt& operator=(const StoppedOnInterrupt&) = delete;

private:
    int slot_ = -1;
};

}  // namespace sumire
