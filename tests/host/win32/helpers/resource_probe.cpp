// Reads a module's resources the way the Screen Saver settings list does.
//   resource_probe <module>
// prints, one per line: "string 1: <text as UTF-8>", "icon group: <id>",
// "version: a.b.c.d", and "manifest: <the manifest's text>".
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

void print_utf8(const wchar_t* text, int length) {
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), bytes, nullptr, nullptr);
    std::fwrite(out.data(), 1, out.size(), stdout);
}

BOOL CALLBACK first_icon_group(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) {
    *reinterpret_cast<ULONG_PTR*>(found) = IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : 0;
    return FALSE;
}

void print_version(const wchar_t* path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<unsigned char> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT info_size = 0;
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &info_size)) {
        std::printf("version: none\n");
        return;
    }
    std::printf("version: %u.%u.%u.%u\n", static_cast<unsigned>(HIWORD(info->dwFileVersionMS)),
                static_cast<unsigned>(LOWORD(info->dwFileVersionMS)),
                static_cast<unsigned>(HIWORD(info->dwFileVersionLS)),
                static_cast<unsigned>(LOWORD(info->dwFileVersionLS)));
}

void print_manifest(HMODULE module) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    if (found == nullptr) {
        std::printf("manifest: none\n");
        return;
    }
    const char* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
    std::printf("manifest: ");
    std::fwrite(text, 1, SizeofResource(module, found), stdout);
    std::printf("\n");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: resource_probe <module>\n");
        return 2;
    }
    HMODULE module =
        LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        std::printf("cannot load %ls\n", argv[1]);
        return 1;
    }
    wchar_t text[256];
    const int length = LoadStringW(module, 1, text, 256);
    std::printf("string 1: ");
    print_utf8(text, length);
    std::printf("\n");

    ULONG_PTR icon = 0;
    EnumResourceNamesW(module, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, first_icon_group,
                       reinterpret_cast<LONG_PTR>(&icon));
    std::printf("icon group: %lu\n", static_cast<unsigned long>(icon));
    print_version(argv[1]);
    print_manifest(module);
    return 0;
}
