// Replaces the global allocation functions of the bench binary only: every form of operator
// new counts once and then takes its memory from malloc, and every operator delete gives it
// back. The aligned forms are not replaced; nothing in the core asks for over-alignment.
#include "AllocationCount.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace drvprop::bench {
namespace {

std::atomic<uint64_t> allocations{0};

void* CountedAllocate(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  // malloc(0) may return null; operator new must still hand out a unique pointer.
  return std::malloc(size == 0 ? 1 : size);
}

}  // namespace

uint64_t AllocationsSoFar() { return allocations.load(std::memory_order_relaxed); }

}  // namespace drvprop::bench

void* operator new(std::size_t size) {
  if (void* memory = drvprop::bench::CountedAllocate(size)) return memory;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return drvprop::bench::CountedAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return drvprop::bench::CountedAllocate(size);
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
