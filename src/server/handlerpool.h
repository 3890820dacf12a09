#pragma once

#include <QSemaphore>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class QThread;

namespace HttpServer {

// The handler threads: at most maxThreads run tasks, the rest of the tasks
// wait in order. The next task goes to the thread that became idle last,
// where QThreadPool wakes the one idle longest: one request at a time then
// keeps landing on one warm thread instead of going round all of them,
// which shows in the seek latency of a headset. A thread idle for
// kExpiryMs ends, as QThreadPool's do. The threads are QThreads, so what a
// handler does with Qt objects runs on a thread Qt knows. Each carries the
// pool's name from its start (naming it per task cost two system calls a
// request), and stopThreads ends them, so none outlives a closed server.
class HandlerPool
{
public:
    static constexpr int kExpiryMs = 30000;

    // threadName: what the process list shows for the pool's threads.
    HandlerPool(int maxThreads, const char *threadName);
    // Waits for every task, then ends the threads.
    ~HandlerPool();
    HandlerPool(const HandlerPool &) = delete;
    HandlerPool &operator=(const HandlerPool &) = delete;

    void start(std::function<void()> task);
    // Returns once no task runs or waits.
    void waitForDone();
    // Waits for every task, then ends and joins the threads; a later start
    // makes new ones.
    void stopThreads();

private:
    struct Worker
    {
        std::unique_ptr<QThread> thread;
        ~Worker();
        // One permit a wake-up. Waited on outside lock_: a condition
        // variable hands its mutex back marked contended, which costs the
        // woken thread a futex call on the way to its task.
        QSemaphore wake;
        std::function<void()> task;
        bool ended = false; // expired: the thread is gone or going, to be joined
    };
    void run(Worker *worker);
    // Under lock_: joins and forgets the threads that expired.
    void reapEnded();

    const int maxThreads_;
    const char *const threadName_;
    std::mutex lock_;
    std::condition_variable idleAll_;
    std::deque<std::function<void()>> queue_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<Worker *> idle_; // the last one became idle last
    int busy_ = 0;               // tasks running or waiting
    bool stopping_ = false;
};

} // namespace HttpServer
