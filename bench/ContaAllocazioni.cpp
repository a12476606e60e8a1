#include "ContaAllocazioni.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<uint64_t> allocazioni{0};

void* Alloca(std::size_t dimensione) {
  allocazioni.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(dimensione == 0 ? 1 : dimensione)) return p;
  throw std::bad_alloc();
}
}  // namespace

uint64_t tlx::bench::AllocazioniFatte() { return allocazioni.load(std::memory_order_relaxed); }

void* operator new(std::size_t dimensione) { return Alloca(dimensione); }
void* operator new[](std::size_t dimensione) { return Alloca(dimensione); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
