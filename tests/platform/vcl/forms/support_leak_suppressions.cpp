// The font library keeps caches for the life of the process that the leak
// checker would report at exit; they are not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
