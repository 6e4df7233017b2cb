// The launcher never throws, but the static C++ runtime's default terminate handler would
// bring its name demangler (about 40 KB) into the exe to print the type of an exception that
// cannot happen. A plain one does for GNU's runtime; other runtimes need nothing here.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx
#endif
