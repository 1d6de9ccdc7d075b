// Errors the program never expects (running out of memory, a container used
// out of its range, an exception nobody catches) end it at once. Handling
// them here, instead of with the C++ runtime's exception classes and its
// message printer, keeps tunelet.exe small.
#include <bits/functexcept.h>

#include <cstdlib>

namespace __gnu_cxx {
void __verbose_terminate_handler() {
  std::abort();
}
}  // namespace __gnu_cxx

namespace std {
void __throw_bad_alloc() {
  std::abort();
}
void __throw_bad_array_new_length() {
  std::abort();
}
void __throw_bad_function_call() {
  std::abort();
}
void __throw_length_error(const char*) {
  std::abort();
}
void __throw_logic_error(const char*) {
  std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
  std::abort();
}
}  // namespace std
