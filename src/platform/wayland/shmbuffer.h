#pragma once

#include <QSize>
#include <memory>

struct wl_buffer;
struct wl_shm;

// One premultiplied ARGB picture in shared memory that the compositor reads. Busy from the commit
// that shows it until the compositor lets go of it.
class ShmBuffer final {
public:
    // None when the memory cannot be had (the size is checked first).
    static std::unique_ptr<ShmBuffer> create(wl_shm *shm, QSize size);
    ~ShmBuffer();
    ShmBuffer(const ShmBuffer &) = delete;
    ShmBuffer &operator=(const ShmBuffer &) = delete;

    wl_buffer *buffer() const { return m_buffer; }
    uchar *pixels() const { return m_pixels; }
    QSize size() const { return m_size; }
    int bytesPerLine() const { return m_size.width() * 4; }
    bool isBusy() const { return m_busy; }
    void setBusy() { m_busy = true; }

private:
    ShmBuffer() = default;

    wl_buffer *m_buffer = nullptr;
    uchar *m_pixels = nullptr;
    size_t m_bytes = 0;
    QSize m_size;
    bool m_busy = false;
};

// The buffers one surface draws into in turn: a free one of the wanted size, made when needed.
class ShmBufferPool final {
public:
    explicit ShmBufferPool(wl_shm *shm)
        : m_shm(shm)
    {
    }

    // A buffer that is not busy, of exactly this size; null when none can be made.
    ShmBuffer *next(QSize size);
    void clear();

private:
    static constexpr int maxBuffers = 3;
    wl_shm *m_shm;
    std::unique_ptr<ShmBuffer> m_buffers[maxBuffers];
};
