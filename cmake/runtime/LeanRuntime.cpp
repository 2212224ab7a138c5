// The few pieces of the C++ runtime that Vintra.exe (MinGW, static) needs,
// written so that none of them brings in the library's exception machinery.
//
// The program throws nothing and catches nothing; it is built without
// exceptions. The library's own versions of these functions throw, and one
// throw links the unwinder, the exception objects, std::string for their
// messages, the threading library for the runtime's locks, and the verbose
// terminate handler with its demangler and printf: most of the executable.
// Here each ends the process instead, which is what the throwing versions did
// too: nothing in the program would catch the exception, so it went to
// std::terminate and then abort().
//
// Linked into Vintra.exe only; the test programs keep the library's versions.
// Each group below replaces one whole member of the library archive, so the
// linker never needs that member: replacing only part of one would make its
// other symbols clash with ours the day program code uses one of them.

#include <cstdlib>
#include <new>

// Allocation. A failed plain new has no way to report failure without
// exceptions; the program uses new (std::nothrow) wherever it handles one.
void* operator new(std::size_t size) {
    if (void* block = std::malloc(size != 0 ? size : 1)) {
        return block;
    }
    std::abort();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size != 0 ? size : 1); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

// What the standard containers and algorithms call where they would throw
// (a vector grown past its maximum size, say): the whole set the library
// defines together.
namespace std {
[[noreturn]] void __throw_bad_exception() { std::abort(); }
[[noreturn]] void __throw_bad_alloc() { std::abort(); }
[[noreturn]] void __throw_bad_array_new_length() { std::abort(); }
[[noreturn]] void __throw_bad_cast() { std::abort(); }
[[noreturn]] void __throw_bad_typeid() { std::abort(); }
[[noreturn]] void __throw_logic_error(const char*) { std::abort(); }
[[noreturn]] void __throw_domain_error(const char*) { std::abort(); }
[[noreturn]] void __throw_invalid_argument(const char*) { std::abort(); }
[[noreturn]] void __throw_length_error(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range(const char*) { std::abort(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
[[noreturn]] void __throw_runtime_error(const char*) { std::abort(); }
[[noreturn]] void __throw_range_error(const char*) { std::abort(); }
[[noreturn]] void __throw_overflow_error(const char*) { std::abort(); }
[[noreturn]] void __throw_underflow_error(const char*) { std::abort(); }
}  // namespace std

// A pure or deleted virtual function called through a half-built or
// half-destroyed object.
extern "C" [[noreturn]] void __cxa_pure_virtual() { std::abort(); }
extern "C" [[noreturn]] void __cxa_deleted_virtual() { std::abort(); }

// What std::terminate runs by default. The library's version names the
// exception on stderr, which a GUI process does not have.
namespace __gnu_cxx {
[[noreturn]] void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
