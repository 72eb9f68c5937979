#pragma once

#include <functional>
#include <system_error>
#include <thread>

// Work on a thread of its own, joined however the scope that made it is
// left (an exception included). Where no thread is to be had, the work is
// done at once on the calling thread, before the constructor returns.
class JoinedThread
{
public:
    explicit JoinedThread(const std::function<void()> &work)
    {
        try {
            m_thread = std::thread(work);
        } catch (const std::system_error &) {
            work();
        }
    }
    ~JoinedThread() { join(); }
    JoinedThread(const JoinedThread &) = delete;
    JoinedThread &operator=(const JoinedThread &) = delete;

    void join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    std::thread m_thread;
};
