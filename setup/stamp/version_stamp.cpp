// The version a program carries in its file, read back by the installer's builder and
// About window (the stand-in for a version resource).
#define NV_STR2(x) #x
#define NV_STR(x) NV_STR2(x)

[[gnu::used]] extern const char nvFileVersionStamp[] =
    "NVFILEVERSION=" NV_STR(NV_VERSION_MAJOR) "." NV_STR(NV_VERSION_MINOR) "." NV_STR(
        NV_VERSION_RELEASE) "." NV_STR(NV_VERSION_BUILD);
