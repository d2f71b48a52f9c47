#include "bench/HeapCounter.h"

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <malloc.h>

// glibc's own allocator, under the names it keeps for programs that wrap malloc.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* block);
}

namespace
{

std::atomic<bool> counting{false};
std::atomic<std::int64_t> current{0};
std::atomic<std::int64_t> peak{0};

void NoteHeld(std::int64_t held)
{
    std::int64_t most = peak.load(std::memory_order_relaxed);
    while (held > most && !peak.compare_exchange_weak(most, held, std::memory_order_relaxed)) {
    }
}

std::int64_t SizeOf(void* block)
{
    const bool counted = block && counting.load(std::memory_order_relaxed);
    return counted ? std::int64_t(malloc_usable_size(block)) : 0;
}

void* Added(void* block)
{
    const std::int64_t size = SizeOf(block);
    if (size)
        NoteHeld(current.fetch_add(size, std::memory_order_relaxed) + size);
    return block;
}

} // namespace

namespace HeapCounter
{

void Start()
{
    current.store(0);
    peak.store(0);
    counting.store(true);
}

void Stop()
{
    counting.store(false);
}

std::int64_t Current()
{
    return current.load();
}

std::int64_t Peak()
{
    return peak.load();
}

} // namespace HeapCounter

extern "C" {

void* malloc(std::size_t size)
{
    return Added(__libc_malloc(size));
}

void* calloc(std::size_t count, std::size_t size)
{
    return Added(__libc_calloc(count, size));
}

void* memalign(std::size_t alignment, std::size_t size)
{
    return Added(__libc_memalign(alignment, size));
}

void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    return memalign(alignment, size);
}

int posix_memalign(void** block, std::size_t alignment, std::size_t size)
{
    void* got = memalign(alignment, size);
    if (!got)
        return ENOMEM;
    *block = got;
    return 0;
}

void free(void* block)
{
    current.fetch_sub(SizeOf(block), std::memory_order_relaxed);
    __libc_free(block);
}

// A block that moves is briefly held twice, and counted so.
void* realloc(void* block, std::size_t size)
{
    const std::int64_t before = SizeOf(block);
    void* moved = __libc_realloc(block, size);
    if (!moved && size != 0)
        return nullptr;
    const std::int64_t after = SizeOf(moved);
    if (moved != block && block)
        NoteHeld(current.load(std::memory_order_relaxed) + after);
    NoteHeld(current.fetch_add(after - before, std::memory_order_relaxed) + after - before);
    return moved;
}

} // extern "C"
