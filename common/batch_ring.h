#pragma once
// Reading ahead: a reader fills batches of a file's lines on a thread of its own
// while this thread takes the batches already filled, in the same order. A file large
// enough costs about as much to read and decode as to store, so the two halves run
// side by side. The reader must not raise: what it meets travels in its batches, so
// that the taker meets it exactly where a reading in turn would have.
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <system_error>
#include <thread>

namespace vx4820cal {

// Files smaller than this are not worth a thread.
inline constexpr size_t kReadAheadFromBytes = size_t{4} << 20;

// Whether a file of `bytes` is read ahead on this machine.
inline bool WorthReadingAhead(size_t bytes, size_t from_bytes = kReadAheadFromBytes) {
  return bytes >= from_bytes && std::thread::hardware_concurrency() >= 2;
}

// What the reader may ask of the other side while it fills a batch.
class TakerPace {
 public:
  // Whether every batch filled so far has been taken: the taker waits for the one
  // being filled, so work either side can do is better left to the taker.
  virtual bool CaughtUp() const = 0;

 protected:
  ~TakerPace() = default;
};

// The batches between the two threads. A side that finds nothing to do looks again
// for a while before it sleeps: the other side is seldom more than a batch away, and
// waking a sleeping processor of a virtual machine takes longer than a batch.
template <class Batch>
class BatchRing : public TakerPace {
 public:
  bool CaughtUp() const override {
    return taken_.load(std::memory_order_acquire) == filled_.load(std::memory_order_acquire);
  }

  // The next batch to fill, once the taker has taken it; nullptr once stopped.
  Batch* FreeBatch() {
    const size_t filled = filled_.load(std::memory_order_relaxed);
    WaitFor([&] { return Stopped() || filled - taken_.load(std::memory_order_acquire) < kBatches; });
    return Stopped() ? nullptr : &batches_[filled % kBatches];
  }
  void Filled() { Advance(filled_); }

  // The next filled batch, once the reader has filled it.
  Batch& FilledBatch() {
    const size_t taken = taken_.load(std::memory_order_relaxed);
    WaitFor([&] { return taken < filled_.load(std::memory_order_acquire); });
    return batches_[taken % kBatches];
  }
  void Taken() { Advance(taken_); }

  // The reader fills no further batch.
  void Stop() {
    stopped_.store(true, std::memory_order_release);
    Notify();
  }

 private:
  static constexpr size_t kBatches = 8;
  static constexpr int kLooksBeforeSleeping = 2000;  // some 50 microseconds

  bool Stopped() const { return stopped_.load(std::memory_order_acquire); }

  template <class Ready>
  void WaitFor(Ready ready) {
    for (int look = 0; look < kLooksBeforeSleeping; ++look) {
      if (ready()) return;
#if defined(__x86_64__) || defined(__i386__)
      __builtin_ia32_pause();
#else
      std::this_thread::yield();
#endif
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, ready);
  }

  void Advance(std::atomic<size_t>& count) {
    count.fetch_add(1, std::memory_order_release);
    Notify();
  }

  // Under the lock, so that a side between its last look and its sleep is woken.
  void Notify() {
    std::lock_guard lock(mutex_);
    changed_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable changed_;
  std::array<Batch, kBatches> batches_;
  std::atomic<size_t> filled_{0};
  std::atomic<size_t> taken_{0};
  std::atomic<bool> stopped_{false};
};

// fill(batch, pace) makes a batch and must not raise; take(batch) uses it and answers
// whether another follows. With `ahead`, fill runs on a thread of its own, and when
// take raises, the reader stops after the batch it is filling and is waited for before
// the error goes on. Without it, or without a thread to be had, the two take turns.
template <class Batch, class Fill, class Take>
void ReadInBatches(bool ahead, Fill fill, Take take) {
  auto in_turn = [&] {
    struct : TakerPace {
      bool CaughtUp() const override { return false; }
    } in_turn_pace;
    Batch batch;
    do {
      fill(batch, in_turn_pace);
    } while (take(batch));
  };
  if (!ahead) return in_turn();
  BatchRing<Batch> ring;
  std::thread reader;
  try {
    reader = std::thread([&] {
      while (Batch* batch = ring.FreeBatch()) {
        const bool more = fill(*batch, static_cast<const TakerPace&>(ring));
        ring.Filled();
        if (!more) return;
      }
    });
  } catch (const std::system_error&) {
    return in_turn();
  }
  struct StopAndWait {
    BatchRing<Batch>& ring;
    std::thread& reader;
    ~StopAndWait() {
      ring.Stop();
      reader.join();
    }
  } stop_and_wait{ring, reader};
  while (take(ring.FilledBatch())) ring.Taken();
}

}  // namespace vx4820cal
