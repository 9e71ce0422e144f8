// The sanitizer build's program reports only its own leaks. The memory these
// system libraries keep for the life of the process by design (the tests pass
// over the same in tests/lsan.supp) would otherwise end every run with status 1
// and a report that hides the program's own.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n";
}

extern "C" const char *__lsan_default_options()
{
    return "print_suppressions=0";
}
