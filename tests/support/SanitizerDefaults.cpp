// Leak-checker defaults for every test program of the sanitizer build, so that
// ctest needs no environment of its own there.
#ifdef __SANITIZE_ADDRESS__

// The embedded Firebird engine unloads its plugins when it stops, and the leak
// checker then trips over their thread-local storage; leaving that storage out
// of the scan can only report more, never hide a leak.
extern "C" const char* __lsan_default_options() {
    return "use_tls=0";
}

// Process-wide state that these libraries keep until exit by design: the
// Firebird client and engine (character set converters, ICU tables, big-number
// constants), Qt's platform plugins, font caches and the GLib state under them.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfbclient.so\n"
           "leak:libEngine12.so\n"
           "leak:libicuuc.so\n"
           "leak:libicui18n.so\n"
           "leak:libtommath.so\n"
           "leak:libQt6\n"
           "leak:libfontconfig\n"
           "leak:libglib-2.0\n";
}

#endif
