// The launcher never throws, but the static C++ runtime would bring in what a throw needs: the
// default terminate handler's name demangler (about 40 KB), to print the type of an exception
// that cannot happen, and the prebuilt exceptions that the string templates throw on a length
// they never see, with the copy-on-write strings those are made of (about 50 KB). Plain ends do
// for GNU's runtime; other runtimes need nothing here.
#include <cstdlib>

#if defined(__GLIBCXX__)
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx

// Where the templates would throw, the program ends as an uncaught throw would end it.
namespace std {
void __throw_bad_alloc()
{
    std::abort();
}
void __throw_bad_array_new_length()
{
    std::abort();
}
void __throw_length_error(const char*)
{
    std::abort();
}
void __throw_logic_error(const char*)
{
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...)
{
    std::abort();
}
} // namespace std
#endif
