// For tests of a program that must not open a FIFO: should it open one anyway and wait for a
// writer, this writes a byte into each FIFO after a delay, so the faulty program comes
// back late (and the test fails on the time) instead of hanging the suite for ever.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace morella::test {

class TSoccorsoFifo {
   public:
    TSoccorsoFifo(std::vector<std::string> fifo, std::chrono::milliseconds ritardo)
        : fifo_(std::move(fifo)), filo_([this, ritardo] { Soccorri(ritardo); })
    {
    }
    ~TSoccorsoFifo()
    {
        fine_ = true;
        filo_.join();
    }
    TSoccorsoFifo(const TSoccorsoFifo&) = delete;
    TSoccorsoFifo& operator=(const TSoccorsoFifo&) = delete;

   private:
    void Soccorri(std::chrono::milliseconds ritardo)
    {
        const auto inizio = std::chrono::steady_clock::now();
        while (!fine_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (std::chrono::steady_clock::now() - inizio < ritardo) continue;
            // Only a reader that is waiting lets the open succeed.
            for (const std::string& f : fifo_) {
                const int fd = ::open(f.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd < 0) continue;
                (void)!::write(fd, "x", 1);
                ::close(fd);
            }
        }
    }

    std::vector<std::string> fifo_;
    std::atomic<bool> fine_{false};
    std::thread filo_;
};

}  // namespace morella::test
