// SPDX-License-Identifier: GPL-3.0-or-later
// Leaks the sanitizer build finds at exit in other people's libraries, not ours: LeakSanitizer
// asks the program for them, so every run of it, a test's child included, knows them.
#ifdef __SANITIZE_ADDRESS__
extern "C" const char* __lsan_default_suppressions();
extern "C" int dlclose(void* handle);

extern "C" const char* __lsan_default_suppressions()
{
    // libwayland-client keeps its proxies of the compositor's globals until the process ends.
    return "leak:libwayland-client.so\n";
}

// Libraries stay loaded until the leak check at exit. Mesa's EGL, loaded for the Wayland
// connection, unloads its driver as the program ends; what the driver's own globals still held
// then looked lost, and the library it came from could not be named.
extern "C" int dlclose(void*)
{
    return 0;
}
#endif
