#include "server/handlerpool.h"

#include "platform/platform.h"

#include <QThread>

#include <algorithm>

namespace HttpServer {

HandlerPool::Worker::~Worker() = default;

HandlerPool::HandlerPool(int maxThreads, const char *threadName)
    : maxThreads_(std::max(1, maxThreads)), threadName_(threadName)
{
}

HandlerPool::~HandlerPool()
{
    stopThreads();
}

void HandlerPool::stopThreads()
{
    waitForDone();
    std::vector<std::unique_ptr<Worker>> ending;
    {
        std::lock_guard<std::mutex> guard(lock_);
        stopping_ = true;
        for (Worker *worker : idle_)
            worker->wake.release();
        idle_.clear();
        ending.swap(workers_);
    }
    for (const auto &worker : ending)
        worker->thread->wait();
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = false;
}

void HandlerPool::start(std::function<void()> task)
{
    Worker *woken = nullptr;
    {
        std::lock_guard<std::mutex> guard(lock_);
        reapEnded();
        ++busy_;
        if (!idle_.empty()) {
            woken = idle_.back();
            idle_.pop_back();
            woken->task = std::move(task);
        } else if (int(workers_.size()) < maxThreads_) {
            workers_.push_back(std::make_unique<Worker>());
            Worker *worker = workers_.back().get();
            worker->task = std::move(task);
            worker->thread.reset(QThread::create([this, worker] {
                run(worker);
                // Qt's wait returns before the thread itself is gone: the
                // name goes first, so a stopped pool shows no thread by it.
                Platform::setCurrentThreadName("corvane-idle");
            }));
            worker->thread->setObjectName(QString::fromLatin1(threadName_));
            worker->thread->start();
        } else {
            queue_.push_back(std::move(task));
        }
    }
    // Woken outside the lock, so the thread does not wake only to wait for
    // it. It cannot end meanwhile: it holds a task, and workers are only
    // forgotten here and by stopThreads, which no start overlaps.
    if (woken)
        woken->wake.release();
}

void HandlerPool::reapEnded()
{
    // An ended thread no longer takes the lock, so joining under it is safe.
    for (auto it = workers_.begin(); it != workers_.end();) {
        if ((*it)->ended) {
            (*it)->thread->wait();
            it = workers_.erase(it);
        } else {
            ++it;
        }
    }
}

void HandlerPool::waitForDone()
{
    std::unique_lock<std::mutex> guard(lock_);
    idleAll_.wait(guard, [this] { return busy_ == 0; });
}

void HandlerPool::run(Worker *worker)
{
    std::unique_lock<std::mutex> guard(lock_);
    for (;;) {
        std::function<void()> task = std::move(worker->task);
        worker->task = nullptr;
        guard.unlock();
        task();
        task = nullptr; // what the task holds goes before it counts as done
        guard.lock();
        if (!queue_.empty()) {
            worker->task = std::move(queue_.front());
            queue_.pop_front();
        } else {
            idle_.push_back(worker);
        }
        if (--busy_ == 0)
            idleAll_.notify_all();
        if (worker->task)
            continue;
        guard.unlock();
        const bool woken = worker->wake.tryAcquire(1, kExpiryMs);
        guard.lock();
        if (!woken) {
            if (!stopping_ && !worker->task) {
                idle_.erase(std::find(idle_.begin(), idle_.end(), worker));
                worker->ended = true;
                return;
            }
            // Handed a task (or told to stop) just as the wait ran out: the
            // permit is on its way, and is taken so that it wakes no one later.
            guard.unlock();
            worker->wake.acquire();
            guard.lock();
        }
        if (!worker->task)
            return;
    }
}

} // namespace HttpServer
