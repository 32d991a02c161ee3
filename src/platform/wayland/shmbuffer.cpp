#include "platform/wayland/shmbuffer.h"

#include <wayland-client.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {
// Larger than any output of today at its full scale; a bad size never becomes an allocation.
constexpr int maxSide = 16384;

void released(void *data, wl_buffer *)
{
    *static_cast<bool *>(data) = false;
}
const wl_buffer_listener bufferListener = {.release = released};
} // namespace

std::unique_ptr<ShmBuffer> ShmBuffer::create(wl_shm *shm, QSize size)
{
    if (!shm || size.width() <= 0 || size.height() <= 0 || size.width() > maxSide || size.height() > maxSide)
        return nullptr;
    const size_t bytes = size_t(size.width()) * 4 * size_t(size.height());
    const int fd = memfd_create("ringle-surface", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    if (fd < 0)
        return nullptr;
    int result = 0;
    do {
        result = ftruncate(fd, off_t(bytes));
    } while (result < 0 && errno == EINTR);
    void *pixels = result == 0 ? mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0) : MAP_FAILED;
    if (pixels == MAP_FAILED) {
        close(fd);
        return nullptr;
    }
    // The compositor can then trust the size never shrinks under it.
    fcntl(fd, F_ADD_SEALS, F_SEAL_SHRINK);
    std::unique_ptr<ShmBuffer> buffer(new ShmBuffer);
    wl_shm_pool *pool = wl_shm_create_pool(shm, fd, int32_t(bytes));
    buffer->m_buffer = wl_shm_pool_create_buffer(pool, 0, size.width(), size.height(), size.width() * 4,
                                                 WL_SHM_FORMAT_ARGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    buffer->m_pixels = static_cast<uchar *>(pixels);
    buffer->m_bytes = bytes;
    buffer->m_size = size;
    wl_buffer_add_listener(buffer->m_buffer, &bufferListener, &buffer->m_busy);
    return buffer;
}

ShmBuffer::~ShmBuffer()
{
    if (m_buffer)
        wl_buffer_destroy(m_buffer);
    if (m_pixels)
        munmap(m_pixels, m_bytes);
}

ShmBuffer *ShmBufferPool::next(QSize size)
{
    for (std::unique_ptr<ShmBuffer> &b : m_buffers) {
        if (b && !b->isBusy() && b->size() == size)
            return b.get();
    }
    // A free slot, or one whose buffer has the wrong size and is not in use.
    for (std::unique_ptr<ShmBuffer> &b : m_buffers) {
        if (!b || (!b->isBusy() && b->size() != size)) {
            b = ShmBuffer::create(m_shm, size);
            return b.get();
        }
    }
    return nullptr;
}

void ShmBufferPool::clear()
{
    for (std::unique_ptr<ShmBuffer> &b : m_buffers)
        b.reset();
}
